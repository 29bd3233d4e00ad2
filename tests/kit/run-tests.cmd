@echo off
rem Runs every test program of this kit and prints the totals last:
rem "N passed, M failed, K skipped". Exit code 0 only when none failed.
setlocal
echo Brimlock's tests: windows will open and close for a few minutes.
echo Leave the mouse and the keyboard alone until the totals are shown.
echo.
"%~dp0bin\kit_runner.exe"
set result=%errorlevel%
rem Started from Explorer, which names this file in full: keep the window
rem open so that the totals can be read.
if /i "%~0"=="%~f0" pause
exit /b %result%
