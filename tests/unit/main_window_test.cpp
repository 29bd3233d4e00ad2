// What the end-to-end tests cannot read from outside the process: the big
// icon, the extended style, the timer's id and period. The rest of the main
// window is checked on the real one in tests/e2e.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include "app/main_dialog.h"
#include "fakes/win_constants_fake.h"
#include "unit/main_window_harness.h"

namespace {

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, IconExtendedStyleAndTheDelayAtCreation) {
    delaySeconds = 2.5f;
    whileMainWindowOpen([] {});
    const fakeui::Dialog* window = fakeui::findDialog(mainDialog);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ("brimlock.exe", window->bigIconModule);
    EXPECT_EQ("AAA", window->bigIconName);
    EXPECT_EQ(0u, window->extendedStyle);
    EXPECT_EQ(1u, fakeui::dialogHandles().size());
    EXPECT_EQ("Delay: 2.5", textLeftIn(IDC_DELAY));
}

TEST_F(MainWindowTest, TimerLivesFromInitDialogToDestroy) {
    whileMainWindowOpen(
        [] { EXPECT_EQ(100u, fakeui::findDialog(mainDialog)->timers.at(IDT_COUNTDOWN)); });
    const std::string window = std::to_string(mainDialog);
    EXPECT_LT(fakeui::firstCall("WM_INITDIALOG " + window),
              fakeui::firstCall("setTimer " + window + " 1331 100"));
    EXPECT_LT(fakeui::firstCall("WM_DESTROY " + window),
              fakeui::firstCall("killTimer " + window + " 1331"));
    EXPECT_LT(fakeui::firstCall("killTimer " + window),
              fakeui::firstCall("WM_NCDESTROY " + window));
    EXPECT_EQ(1u, fakeui::countCalls("setTimer"));
    EXPECT_EQ(1u, fakeui::countCalls("killTimer"));
}

}  // namespace
