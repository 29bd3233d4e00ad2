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

const char* const LIST = "Setup Wizard\nunchanged by the program\r";

TEST_F(UnprivilegedE2eTest, AReadOnlyListFileIsKeptAsItWas) {
    ASSERT_TRUE(writeWholeFile(folder.file("brimlock.ini"), LIST));
    SetFileAttributesA(folder.file("brimlock.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    start();
    ASSERT_TRUE(brimlock.closeAndWait());
    EXPECT_EQ(0u, brimlock.exitCode());
    EXPECT_EQ(LIST, readWholeFile(folder.file("brimlock.ini")));
    EXPECT_EQ("<missing>", readWholeFile(folder.file("brimlock.ini.tmp")));
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
    ASSERT_TRUE(brimlock.closeAndWait());
    EXPECT_EQ(0u, brimlock.exitCode());
    EXPECT_EQ("<missing>", readWholeFile(locked + "\\brimlock.ini"));
}

}  // namespace
