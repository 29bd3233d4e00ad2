#include <windows.h>

#include <gtest/gtest.h>

// <windows.h> names a cursor IDC_HELP; here it is the help button's id.
#undef IDC_HELP
#include "app/main_controls.h"
#include "e2e/brimlock_e2e_fixture.h"
#include "list/picker.h"
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
    const std::string zeta = uniqueCaption("Zeta");
    const std::string alpha = "  " + uniqueCaption("alpha") + " ";
    const std::string beta = uniqueCaption("beta") + "\nline";
    ASSERT_TRUE(writeWholeFile(folder.file("brimlock.ini"),
                               zeta + "\r\n   \r\n\r\n" + alpha + "\r" + beta + "\x1Agone\r\n"));
    EXPECT_EQ(0u, runToTheEnd(folder, "/ignored --options"));
    EXPECT_EQ(zeta + "\r\n" + alpha + "\r\n" + beta + "\r\n",
              readWholeFile(folder.file("brimlock.ini")));
    EXPECT_FALSE(fileExists(folder.file("brimlock.ini.tmp")));
}

using SessionEndE2eTest = BrimlockE2eTest;

// Windows asks every program whether the session may end, tells it that it
// ends, and then ends the process without closing its windows.
TEST_F(SessionEndE2eTest, LogOffIsNeverHeldUpAndTheListIsSavedBeforeTheProcessEnds) {
    const std::string zeta = uniqueCaption("Zeta");
    const std::string line = uniqueCaption("line") + "\nx";
    const std::string original = zeta + "\r" + line + "\r\n  \r\n";
    startWith(original);
    DWORD_PTR answer = 0;
    ASSERT_NE(0, SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                     SMTO_ABORTIFHUNG, 5000, &answer));
    EXPECT_EQ(static_cast<DWORD_PTR>(TRUE), answer);
    EXPECT_EQ(original, readWholeFile(folder.file("brimlock.ini")));
    ASSERT_NE(0, SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                     SMTO_ABORTIFHUNG, 5000, &answer));
    brimlock.end();
    EXPECT_EQ(zeta + "\r\n" + line + "\r\n", readWholeFile(folder.file("brimlock.ini")));
    EXPECT_FALSE(fileExists(folder.file("brimlock.ini.tmp")));
}

// The main window closed under a picker saves nothing until that picker has
// closed too; if the session ends first, the picker is what Windows tells.
TEST_F(SessionEndE2eTest, APickerLeftOpenAfterTheMainWindowSavesTheListWhenTheSessionEnds) {
    const std::string alpha = uniqueCaption("alpha");
    const std::string disc = uniqueCaption("disc autoplay");
    startWith(alpha + "\r\n");
    click(IDC_ADD_VARN);
    HWND remaining = waitForDialog(brimlock.processId(), "Enter New varn");
    ASSERT_NE(nullptr, remaining);
    click(IDC_ADD_VARN);  // the main window stays usable under the picker
    HWND adding = waitForDialog(brimlock.processId(), "Enter New varn", 5000, remaining);
    ASSERT_NE(nullptr, adding);
    setTextOf(GetDlgItem(adding, IDC_PICK_CAPTION), disc);
    PostMessageA(adding, WM_COMMAND, MAKEWPARAM(IDC_PICK_ADD, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(adding, IDC_PICK_ADD)));
    HWND added = waitForDialog(brimlock.processId(), "Added");
    ASSERT_NE(nullptr, added);
    PostMessageA(added, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(adding); }, 5000));

    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(window); }, 5000));
    EXPECT_EQ(alpha + "\r\n", readWholeFile(folder.file("brimlock.ini")));
    DWORD_PTR answer = 0;
    ASSERT_NE(0, SendMessageTimeoutA(remaining, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                     SMTO_ABORTIFHUNG, 5000, &answer));
    EXPECT_EQ(static_cast<DWORD_PTR>(TRUE), answer);
    ASSERT_NE(0, SendMessageTimeoutA(remaining, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                     SMTO_ABORTIFHUNG, 5000, &answer));
    brimlock.end();
    EXPECT_EQ(alpha + "\r\n" + disc + "\r\n", readWholeFile(folder.file("brimlock.ini")));
}

using ShiftStartE2eTest = BrimlockE2eTest;

// Held Shift at the start: the way back from a varn that matches the
// program's own caption, which a normal start would sweep about 0.1 s in.
TEST_F(ShiftStartE2eTest, LeavesItOffUntilSwitchedOnSoThatTheVarnCanBeRemoved) {
    if (anotherBrimlockRuns()) {
        GTEST_SKIP() << ANOTHER_BRIMLOCK;
    }
    ASSERT_TRUE(writeWholeFile(folder.file("brimlock.ini"), "Brimlock\r\n"));
    keybd_event(VK_SHIFT, 0, 0, 0);
    const bool started = brimlock.start(folder.path());
    window = started ? brimlock.waitForMainWindow() : nullptr;
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    ASSERT_NE(nullptr, window);
    HWND activate = control(IDC_ACTIVATE);
    EXPECT_EQ("Activate", textOf(activate));
    Sleep(1500);  // many ticks' worth: none sweeps
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ("Activate", textOf(activate));

    SendMessageA(control(IDC_VARN_LIST), LB_SETCURSEL, 0, 0);
    click(IDC_REMOVE_VARN);
    ASSERT_TRUE(waitUntil([&] { return listBoxRows(control(IDC_VARN_LIST)).empty(); }, 3000));
    click(IDC_ACTIVATE);
    EXPECT_TRUE(waitForSweep());
    ASSERT_TRUE(brimlock.closeAndWait());
    EXPECT_EQ("", readWholeFile(folder.file("brimlock.ini")));
}

}  // namespace
