#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/state.h"
#include "list/list_file.h"
#include "list/varn_list.h"
#include "platform/files.h"
#include "support/temp_folder_win32.h"

namespace {

class ListFileOnDiskTest : public ::testing::Test {
  protected:
    void SetUp() override { resetProgramState(); }

    TempFolder folder;
};

TEST_F(ListFileOnDiskTest, ReadOnlyFileIsLoadedAndKept) {
    ASSERT_TRUE(writeWholeFile("brimlock.ini", "old\r\n"));
    ASSERT_TRUE(SetFileAttributesA("brimlock.ini", FILE_ATTRIBUTE_READONLY));
    loadVarnList();
    ASSERT_EQ(1, varnCount);
    EXPECT_EQ("old", varnList[1]);
    varnList[++varnCount] = "new";
    saveVarnList();
    EXPECT_EQ("old\r\n", readWholeFile("brimlock.ini"));
    EXPECT_FALSE(fileExists("brimlock.ini.tmp"));
    EXPECT_NE(0u, GetFileAttributesA("brimlock.ini") & FILE_ATTRIBUTE_READONLY);
}

// The new list is written beside the old one and put in its place: the file
// keeps what the user set on it.
TEST_F(ListFileOnDiskTest, AHiddenListFileStaysHiddenAfterASaveThatChangedIt) {
    const DWORD attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(writeWholeFile("brimlock.ini", "a\r\n\r\nb"));
    ASSERT_TRUE(SetFileAttributesA("brimlock.ini", attributes));
    loadVarnList();
    EXPECT_EQ(SaveResult::Saved, saveVarnList());
    EXPECT_EQ("a\r\nb\r\n", readWholeFile("brimlock.ini"));
    EXPECT_EQ(attributes, GetFileAttributesA("brimlock.ini"));
}

TEST_F(ListFileOnDiskTest, LoadsWhileAnotherProgramHasTheFileOpenForWriting) {
    ASSERT_TRUE(writeWholeFile("brimlock.ini", "shared\r\n"));
    HANDLE other = CreateFileA("brimlock.ini", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    loadVarnList();
    CloseHandle(other);
    ASSERT_EQ(1, varnCount);
    EXPECT_EQ("shared", varnList[1]);
}

TEST_F(ListFileOnDiskTest, AFileHeldWithoutSharingIsNeitherReadNorOverwritten) {
    ASSERT_TRUE(writeWholeFile("brimlock.ini", "held\r\n"));
    HANDLE other = CreateFileA("brimlock.ini", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    loadVarnList();
    EXPECT_EQ(0, varnCount);
    saveVarnList();  // still held: the open for writing fails
    CloseHandle(other);
    saveVarnList();  // released, but the list in memory never was the file's
    EXPECT_EQ("held\r\n", readWholeFile("brimlock.ini"));
}

TEST(FilesWin32Test, WriteOpenSharesNothing) {
    TempFolder folder;
    FileHandle held = openFile("list.txt", FileOpenMode::Write);
    ASSERT_NE(INVALID_FILE, held);
    EXPECT_EQ(INVALID_FILE, openFile("list.txt", FileOpenMode::Read));
    EXPECT_EQ(INVALID_FILE, openFile("list.txt", FileOpenMode::EnsureExists));
    closeFile(held);
    FileHandle reader = openFile("list.txt", FileOpenMode::Read);
    EXPECT_NE(INVALID_FILE, reader);
    closeFile(reader);
}

TEST(FilesWin32Test, ReadOpenDoesNotCreateAndEnsureDoesNotTruncate) {
    TempFolder folder;
    EXPECT_EQ(INVALID_FILE, openFile("absent.txt", FileOpenMode::Read));
    EXPECT_FALSE(fileExists("absent.txt"));
    ASSERT_TRUE(writeWholeFile("present.txt", "abc"));
    FileHandle file = openFile("present.txt", FileOpenMode::EnsureExists);
    ASSERT_NE(INVALID_FILE, file);
    closeFile(file);
    EXPECT_EQ("abc", readWholeFile("present.txt"));
}

// The write open reads as well: writing in place keeps the old bytes first.
TEST(FilesWin32Test, WriteCutAndReadBack) {
    TempFolder folder;
    ASSERT_TRUE(writeWholeFile("f.txt", "0123456789"));
    FileHandle file = openFile("f.txt", FileOpenMode::Write);
    ASSERT_NE(INVALID_FILE, file);
    char old[16];
    std::size_t oldSize = 0;
    EXPECT_TRUE(readFile(file, old, sizeof old, &oldSize));
    EXPECT_EQ("0123456789", std::string(old, oldSize));
    EXPECT_TRUE(moveToStart(file));
    EXPECT_TRUE(cutFile(file));
    std::size_t written = 0;
    EXPECT_TRUE(writeFile(file, "xy", 2, &written));
    EXPECT_EQ(2u, written);
    closeFile(file);
    file = openFile("f.txt", FileOpenMode::Read);
    char buffer[16];
    std::size_t got = 0;
    EXPECT_TRUE(readFile(file, buffer, sizeof buffer, &got));
    EXPECT_EQ("xy", std::string(buffer, got));
    EXPECT_TRUE(readFile(file, buffer, sizeof buffer, &got));
    EXPECT_EQ(0u, got);
    closeFile(file);
}

// Only a refused access may lead a save to write in place, and the message
// at exit tells a refused access from a file in use.
TEST(FilesWin32Test, AFailedOpenSaysWhy) {
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("folder", nullptr));
    FileError error = FileError::None;
    EXPECT_EQ(INVALID_FILE, openFile("folder", FileOpenMode::CreateTemporary, &error));
    EXPECT_EQ(FileError::AccessDenied, error);
    EXPECT_EQ(INVALID_FILE,
              openFile("no such folder\\f.tmp", FileOpenMode::CreateTemporary, &error));
    EXPECT_EQ(FileError::Other, error);
    FileHandle held = openFile("f.txt", FileOpenMode::Write, &error);
    ASSERT_NE(INVALID_FILE, held);
    EXPECT_EQ(FileError::None, error);
    EXPECT_EQ(INVALID_FILE, openFile("f.txt", FileOpenMode::Write, &error));
    EXPECT_EQ(FileError::InUse, error);
    closeFile(held);
    RemoveDirectoryA("folder");
}

TEST(FilesWin32Test, ReplaceAndDelete) {
    TempFolder folder;
    ASSERT_TRUE(writeWholeFile("new.txt", "new"));
    ASSERT_TRUE(writeWholeFile("old.txt", "old"));
    EXPECT_TRUE(replaceFile("new.txt", "old.txt"));
    EXPECT_EQ("new", readWholeFile("old.txt"));
    EXPECT_FALSE(fileExists("new.txt"));
    ASSERT_TRUE(writeWholeFile("left.txt", "left"));
    EXPECT_FALSE(renameFile("left.txt", "old.txt"));  // the list file wins over a leftover
    EXPECT_EQ("new", readWholeFile("old.txt"));
    EXPECT_TRUE(deleteFile("old.txt"));
    EXPECT_FALSE(deleteFile("old.txt"));
    EXPECT_FALSE(isReadOnlyFile("old.txt"));
}

}  // namespace
