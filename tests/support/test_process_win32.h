#pragma once
// Programs built beside the test program (brimlock.exe, tests/targets/*.exe)
// started as separate processes. Waits are bounded; a process still running
// when its object goes is terminated.
#include <windows.h>

#include <string>

#include "platform/handles.h"
#include "support/wait_win32.h"

// The path of a file in the test program's folder.
std::string besideTestProgram(const std::string& fileName);

// The text with this process's id after it. Every caption a test makes and
// every varn it gives brimlock.exe carries one, so that no sweep closes
// another program's window, and the other windows on the desktop (all of
// which a sweep sees) change no outcome.
std::string uniqueCaption(const std::string& stem);

class TestProcess {
  public:
    TestProcess() = default;
    ~TestProcess() { end(); }
    TestProcess(const TestProcess&) = delete;
    TestProcess& operator=(const TestProcess&) = delete;

    // Starts <name>.exe with the arguments after its name, in folder ("" for
    // the current one).
    bool start(const std::string& name, const std::string& arguments,
               const std::string& folder = "", WORD showCommand = SW_SHOWNORMAL);
    // True once the process has ended within the wait.
    bool waitForExit(DWORD milliseconds = 15000);
    // Terminates the process if it still runs and lets it go.
    void end();
    DWORD exitCode() const;
    DWORD processId() const { return info_.dwProcessId; }

  private:
    PROCESS_INFORMATION info_{};
};

// The real brimlock.exe, for end-to-end tests.
class BrimlockProcess : public TestProcess {
  public:
    bool start(const std::string& folder, const std::string& arguments = "",
               WORD showCommand = SW_SHOWNORMAL) {
        return TestProcess::start("brimlock", arguments, folder, showCommand);
    }
    // The main window ("Brimlock - 1.00"), 0 if it has none within the wait.
    HWND waitForMainWindow(DWORD milliseconds = 15000) const;
    // Sends the main window the close command (as the close box does) and
    // waits for the exit.
    bool closeAndWait(DWORD milliseconds = 15000);
};

// A program of tests/targets started as "<name>.exe <arguments> <caption>";
// window() is its window (null if none came), waited for until it is shown.
class TargetProcess : public TestProcess {
  public:
    TargetProcess(const std::string& name, const std::string& caption,
                  const std::string& arguments = "");
    // busy_target.exe, asking its user for that long on the close command.
    TargetProcess(int busyMilliseconds, const std::string& caption);
    ~TargetProcess() { end(); }

    HWND window() const { return window_; }
    WindowHandle handle() const { return reinterpret_cast<WindowHandle>(window_); }
    // Sends the message and returns the answer, or -1 when none came in time.
    LRESULT ask(UINT message) const;
    // Ends the process and waits for its window to go.
    void end();

  private:
    HWND window_ = nullptr;
};
