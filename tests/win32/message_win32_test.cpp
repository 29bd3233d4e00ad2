#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "ui/ui.h"
#include "win32/dialog_test_support.h"

namespace {

HWND underTheBox = nullptr;
bool enabledAsTheBoxWent = false;

// Set before the service's own hook, so called after it.
LRESULT CALLBACK noteTheBoxGoing(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message == WM_WINDOWPOSCHANGING && textOf(sent->hwnd) == "Add varn" &&
        (reinterpret_cast<const WINDOWPOS*>(sent->lParam)->flags & SWP_HIDEWINDOW)) {
        enabledAsTheBoxWent = IsWindowEnabled(underTheBox) != FALSE;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A task-modal message box disables the dialog under it, yet that dialog's
// timer keeps ticking; the test dismisses the box as a person would. Windows
// hides the box before it destroys it and activates the next enabled window,
// another program's while the dialog is disabled: the dialog is enabled by
// then, and has the keyboard back where it had it.
TEST(ShowMessage, ShowsTheTextWithoutOwnerWhileTimersTickAndGivesTheKeyboardBack) {
    ModalWatchdog watchdog;
    foregroundRefused = false;
    std::atomic<bool> tickedWhileOpen(false);
    std::atomic<bool> mainDisabledWhileOpen(false);
    std::atomic<bool> ownerless(false);
    std::string text;
    int pressed = 0;
    bool mainEnabledAfter = false;
    HWND button = nullptr, focusAfter = nullptr, activeAfter = nullptr;
    runTickingDialog(
        [&](TickingDialog& main) {
            underTheBox = windowOf(main.dialog);
            addControl(main.dialog, ControlKind::PushButton, 5, "", 5, 5, 60, 14, 0, 0, nullptr,
                       nullptr);
            button = GetDlgItem(underTheBox, 5);
            takeTheForeground(underTheBox);
            SetFocus(button);
            HHOOK hook =
                SetWindowsHookExA(WH_CALLWNDPROC, noteTheBoxGoing, nullptr, GetCurrentThreadId());
            pressed = showMessage("The varn list is full.", "Add varn",
                                  MB_OK | MB_ICONHAND | MB_TASKMODAL);
            UnhookWindowsHookEx(hook);
            mainEnabledAfter = IsWindowEnabled(windowOf(main.dialog)) != FALSE;
            activeAfter = GetActiveWindow();
            focusAfter = GetFocus();
        },
        [&](TickingDialog& main) {
            HWND box = findDialogByTitle("Add varn");
            if (box) {
                text = messageBoxText(box);
                ownerless = GetWindow(box, GW_OWNER) == nullptr;
                mainDisabledWhileOpen = IsWindowEnabled(windowOf(main.dialog)) == FALSE;
                tickedWhileOpen = main.keepsTicking();
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
        });
    EXPECT_EQ("The varn list is full.", text);
    EXPECT_TRUE(ownerless);
    EXPECT_TRUE(mainDisabledWhileOpen);
    EXPECT_TRUE(tickedWhileOpen);
    EXPECT_EQ(IDOK, pressed);
    EXPECT_TRUE(mainEnabledAfter);
    EXPECT_TRUE(enabledAsTheBoxWent);
    EXPECT_FALSE(watchdog.fired());
    if (foregroundRefused) {
        GTEST_SKIP() << FOREGROUND_REFUSED;
    }
    EXPECT_EQ(underTheBox, activeAfter);
    EXPECT_EQ(button, focusAfter);
}

}  // namespace
