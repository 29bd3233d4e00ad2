#pragma once
// The real brimlock.exe (beside the test program) started as a separate
// process in a chosen folder, for end-to-end tests. Waits are bounded; a
// process still running when the object goes is terminated.
#include <windows.h>

#include <string>

std::string testProgramFolder();

class BrimlockProcess {
  public:
    BrimlockProcess() = default;
    ~BrimlockProcess();
    BrimlockProcess(const BrimlockProcess&) = delete;
    BrimlockProcess& operator=(const BrimlockProcess&) = delete;

    // Starts brimlock.exe with the given arguments after its name, in folder.
    bool start(const std::string& folder, const std::string& arguments = "",
               WORD showCommand = SW_SHOWNORMAL);
    // The main window ("Brimlock - 1.00") of this process, 0 if it has none within the wait.
    HWND waitForMainWindow(DWORD milliseconds = 15000) const;
    // True once the process has ended within the wait.
    bool waitForExit(DWORD milliseconds = 15000);
    // Sends the main window the close command (as the close box does) and waits for the exit.
    bool closeAndWait(DWORD milliseconds = 15000);
    DWORD exitCode() const;
    DWORD processId() const { return info_.dwProcessId; }

  private:
    PROCESS_INFORMATION info_{};
};

// Polls condition every 20 ms until it holds or the time is up.
template <typename Condition>
bool waitUntil(Condition condition, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(20);
    }
}
