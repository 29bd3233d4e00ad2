#pragma once
// Real windows for the Wine tests: windows of the test's own thread that
// count the close commands they get, and target programs started as other
// processes from the test program's folder.
#include <windows.h>

#include <string>

#include "platform/handles.h"

namespace testwin {

// The caption with this process's id, so that tests running side by side
// never match each other's windows.
std::string uniqueCaption(const std::string& stem);

// Polls until done() holds or the time is up; returns done().
template <typename Condition>
bool waitUntil(Condition done, DWORD milliseconds = 10000) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!done() && GetTickCount64() < end) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        Sleep(20);
    }
    return done();
}

// A top-level window of this thread. It closes on the close command as any
// window does (DefWindowProcA), after counting it.
class OwnWindow {
  public:
    explicit OwnWindow(const std::string& caption, bool visible = true,
                       const char* className = "BrimlockTestWindow");
    ~OwnWindow();
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;

    HWND hwnd() const { return window_; }
    WindowHandle handle() const { return reinterpret_cast<WindowHandle>(window_); }
    int closesReceived() const { return closes_; }
    int appMessagesReceived() const { return appMessages_; }

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    int closes_ = 0;
    int appMessages_ = 0;
};

// The windows a sweep must tell apart, captioned "<stem> shown" and so on: a
// visible one, a hidden one, one of the desktop's class in mixed case, and
// one with a caption of more than 300 bytes.
struct SampleWindows {
    explicit SampleWindows(const std::string& stem);
    std::string longCaption;
    OwnWindow shown;
    OwnWindow hidden;
    OwnWindow desk;
    OwnWindow overlong;
};

// tests/targets/<name>.exe started with the arguments; window() is its
// window once the caption has appeared (null if it never did).
class TargetProcess {
  public:
    TargetProcess(const std::string& name, const std::string& arguments,
                  const std::string& caption);
    // busy_target.exe, asking its user for that long on the close command.
    TargetProcess(int busyMilliseconds, const std::string& caption);
    ~TargetProcess();
    TargetProcess(const TargetProcess&) = delete;
    TargetProcess& operator=(const TargetProcess&) = delete;

    HWND window() const { return window_; }
    WindowHandle handle() const { return reinterpret_cast<WindowHandle>(window_); }
    // Sends the message and returns the answer, or -1 when none came in time.
    LRESULT ask(UINT message) const;
    // Ends the process and waits for its window to go.
    void end();

  private:
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

}  // namespace testwin
