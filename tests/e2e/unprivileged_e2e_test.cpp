// Files and folders that cannot be written, on the real brimlock.exe. Run as
// an unprivileged user (scripts/wine-tests): Wine run as root writes to
// read-only files and folders all the same.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "e2e/brimlock_e2e_fixture.h"

namespace {

class UnprivilegedE2eTest : public BrimlockE2eTest {
  protected:
    void SetUp() override {
        // A read-only file this user can still write would make every check
        // below pass for the wrong reason.
        ASSERT_TRUE(writeWholeFile(folder.file("probe"), "x"));
        SetFileAttributesA(folder.file("probe").c_str(), FILE_ATTRIBUTE_READONLY);
        HANDLE probe = CreateFileA(folder.file("probe").c_str(), GENERIC_WRITE, 0, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (probe != INVALID_HANDLE_VALUE) {
            CloseHandle(probe);
        }
        SetFileAttributesA(folder.file("probe").c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(folder.file("probe").c_str());
        ASSERT_EQ(INVALID_HANDLE_VALUE, probe) << "run these tests as an unprivileged user";
    }

    void TearDown() override {
        SetFileAttributesA(folder.file("brimlock.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    }
};

const char* const LIST = "Setup Wizard\nunchanged by the program\r";  // one varn
const char* const TWO_VARNS = "Setup Wizard\r\nTip of the Day\r\n";

TEST_F(UnprivilegedE2eTest, AReadOnlyListFileIsKeptAsItWas) {
    ASSERT_TRUE(writeWholeFile(folder.file("brimlock.ini"), LIST));
    SetFileAttributesA(folder.file("brimlock.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    start();
    ASSERT_TRUE(brimlock.closeAndWait());
    EXPECT_EQ(0u, brimlock.exitCode());
    EXPECT_EQ(LIST, readWholeFile(folder.file("brimlock.ini")));
    EXPECT_EQ("<missing>", readWholeFile(folder.file("brimlock.ini.tmp")));
}

// A varn removed from a read-only list: at exit the user hears why it cannot
// be saved, and chooses.
TEST_F(UnprivilegedE2eTest, AChangedReadOnlyListAsksRetryOrCancelAtExit) {
    const struct {
        const char* what;
        int button;
        const char* left;
    } cases[] = {
        {"Cancel", IDCANCEL, TWO_VARNS},
        {"made writable, then Retry", IDRETRY, "Tip of the Day\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeWholeFile(folder.file("brimlock.ini"), TWO_VARNS));
        SetFileAttributesA(folder.file("brimlock.ini").c_str(), FILE_ATTRIBUTE_READONLY);
        start();
        SendMessageA(control(555), LB_SETCURSEL, 0, 0);  // "Setup Wizard"
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(454, BN_CLICKED), 0);
        ASSERT_TRUE(waitUntil([&] { return SendMessageA(control(555), LB_GETCOUNT, 0, 0) == 1; }));
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        HWND box = waitForDialog(brimlock.processId(), "Brimlock");
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(
            "The list of varns could not be saved to brimlock.ini: the file is read-only.\n\n"
            "Retry saves again. Cancel ends Brimlock without saving, and the varns added, edited "
            "or removed since it started are lost.",
            messageBoxText(box));
        if (c.button == IDRETRY) {
            SetFileAttributesA(folder.file("brimlock.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        PostMessageA(box, WM_COMMAND, c.button, 0);
        ASSERT_TRUE(brimlock.waitForExit());
        EXPECT_EQ(0u, brimlock.exitCode());
        EXPECT_EQ(c.left, readWholeFile(folder.file("brimlock.ini")));
        SetFileAttributesA(folder.file("brimlock.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// A folder prepared by scripts/wine-tests, named in an environment
// variable: Windows' attributes cannot make a folder refuse new files.
std::string lockedFolder(const char* variable) {
    const char* path = std::getenv(variable);
    return path == nullptr ? std::string() : path;
}

// The list file can be written but the folder takes no new file: the list
// is written in place.
TEST_F(UnprivilegedE2eTest, AFolderThatTakesNoNewFileGetsTheListWrittenInPlace) {
    const std::string locked = lockedFolder("BRIMLOCK_LOCKED_LIST_FOLDER");
    ASSERT_FALSE(locked.empty());
    const std::string list = locked + "\\brimlock.ini";
    ASSERT_TRUE(writeWholeFile(list, LIST));
    ASSERT_TRUE(brimlock.start(locked));
    ASSERT_TRUE(brimlock.closeAndWait());
    EXPECT_EQ(0u, brimlock.exitCode());
    EXPECT_EQ("Setup Wizard\nunchanged by the program\r\n", readWholeFile(list));
}

TEST_F(UnprivilegedE2eTest, AFolderWhereNothingCanBeWritten) {
    const std::string locked = lockedFolder("BRIMLOCK_LOCKED_FOLDER");
    ASSERT_FALSE(locked.empty());
    ASSERT_TRUE(brimlock.start(locked));
    window = brimlock.waitForMainWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(0, SendMessageA(control(555), LB_GETCOUNT, 0, 0));

    // A varn typed into the picker, then the exit: nowhere to keep it.
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(444, BN_CLICKED), 0);
    HWND picker = waitForDialog(brimlock.processId(), "Enter New varn");
    ASSERT_NE(nullptr, picker);
    setTextOf(GetDlgItem(picker, 777), "Setup Wizard");
    PostMessageA(picker, WM_COMMAND, MAKEWPARAM(401, BN_CLICKED), 0);
    HWND added = waitForDialog(brimlock.processId(), "Added");
    ASSERT_NE(nullptr, added);
    PostMessageA(added, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(picker); }));
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    HWND box = waitForDialog(brimlock.processId(), "Brimlock");
    ASSERT_NE(nullptr, box);
    EXPECT_NE(std::string::npos,
              messageBoxText(box).find(
                  "brimlock.ini: it could not be created in this folder: access was denied"));
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(brimlock.waitForExit());
    EXPECT_EQ(0u, brimlock.exitCode());
    EXPECT_EQ("<missing>", readWholeFile(locked + "\\brimlock.ini"));
}

}  // namespace
