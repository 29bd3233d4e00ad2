#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "ui/ui.h"
#include "win32/dialog_test_support.h"

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

}  // namespace
