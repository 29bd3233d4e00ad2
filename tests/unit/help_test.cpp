#include "help/help.h"

#include <gtest/gtest.h>

#include "unit/main_window_harness.h"

namespace {

using HelpTest = MainWindowFixture;

TEST_F(HelpTest, OneTaskModalInformationMessageWithTheWholeText) {
    whileMainWindowOpen([] {
        EXPECT_TRUE(click(IDC_HELP));
        EXPECT_TRUE(click(IDC_HELP));  // assembled anew each time
    });
    ASSERT_EQ(2u, fakeui::messages().size());
    EXPECT_EQ("Help / About", fakeui::messages()[0].title);
    EXPECT_EQ(0x2040u, fakeui::messages()[0].style);
    EXPECT_EQ(fakeui::messages()[0].text, fakeui::messages()[1].text);

    const std::string expected =
        "Brimlock\r\rCopyright (C) 2026 The Brimlock developers\r\r"
        "Here is a small application which simply sends close commands to other application "
        "Windows.  This may be useful in some instances.  For example, when inserting a DVD a "
        "program may auto-start.  This program can then close this program as soon as it rears "
        "it's ugly head.\r\r"
        "Brimlock is configurable to learn specific windows you want blocked.  These windows are "
        "refered to as \"Varns\".  Just run (or allow to run) a Window you want blocked, click "
        "\"Add new varn\", and then select that window from the resulting list.  You may also "
        "enter the beginning text of the Window caption in lieu of the complete text.\r\r"
        "This application should be fairly self-explanatory, but one Caveat.  Be careful not a "
        "add \"Brimlock\" as a varn, or the program will force itself closed.\r\r"
        "Luckily, if this happens, you can restart and click the countdown button to deactivate, "
        "then remove that varn.  These directions are far more difficult to understand than the "
        "program, so enjoy.\r\r"
        "Version 1.00\r\r\r-The Brimlock developers\rbrimlock@example.org";
    EXPECT_EQ(expected, fakeui::messages()[0].text);
}

}  // namespace
