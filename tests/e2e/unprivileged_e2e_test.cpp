// Files and folders that cannot be written, on the real brimlock.exe. A user
// who writes to read-only files and folders all the same (Wine run as root)
// gets them skipped; scripts/wine-tests runs them as an unprivileged user.
#include <windows.h>

#include <gtest/gtest.h>
#include <sddl.h>

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
        if (probe != INVALID_HANDLE_VALUE) {
            GTEST_SKIP() << "this user writes to read-only files (as Wine run as root does): "
                            "run these tests as an unprivileged user";
        }
    }

    // A folder that takes no new file: the one scripts/wine-tests prepared,
    // named in the variable, or else this test's own, whose access list then
    // denies this user new files and folders in it: no attribute can, and the
    // entry binds an administrator too. The files already in it stay writable.
    std::string lockedFolder(const char* variable) {
        if (const char* given = std::getenv(variable)) {
            return given;
        }
        return denyNewFiles(folder.path()) ? folder.path() : std::string();
    }

    // Everyone, this user and an administrator included, is denied new files
    // and folders in this folder only; everything else is allowed.
    static bool denyNewFiles(const std::string& path) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(
                "D:(D;;0x6;;;WD)(A;OICI;FA;;;WD)", SDDL_REVISION_1, &descriptor, nullptr)) {
            return false;
        }
        const bool done = SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, descriptor);
        LocalFree(descriptor);
        return done;
    }

    // Whether the platform lets this user add a file there all the same.
    static bool takesNewFiles(const std::string& path) {
        const std::string probe = path + "\\probe";
        HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        CloseHandle(file);
        DeleteFileA(probe.c_str());
        return true;
    }

    void TearDown() override {
        SetFileAttributesA(folder.file("brimlock.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    }
};

// One varn.
const std::string LIST = uniqueCaption("Setup Wizard") + "\nunchanged by the program\r";
const std::string TWO_VARNS =
    uniqueCaption("Setup Wizard") + "\r\n" + uniqueCaption("Tip of the Day") + "\r\n";

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
        std::string left;
    } cases[] = {
        {"Cancel", IDCANCEL, TWO_VARNS},
        {"made writable, then Retry", IDRETRY, uniqueCaption("Tip of the Day") + "\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeWholeFile(folder.file("brimlock.ini"), TWO_VARNS));
        SetFileAttributesA(folder.file("brimlock.ini").c_str(), FILE_ATTRIBUTE_READONLY);
        start();
        SendMessageA(control(555), LB_SETCURSEL, 0, 0);  // "Setup Wizard <id>"
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

const char* const NEW_FILES_TAKEN =
    "this user adds files to a folder whose access list denies it (as Wine does)";

// The list file can be written but the folder takes no new file: the list
// is written in place.
TEST_F(UnprivilegedE2eTest, AFolderThatTakesNoNewFileGetsTheListWrittenInPlace) {
    ASSERT_TRUE(writeWholeFile(folder.file("brimlock.ini"), LIST));  // there before the lock
    const std::string locked = lockedFolder("BRIMLOCK_LOCKED_LIST_FOLDER");
    ASSERT_FALSE(locked.empty());
    if (takesNewFiles(locked)) {
        GTEST_SKIP() << NEW_FILES_TAKEN;
    }
    const std::string list = locked + "\\brimlock.ini";
    ASSERT_TRUE(writeWholeFile(list, LIST));
    ASSERT_TRUE(brimlock.start(locked));
    ASSERT_TRUE(brimlock.closeAndWait());
    EXPECT_EQ(0u, brimlock.exitCode());
    EXPECT_EQ(LIST + "\n", readWholeFile(list));
}

TEST_F(UnprivilegedE2eTest, AFolderWhereNothingCanBeWritten) {
    const std::string locked = lockedFolder("BRIMLOCK_LOCKED_FOLDER");
    ASSERT_FALSE(locked.empty());
    if (takesNewFiles(locked)) {
        GTEST_SKIP() << NEW_FILES_TAKEN;
    }
    ASSERT_TRUE(brimlock.start(locked));
    window = brimlock.waitForMainWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(0, SendMessageA(control(555), LB_GETCOUNT, 0, 0));

    // A varn typed into the picker, then the exit: nowhere to keep it.
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(444, BN_CLICKED), 0);
    HWND picker = waitForDialog(brimlock.processId(), "Enter New varn");
    ASSERT_NE(nullptr, picker);
    setTextOf(GetDlgItem(picker, 777), uniqueCaption("Setup Wizard"));
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
