# The released brimlock.exe: MinGW-w64's win32 thread model, which needs no
# winpthread in the exe. Everything else as in the POSIX toolchain file, which
# the tests need for std::thread and GoogleTest.
set(BRIMLOCK_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
