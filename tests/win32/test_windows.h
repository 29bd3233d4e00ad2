#pragma once
// Real windows for the Wine tests: windows of the test's own thread that
// count the close commands and WM_APP messages they get. Other programs'
// windows: TargetProcess in support/test_process_win32.h.
#include <windows.h>

#include <string>

#include "platform/handles.h"
#include "support/test_process_win32.h"

namespace testwin {

using ::uniqueCaption;

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

}  // namespace testwin
