#include <windows.h>

#include <gtest/gtest.h>

#include "e2e/brimlock_e2e_fixture.h"
#include "support/test_process_win32.h"
#include "support/temp_folder_win32.h"

namespace {

// Runs brimlock.exe in the folder and ends it as a user would: it ends by
// itself while it has no window, otherwise through the close command.
DWORD runToTheEnd(const TempFolder& folder, const std::string& arguments = "") {
    BrimlockProcess brimlock;
    EXPECT_TRUE(brimlock.start(folder.path(), arguments));
    if (!brimlock.waitForExit(1500)) {
        EXPECT_TRUE(brimlock.closeAndWait());
    }
    return brimlock.exitCode();
}

TEST(StartupE2eTest, EmptyFolderGetsAnEmptyListFileAndExitCodeZero) {
    TempFolder folder;
    EXPECT_EQ(0u, runToTheEnd(folder));
    ASSERT_TRUE(fileExists(folder.file("brimlock.ini")));
    EXPECT_EQ("", readWholeFile(folder.file("brimlock.ini")));
}

TEST(StartupE2eTest, ExistingListIsRewrittenInTheWrittenForm) {
    TempFolder folder;
    ASSERT_TRUE(writeWholeFile(folder.file("brimlock.ini"),
                               "Zeta\r\n   \r\n\r\n  alpha \rbeta\nline\x1Agone\r\n"));
    EXPECT_EQ(0u, runToTheEnd(folder, "/ignored --options"));
    EXPECT_EQ("Zeta\r\n  alpha \r\nbeta\nline\r\n", readWholeFile(folder.file("brimlock.ini")));
    EXPECT_FALSE(fileExists(folder.file("brimlock.ini.tmp")));
}

using SessionEndE2eTest = BrimlockE2eTest;

// Windows asks every program whether the session may end, tells it that it
// ends, and then ends the process without closing its windows.
TEST_F(SessionEndE2eTest, LogOffIsNeverHeldUpAndTheListIsSavedBeforeTheProcessEnds) {
    const std::string original = "Zeta\rline\nx\r\n  \r\n";
    startWith(original);
    DWORD_PTR answer = 0;
    ASSERT_NE(0, SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                     SMTO_ABORTIFHUNG, 5000, &answer));
    EXPECT_EQ(static_cast<DWORD_PTR>(TRUE), answer);
    EXPECT_EQ(original, readWholeFile(folder.file("brimlock.ini")));
    ASSERT_NE(0, SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                     SMTO_ABORTIFHUNG, 5000, &answer));
    brimlock.end();
    EXPECT_EQ("Zeta\r\nline\nx\r\n", readWholeFile(folder.file("brimlock.ini")));
    EXPECT_FALSE(fileExists(folder.file("brimlock.ini.tmp")));
}

using ShiftStartE2eTest = BrimlockE2eTest;

// Held Shift at the start: the way back from a varn that matches the
// program's own caption, which a normal start would sweep about 0.1 s in.
TEST_F(ShiftStartE2eTest, LeavesItOffUntilSwitchedOnSoThatTheVarnCanBeRemoved) {
    ASSERT_TRUE(writeWholeFile(folder.file("brimlock.ini"), "Brimlock\r\n"));
    keybd_event(VK_SHIFT, 0, 0, 0);
    const bool started = brimlock.start(folder.path());
    window = started ? brimlock.waitForMainWindow() : nullptr;
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    ASSERT_NE(nullptr, window);
    HWND activate = GetDlgItem(window, 339);
    EXPECT_EQ("Activate", textOf(activate));
    Sleep(1500);  // many ticks' worth: none sweeps
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ("Activate", textOf(activate));

    SendMessageA(GetDlgItem(window, 555), LB_SETCURSEL, 0, 0);
    click(454);  // Remove varn
    ASSERT_TRUE(waitUntil([&] { return listBoxRows(GetDlgItem(window, 555)).empty(); }, 3000));
    click(339);
    EXPECT_TRUE(waitForSweep());
    ASSERT_TRUE(brimlock.closeAndWait());
    EXPECT_EQ("", readWholeFile(folder.file("brimlock.ini")));
}

}  // namespace
