#include <windows.h>

#include <cstring>
#include <vector>

#include "ui/ui.h"

// A task-modal box without owner disables every top-level window of the
// thread, and MessageBoxA enables them again only once the box is gone. But a
// window must be enabled before it can be activated, and the box, the active
// window, is hidden first (by EndDialog, or by DestroyWindow): Windows then
// activates the next window that is enabled, which would be another
// program's, and the keyboard would go there. So the windows the box disabled
// are enabled again just before it is hidden, as the main window of a modal
// dialog is before that dialog is destroyed; Windows then activates the
// window that was active under the box. Should the activation go elsewhere
// all the same, it is taken back right after the box, with the focus.

namespace {

struct BoxWatch {
    std::vector<HWND> disabledByBox;  // the thread's top-level windows enabled before the box
    HWND box = nullptr;
    bool boxHadForeground = false;  // when it went: the user was in this program
};

// The innermost box of this thread; a box opened while another is open (by a
// timer's handler) watches for itself and gives the outer one back after.
thread_local BoxWatch* watching = nullptr;

BOOL CALLBACK noteEnabled(HWND window, LPARAM windows) {
    if (IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    }
    return TRUE;
}

bool isTopLevelDialog(HWND window) {
    char className[8] = {};
    return !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD) &&
           GetClassNameA(window, className, sizeof className) &&
           std::strcmp(className, "#32770") == 0;
}

void enableAgain(BoxWatch& watch) {
    watch.boxHadForeground = GetForegroundWindow() == watch.box;
    for (HWND window : watch.disabledByBox) {
        if (IsWindow(window) && !IsWindowEnabled(window)) {
            EnableWindow(window, TRUE);
        }
    }
    watch.disabledByBox.clear();
}

// Sees every message sent to a window of the thread before that window does.
// The box is the first dialog of the thread set up (WM_INITDIALOG) after it
// was asked for.
LRESULT CALLBACK watchBox(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    BoxWatch* watch = watching;
    if (code == HC_ACTION && watch) {
        if (!watch->box && sent->message == WM_INITDIALOG && isTopLevelDialog(sent->hwnd)) {
            watch->box = sent->hwnd;
        } else if (sent->hwnd == watch->box && !watch->disabledByBox.empty() &&
                   ((sent->message == WM_WINDOWPOSCHANGING &&
                     (reinterpret_cast<const WINDOWPOS*>(sent->lParam)->flags & SWP_HIDEWINDOW)) ||
                    sent->message == WM_DESTROY)) {
            enableAgain(*watch);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool isOwnLiveWindow(HWND window) {
    return window && IsWindow(window) &&
           GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() &&
           IsWindowEnabled(window) && IsWindowVisible(window);
}

// Only where the user was in this program when the box went: a box ended
// from elsewhere takes the foreground from no one.
void takeActivationBack(const BoxWatch& watch, HWND active, HWND focus) {
    if (!watch.boxHadForeground || !isOwnLiveWindow(active)) {
        return;
    }
    if (GetForegroundWindow() != active) {
        SetForegroundWindow(active);
    }
    if (focus && GetFocus() != focus && GetForegroundWindow() == active && IsWindow(focus) &&
        IsChild(active, focus) && IsWindowEnabled(focus)) {
        SetFocus(focus);
    }
}

}  // namespace

int showMessage(const std::string& text, const std::string& title, std::uint32_t style) {
    Sleep(5);
    const HWND active = GetActiveWindow();
    const HWND focus = GetFocus();
    BoxWatch watch;
    EnumThreadWindows(GetCurrentThreadId(), noteEnabled,
                      reinterpret_cast<LPARAM>(&watch.disabledByBox));
    BoxWatch* const outer = watching;
    watching = &watch;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, watchBox, nullptr, GetCurrentThreadId());
    const int pressed = MessageBoxA(nullptr, text.c_str(), title.c_str(), style);
    if (hook) {
        UnhookWindowsHookEx(hook);
    }
    watching = outer;
    takeActivationBack(watch, active, focus);
    return pressed;
}
