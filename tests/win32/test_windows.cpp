#include <windows.h>

#include "win32/test_windows.h"

namespace testwin {

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

}  // namespace testwin
