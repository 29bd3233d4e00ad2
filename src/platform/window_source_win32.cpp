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

// DwmGetWindowAttribute, from dwmapi.dll, which is not a known DLL: loaded
// from the system folder alone, never from beside the exe. Null where it is
// missing (no composition, or a system that cannot restrict the search).
using DwmGetWindowAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
constexpr DWORD DWMWA_CLOAKED_ATTRIBUTE = 14;

DwmGetWindowAttributeFunction dwmGetWindowAttribute() {
    static bool loaded = false;
    static DwmGetWindowAttributeFunction function = nullptr;
    if (!loaded) {
        loaded = true;
        if (HMODULE dwm = LoadLibraryExA("dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
            function = reinterpret_cast<DwmGetWindowAttributeFunction>(
                reinterpret_cast<void*>(GetProcAddress(dwm, "DwmGetWindowAttribute")));
        }
    }
    return function;
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

bool isWindowCloaked(WindowHandle window) {
    const DwmGetWindowAttributeFunction query = dwmGetWindowAttribute();
    DWORD cloaked = 0;
    return query != nullptr &&
           SUCCEEDED(query(toWindow(window), DWMWA_CLOAKED_ATTRIBUTE, &cloaked, sizeof cloaked)) &&
           cloaked != 0;
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

std::uint32_t windowThreadId(WindowHandle window) {
    return GetWindowThreadProcessId(toWindow(window), nullptr);
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

// Replies come in whenever the thread peeks at its messages; a wake for them
// is not promised, so each wait is short.
void waitForCloseReply(std::uint32_t milliseconds) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds < 50 ? milliseconds : 50, QS_SENDMESSAGE,
                                MWMO_INPUTAVAILABLE);
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

std::uint64_t steadyMilliseconds() {
    return GetTickCount64();
}
