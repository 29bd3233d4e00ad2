#include <windows.h>

#include "win32/test_windows.h"

namespace testwin {

std::string uniqueCaption(const std::string& stem) {
    return stem + " " + std::to_string(GetCurrentProcessId());
}

OwnWindow::OwnWindow(const std::string& caption, bool visible, const char* className) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);  // fails harmlessly once the class exists
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, className, caption.c_str(),
                              WS_POPUP | WS_CAPTION | (visible ? WS_VISIBLE : 0), 0, 0, 120, 60,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

OwnWindow::~OwnWindow() {
    if (IsWindow(window_)) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK OwnWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    OwnWindow* self = reinterpret_cast<OwnWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr && message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        ++self->closes_;
    }
    if (self != nullptr && message == WM_APP) {
        ++self->appMessages_;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

SampleWindows::SampleWindows(const std::string& stem)
    : longCaption(uniqueCaption(stem + " long") + std::string(300, 'y')),
      shown(uniqueCaption(stem + " shown")),
      hidden(uniqueCaption(stem + " hidden"), false),
      desk(uniqueCaption(stem + " desk"), true, "pRoGmAn"),
      overlong(longCaption) {}

TargetProcess::TargetProcess(const std::string& name, const std::string& arguments,
                             const std::string& caption) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of("\\/") + 1);
    std::string commandLine = "\"" + folder + name + ".exe\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        return;
    }
    waitUntil([&] { return (window_ = FindWindowA(nullptr, caption.c_str())) != nullptr; }, 20000);
}

TargetProcess::TargetProcess(int busyMilliseconds, const std::string& caption)
    : TargetProcess("busy_target", std::to_string(busyMilliseconds) + " \"" + caption + "\"",
                    caption) {}

TargetProcess::~TargetProcess() {
    end();
}

LRESULT TargetProcess::ask(UINT message) const {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window_, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) {
        return -1;
    }
    return static_cast<LRESULT>(answer);
}

void TargetProcess::end() {
    if (process_.hProcess == nullptr) {
        return;
    }
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 10000);
    waitUntil([&] { return !IsWindow(window_); });
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = PROCESS_INFORMATION{};
}

}  // namespace testwin
