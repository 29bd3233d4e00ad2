#include <windows.h>

#include "win32/dialog_test_support.h"

#include <thread>

namespace {

bool watchdogFired = false;

BOOL CALLBACK closeThreadWindow(HWND window, LPARAM) {
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK onWatchdog(HWND, UINT, UINT_PTR, DWORD) {
    watchdogFired = true;
    EnumThreadWindows(GetCurrentThreadId(), closeThreadWindow, 0);
}

const char* const COUNTING_CLASS = "BrimlockTestCounter";

LRESULT CALLBACK countingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        SetWindowLongPtrA(window, GWLP_USERDATA, GetWindowLongPtrA(window, GWLP_USERDATA) + 1);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(5);
    }
    return true;
}

bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= end) {
            return false;
        }
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
    return true;
}

HWND findDialogByTitle(const std::string& title, DWORD timeoutMs) {
    HWND found = nullptr;
    waitFor([&] { return (found = FindWindowA("#32770", title.c_str())) != nullptr; }, timeoutMs);
    return found;
}

std::string windowText(HWND window) {
    char buffer[4096] = {};
    const int got = GetWindowTextA(window, buffer, sizeof buffer);
    return std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0);
}

ModalWatchdog::ModalWatchdog(UINT timeoutMs) : timer_(SetTimer(nullptr, 0, timeoutMs, onWatchdog)) {
    watchdogFired = false;
}

ModalWatchdog::~ModalWatchdog() {
    KillTimer(nullptr, timer_);
}

bool ModalWatchdog::fired() const {
    return watchdogFired;
}

HWND createCountingWindow() {
    static const ATOM registered = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = countingProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = COUNTING_CLASS;
        return RegisterClassA(&windowClass);
    }();
    (void)registered;
    return CreateWindowExA(0, COUNTING_CLASS, "counter", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

int countedMessages(HWND window) {
    return static_cast<int>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HandlerSlot& handlerSlot(int slot) {
    static HandlerSlot slots[3];
    return slots[slot];
}

void resetHandlerSlots() {
    for (int slot = 0; slot < 3; ++slot) {
        handlerSlot(slot) = HandlerSlot();
    }
}

bool logHas(int slot, unsigned message) {
    for (const LoggedMessage& logged : handlerSlot(slot).log) {
        if (logged.message == message) {
            return true;
        }
    }
    return false;
}

bool TickingDialog::keepsTicking() const {
    const int before = ticks;
    return waitFor([&] { return ticks >= before + 3; });
}

void runTickingDialog(const std::function<void(TickingDialog&)>& nested,
                      const std::function<void(TickingDialog&)>& driver) {
    resetHandlerSlots();
    TickingDialog ticking;
    ticking.dialog = newDialog(0, "ticking", 0, 0, 100, 50, WS_SYSMENU, 0);
    handlerSlot(0).script = [&](WindowHandle d, unsigned message, MessageWParam, MessageLParam) {
        if (message == WM_INITDIALOG) {
            setTimer(d, 1331, 20);
        } else if (message == WM_TIMER) {
            ++ticking.ticks;
        } else if (message == WM_APP) {
            nested(ticking);
            endDialog(d, 0);
        }
        return 0;
    };
    std::thread driving([&] { driver(ticking); });
    PostMessageA(windowOf(ticking.dialog), WM_APP, 0, 0);
    showModal(ticking.dialog, scriptedHandler<0>, nullptr);
    driving.join();
}
