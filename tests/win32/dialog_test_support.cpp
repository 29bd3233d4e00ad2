#include <windows.h>

#include "win32/dialog_test_support.h"

#include <algorithm>
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

}  // namespace

bool foregroundRefused = false;

bool takeTheForeground(HWND window) {
    SetForegroundWindow(window);
    if (pumpUntil([window] { return GetForegroundWindow() == window; }, 1000)) {
        return true;
    }
    foregroundRefused = true;
    return false;
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

HandlerSlot& handlerSlot(int slot) {
    static HandlerSlot slots[2];
    return slots[slot];
}

void resetHandlerSlots() {
    handlerSlot(0) = HandlerSlot();
    handlerSlot(1) = HandlerSlot();
}

bool logHas(int slot, unsigned message) {
    const std::vector<LoggedMessage>& log = handlerSlot(slot).log;
    return std::any_of(log.begin(), log.end(), [message](const LoggedMessage& logged) {
        return logged.message == message;
    });
}

bool TickingDialog::keepsTicking() const {
    const int before = ticks;
    return waitUntil([&] { return ticks >= before + 3; });
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
