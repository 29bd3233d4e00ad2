#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "ui/ui.h"
#include "win32/dialog_test_support.h"
#include "win32/test_windows.h"

namespace {

// A task-modal message box disables the dialog under it, yet that dialog's
// timer keeps ticking; the test dismisses the box as a person would.
TEST(ShowMessage, ShowsTheTextWithoutOwnerWhileTimersTick) {
    ModalWatchdog watchdog;
    std::atomic<bool> tickedWhileOpen(false);
    std::atomic<bool> mainDisabledWhileOpen(false);
    std::atomic<bool> ownerless(false);
    std::string text;
    int pressed = 0;
    bool mainEnabledAfter = false;
    runTickingDialog(
        [&](TickingDialog& main) {
            pressed = showMessage("The varn list is full.", "Add varn",
                                  MB_OK | MB_ICONHAND | MB_TASKMODAL);
            mainEnabledAfter = IsWindowEnabled(windowOf(main.dialog)) != FALSE;
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
    EXPECT_FALSE(watchdog.fired());
}

HWND underTheBox = nullptr;
bool enabledAsTheBoxWent = false;

// Called after the service's own hook, which was set later.
LRESULT CALLBACK noteTheBoxGoing(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_WINDOWPOSCHANGING &&
        (reinterpret_cast<const WINDOWPOS*>(sent->lParam)->flags & SWP_HIDEWINDOW) &&
        textOf(sent->hwnd) == "Added") {
        enabledAsTheBoxWent = IsWindowEnabled(underTheBox) != FALSE;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Another program's window lies under the dialog (here another thread's, which
// the box leaves enabled). Windows hides the box before it destroys it and
// activates the next enabled window: the dialog, only if it is enabled again
// by then. Afterwards it is active, with the focus where it was.
TEST(ShowMessage, EnablesWhatItDisabledBeforeItGoesAndGivesTheKeyboardBack) {
    ModalWatchdog watchdog;
    std::atomic<bool> shown(false), done(false);
    std::thread otherProgram([&shown, &done] {
        testwin::OwnWindow other(testwin::uniqueCaption("other program"));
        shown = true;
        pumpUntil([&done] { return done.load(); });
    });
    waitUntil([&shown] { return shown.load(); });  // under the dialog, which comes later
    foregroundRefused = false;
    HWND activeAfter = nullptr, focusAfter = nullptr, focusBefore = nullptr;
    resetHandlerSlots();
    const WindowHandle dialog = newDialog(0, "under the box", -1, -1, 160, 100, WS_SYSMENU, 0);
    underTheBox = windowOf(dialog);
    for (int id : {10, 11}) {
        addControl(dialog, ControlKind::PushButton, id, "button", 10, id == 10 ? 5 : 25, 60, 14, 0,
                   0, nullptr, nullptr);
    }
    handlerSlot(0).script = [&](WindowHandle d, unsigned message, MessageWParam, MessageLParam) {
        if (message == WM_APP && takeTheForeground(underTheBox)) {
            focusBefore = GetDlgItem(underTheBox, 11);
            SendMessageA(underTheBox, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focusBefore), TRUE);
            HHOOK hook =
                SetWindowsHookExA(WH_CALLWNDPROC, noteTheBoxGoing, nullptr, GetCurrentThreadId());
            std::thread user([] { PostMessageA(findDialogByTitle("Added"), WM_COMMAND, IDOK, 0); });
            showMessage("Added.", "Added", MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
            user.join();
            UnhookWindowsHookEx(hook);
            pumpUntil([] { return GetActiveWindow() == underTheBox; }, 1000);
            activeAfter = GetActiveWindow();
            focusAfter = GetFocus();
        }
        if (message == WM_APP) {
            endDialog(d, 0);
        }
        return 0;
    };
    PostMessageA(windowOf(dialog), WM_APP, 0, 0);
    showModal(dialog, scriptedHandler<0>, nullptr);
    done = true;
    otherProgram.join();
    if (foregroundRefused) {
        GTEST_SKIP() << FOREGROUND_REFUSED;
    }
    EXPECT_TRUE(enabledAsTheBoxWent);
    EXPECT_EQ(underTheBox, activeAfter);
    EXPECT_EQ(focusBefore, focusAfter);
    EXPECT_FALSE(watchdog.fired());
}

}  // namespace
