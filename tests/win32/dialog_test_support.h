#pragma once
// Helpers for tests that run real dialogs: a watchdog that closes whatever a
// failing test left open, scripted dialog handlers, and a ticking dialog to
// open nested windows over.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "support/remote_window_win32.h"
#include "support/wait_win32.h"
#include "ui/ui.h"

inline HWND windowOf(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

// A visible dialog of this process with this exact title, waited for.
inline HWND findDialogByTitle(const std::string& title) {
    return waitForDialog(GetCurrentProcessId(), title);
}

// Activating a window needs the foreground, which Windows gives a program
// the user started, or one started by the program in the foreground, and may
// refuse another (SetForegroundWindow). Takes it for the window; when refused,
// returns false and sets foregroundRefused, and the test says so and skips.
bool takeTheForeground(HWND window);
extern bool foregroundRefused;
constexpr const char* FOREGROUND_REFUSED =
    "Windows did not give this program the foreground, which activating its windows needs; "
    "start the tests from a window in the foreground and leave mouse and keyboard alone";

// While it lives, a thread timer asks every window of the thread to close
// once the time is up, so that a test whose dialog never ends fails instead
// of hanging. fired() says whether it had to.
class ModalWatchdog {
  public:
    explicit ModalWatchdog(UINT timeoutMs = 10000);
    ~ModalWatchdog();
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;
    bool fired() const;

  private:
    UINT_PTR timer_;
};

// Dialog handlers for tests, slots 0 and 1: each logs every message it gets and then
// runs the script the test gave it (0 when none).
struct LoggedMessage {
    unsigned message;
    MessageWParam wParam;
    MessageLParam lParam;
    bool visible;
};
using Script = std::function<std::int32_t(WindowHandle, unsigned, MessageWParam, MessageLParam)>;
struct HandlerSlot {
    std::vector<LoggedMessage> log;
    Script script;
};
HandlerSlot& handlerSlot(int slot);
// Empties every slot's log and script.
void resetHandlerSlots();
bool logHas(int slot, unsigned message);

template <int Slot>
std::int32_t scriptedHandler(WindowHandle dialog, unsigned message, MessageWParam wParam,
                             MessageLParam lParam) {
    HandlerSlot& handler = handlerSlot(Slot);
    handler.log.push_back({message, wParam, lParam, IsWindowVisible(windowOf(dialog)) != FALSE});
    // A copy: the script may replace itself while it runs.
    const Script script = handler.script;
    return script ? script(dialog, message, wParam, lParam) : 0;
}

// A dialog whose 20 ms timer counts its ticks runs modally; once running it
// calls nested (a prompt or message box that waits inside the run) and ends
// when that returns. driver runs meanwhile on another thread.
struct TickingDialog {
    WindowHandle dialog = 0;
    std::atomic<int> ticks{0};
    // On the driver's thread: whether three more ticks arrive (bounded wait).
    bool keepsTicking() const;
};
void runTickingDialog(const std::function<void(TickingDialog&)>& nested,
                      const std::function<void(TickingDialog&)>& driver);
