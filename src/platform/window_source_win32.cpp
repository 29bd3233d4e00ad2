#include <windows.h>

#include "platform/window_handle_win32.h"
#include "platform/window_source.h"

namespace {

struct Enumeration {
    WindowCollector collect;
    std::intptr_t context;
};

BOOL CALLBACK enumerateOne(HWND window, LPARAM param) {
    const Enumeration* enumeration = reinterpret_cast<const Enumeration*>(param);
    return enumeration->collect(fromWindow(window), enumeration->context) != 0;
}

// The one receiver of close reports; SendMessageCallbackA carries the token.
CloseHandled closeHandled = nullptr;

void CALLBACK onCloseReply(HWND, UINT, ULONG_PTR token, LRESULT) {
    if (closeHandled != nullptr) {
        closeHandled(token);
    }
}

}  // namespace

void enumWindows(WindowCollector collect, std::intptr_t context) {
    Enumeration enumeration{collect, context};
    EnumWindows(enumerateOne, reinterpret_cast<LPARAM>(&enumeration));
}

void getWindowText(WindowHandle window, char* buffer, int size) {
    GetWindowTextA(toWindow(window), buffer, size);
}

bool isWindowVisible(WindowHandle window) {
    return IsWindowVisible(toWindow(window)) != FALSE;
}

int getClassName(WindowHandle window, char* buffer, int size) {
    return GetClassNameA(toWindow(window), buffer, size);
}

void sendCloseCommand(WindowHandle window) {
    SendMessageA(toWindow(window), WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool isOwnThreadWindow(WindowHandle window) {
    return GetWindowThreadProcessId(toWindow(window), nullptr) == GetCurrentThreadId();
}

bool windowExists(WindowHandle window) {
    return IsWindow(toWindow(window)) != FALSE;
}

bool isWindowHung(WindowHandle window) {
    return IsHungAppWindow(toWindow(window)) != FALSE;
}

bool startCloseCommand(WindowHandle window, CloseHandled handled, std::uintptr_t token) {
    closeHandled = handled;
    return SendMessageCallbackA(toWindow(window), WM_SYSCOMMAND, SC_CLOSE, 0, onCloseReply,
                                token) != FALSE;
}

std::uint64_t steadyMilliseconds() {
    return GetTickCount64();
}
