#pragma once
// The top-level windows as the sweep sees them, and the ways to send them the
// close command.
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
// True for a window the desktop composition keeps off the screen although it
// counts as visible: a suspended app, a window on another virtual desktop.
// False wherever that cannot be told.
bool isWindowCloaked(WindowHandle window);
// Leaves the class name NUL-terminated in buffer; returns 0 when it fails.
int getClassName(WindowHandle window, char* buffer, int size);
// WM_SYSCOMMAND / SC_CLOSE / 0 to the window, returning once it has been
// handled. Only for windows of the calling thread, where that happens at once
// in a nested call; another program could keep it waiting for ever.
void sendCloseCommand(WindowHandle window);

// True for a window that belongs to the calling thread.
bool isOwnThreadWindow(WindowHandle window);
// The thread that handles the window's messages (GetWindowThreadProcessId),
// 0 once the window has gone.
std::uint32_t windowThreadId(WindowHandle window);
// False once the window has been destroyed.
bool windowExists(WindowHandle window);
// True for a window whose thread has not read its messages for a while, and
// always for the ghost window that stands in for such a window.
bool isWindowHung(WindowHandle window);

// Runs on the calling thread, from inside any message loop of that thread,
// once the window has handled the close command; never before
// startCloseCommand has returned.
using CloseHandled = void (*)(std::uintptr_t token);
// The close command without waiting for it (SendMessageCallbackA); handled
// gets token back. Returns false when it could not be sent, for instance
// because the window has gone.
bool startCloseCommand(WindowHandle window, CloseHandled handled, std::uintptr_t token);
// Lets replies come in (and messages other programs send), for at most that
// long; returns once one came in, or the time has passed, or earlier. Posted
// messages stay queued: it is for a program that is ending.
void waitForCloseReply(std::uint32_t milliseconds);
// A clock for waits: milliseconds that only ever go forward.
std::uint64_t steadyMilliseconds();
