#include "support/test_process_win32.h"

#include "support/remote_window_win32.h"

std::string besideTestProgram(const std::string& fileName) {
    char path[MAX_PATH];
    const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of("\\/") + 1) + fileName;
}

std::string uniqueCaption(const std::string& stem) {
    return stem + " " + std::to_string(GetCurrentProcessId());
}

bool TestProcess::start(const std::string& name, const std::string& arguments,
                        const std::string& folder, WORD showCommand) {
    const std::string exe = besideTestProgram(name + ".exe");
    std::string commandLine = "\"" + exe + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showCommand;
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info_)) {
        return false;
    }
    // Started by this process, it may take the foreground while this one may;
    // on a desktop where this one got the right from its own starter, pass it on.
    AllowSetForegroundWindow(info_.dwProcessId);
    return true;
}

bool TestProcess::waitForExit(DWORD milliseconds) {
    return WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

void TestProcess::end() {
    if (info_.hProcess == nullptr) {
        return;
    }
    if (!waitForExit(0)) {
        TerminateProcess(info_.hProcess, 99);
        waitForExit(10000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
    info_ = PROCESS_INFORMATION{};
}

DWORD TestProcess::exitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

HWND BrimlockProcess::waitForMainWindow(DWORD milliseconds) const {
    return waitForDialog(processId(), "Brimlock - 1.00", milliseconds);
}

bool BrimlockProcess::closeAndWait(DWORD milliseconds) {
    HWND window = waitForMainWindow(milliseconds);
    if (window != nullptr) {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return waitForExit(milliseconds);
}

TargetProcess::TargetProcess(const std::string& name, const std::string& caption,
                             const std::string& arguments) {
    // Shown as the targets show themselves; found once visible, since a sweep
    // passes over a window that is not shown yet.
    if (start(name, arguments + " \"" + caption + "\"", "", SW_SHOWNOACTIVATE)) {
        waitUntil(
            [&] {
                window_ = FindWindowA(nullptr, caption.c_str());
                return window_ != nullptr && IsWindowVisible(window_);
            },
            20000);
    }
}

TargetProcess::TargetProcess(int busyMilliseconds, const std::string& caption)
    : TargetProcess("busy_target", caption, std::to_string(busyMilliseconds)) {}

LRESULT TargetProcess::ask(UINT message) const {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window_, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) {
        return -1;
    }
    return static_cast<LRESULT>(answer);
}

void TargetProcess::end() {
    TestProcess::end();
    waitUntil([&] { return !IsWindow(window_); });
}
