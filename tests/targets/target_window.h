#pragma once
// What the target programs of the Wine tests share: a visible top-level
// window with the caption from the command line, and a time limit so a target
// left behind by a failed test ends by itself.
#include <windows.h>

#include <cstdlib>

namespace target {

constexpr DWORD LIFETIME_MS = 120000;

inline HWND openWindow(const char* caption, WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "BrimlockTestTarget";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "BrimlockTestTarget", caption, WS_OVERLAPPEDWINDOW, 10, 10,
                                  240, 120, nullptr, nullptr, windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

// Handles what is waiting, then returns.
inline void pumpPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

inline const char* argument(int index) {
    return index < __argc ? __argv[index] : "";
}

}  // namespace target
