#pragma once
// The logic's window handles as the Windows side of the seams sees them.
#include <windows.h>

#include "platform/handles.h"

inline HWND toWindow(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}
inline WindowHandle fromWindow(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}
