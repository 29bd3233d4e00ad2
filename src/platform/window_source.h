#pragma once
// The top-level windows as the sweep sees them.
#include <cstdint>

#include "platform/handles.h"

// Called once per top-level window; returns 1 to go on.
using WindowCollector = std::int32_t (*)(WindowHandle window, std::intptr_t context);

// Calls collect for every top-level window, on the calling thread, before it returns.
void enumWindows(WindowCollector collect, std::intptr_t context);
// Leaves the caption NUL-terminated in buffer (at most size - 1 bytes); an
// unreadable caption leaves the buffer untouched.
void getWindowText(WindowHandle window, char* buffer, int size);
bool isWindowVisible(WindowHandle window);
// Leaves the class name NUL-terminated in buffer; returns 0 when it fails.
int getClassName(WindowHandle window, char* buffer, int size);
// WM_SYSCOMMAND / SC_CLOSE / 0 to the window.
void sendCloseCommand(WindowHandle window);
