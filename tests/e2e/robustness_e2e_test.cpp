// What the world may throw at the real brimlock.exe: a list file of random
// bytes, a list file another program holds, more windows than the snapshot
// holds. In every case the program runs, and nothing in the list is lost.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

// <windows.h> names a cursor IDC_HELP; here it is the help button's id.
#undef IDC_HELP
#include "app/main_controls.h"
#include "e2e/brimlock_e2e_fixture.h"
#include "list/picker.h"

namespace {

// The list as the program must write it back, from the file's bytes, by the
// read rules written out plainly: lines end at CR (an LF right after it
// belongs to the end), Ctrl-Z ends the file, blank lines go, 1,000 at most.
std::string writtenBack(const std::string& file) {
    std::string out;
    std::string line;
    int count = 0;
    const auto endLine = [&] {
        if (line.find_first_not_of(' ') != std::string::npos && count < 1000) {
            out += line + "\r\n";
            ++count;
        }
        line.clear();
    };
    for (std::size_t i = 0; i < file.size() && file[i] != '\x1A'; ++i) {
        if (file[i] == '\r') {
            endLine();
            if (i + 1 < file.size() && file[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += file[i];
        }
    }
    endLine();
    return out;
}

class RobustnessE2eTest : public BrimlockE2eTest {};

TEST_F(RobustnessE2eTest, AListFileOfRandomBytesIsWrittenBackEntryForEntry) {
    std::mt19937 random(20261208);
    const std::string tag = uniqueCaption("Random");
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        // Short lines, so that more than 1,000 of them come before the one
        // Ctrl-Z near the end; every byte value occurs, CR as line ends. Each
        // line that is a varn begins with the tag; some are empty or spaces.
        std::string bytes;
        while (bytes.size() < 32000) {
            const unsigned kind = random() % 16;
            if (kind == 0) {
                bytes += "  ";
            } else if (kind != 1) {
                bytes += tag;
                for (unsigned length = random() % 16; length > 0; --length) {
                    const unsigned value = random() % 256;
                    bytes += value == '\r' || value == 0x1A ? '\n' : static_cast<char>(value);
                }
            }
            bytes += random() % 2 ? "\r\n" : "\r";
        }
        bytes.insert(bytes.size() - 100, 1, '\x1A');
        startWith(bytes);
        ASSERT_TRUE(brimlock.closeAndWait());
        EXPECT_EQ(0u, brimlock.exitCode());
        const std::string expected = writtenBack(bytes);
        EXPECT_EQ(expected, readWholeFile(folder.file("brimlock.ini")));
    }
}

// Another program holds the list file without sharing: at start the program
// runs with an empty list and leaves the file alone; at exit it cannot write
// and the file keeps what it held.
TEST_F(RobustnessE2eTest, AListFileHeldByAnotherProgramIsNotDamaged) {
    const std::string content = uniqueCaption("kept") + "\r\n" + uniqueCaption("as it was") + "\n";
    for (const bool heldAtStart : {true, false}) {
        SCOPED_TRACE(heldAtStart ? "held at start" : "held at exit");
        ASSERT_TRUE(writeWholeFile(folder.file("brimlock.ini"), content));
        HANDLE held = INVALID_HANDLE_VALUE;
        const auto hold = [&] {
            held = CreateFileA(folder.file("brimlock.ini").c_str(), GENERIC_READ, 0, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(INVALID_HANDLE_VALUE, held);
        };
        if (heldAtStart) {
            hold();
        }
        start();
        EXPECT_EQ(heldAtStart ? 0 : 2, SendMessageA(control(IDC_VARN_LIST), LB_GETCOUNT, 0, 0));
        if (!heldAtStart) {
            hold();
        }
        ASSERT_TRUE(brimlock.closeAndWait());
        EXPECT_EQ(0u, brimlock.exitCode());
        CloseHandle(held);
        EXPECT_EQ(content, readWholeFile(folder.file("brimlock.ini")));
    }
}

// A sync client's replace while the list waits for a file held at start: the
// old file deleted as the hold ends, the new one written a moment later.
TEST_F(RobustnessE2eTest, AListFileGoneForAMomentWhileWaitedForIsReadOnceWrittenAnew) {
    const std::string file = folder.file("brimlock.ini");
    const std::string varns = uniqueCaption("gamma") + "\r\n" + uniqueCaption("delta") + "\r\n";
    ASSERT_TRUE(writeWholeFile(file, uniqueCaption("old") + "\r\n"));
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ | DELETE, FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    start();
    EXPECT_TRUE(DeleteFileA(file.c_str()));
    CloseHandle(held);
    Sleep(2500);  // two retries meet no file
    ASSERT_TRUE(writeWholeFile(file, varns));
    const auto rows = [&] { return SendMessageA(control(IDC_VARN_LIST), LB_GETCOUNT, 0, 0); };
    EXPECT_TRUE(waitUntil([&] { return rows() == 2; }, 3000));
    ASSERT_TRUE(brimlock.closeAndWait());
    EXPECT_EQ(varns, readWholeFile(file));
}

// Whether brimlock.ini is there, its size and its time of writing, read from
// the folder without opening the file.
std::string listFileState(const TempFolder& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(folder.file("brimlock.ini").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return "missing";
    }
    FindClose(search);
    return std::to_string(found.nFileSizeLow) + " " +
           std::to_string(found.ftLastWriteTime.dwLowDateTime) + " " +
           std::to_string(found.ftLastWriteTime.dwHighDateTime);
}

// A crash, a forced log-off or a power cut may end the program at any
// instant of its save. Killed the moment brimlock.ini changes during the save
// at exit, the program finds every varn at its next start.
TEST_F(RobustnessE2eTest, KilledTheMomentTheListFileChangesAtExitItFindsEveryVarnNextTime) {
    std::vector<std::string> varns;
    std::string bytes;
    for (int i = 0; i < 200; ++i) {
        varns.push_back(uniqueCaption("Varn number") + " " + std::to_string(i));
        bytes += varns.back() + "\r\n\r\n";  // the save drops the blank lines
    }
    std::sort(varns.begin(), varns.end());
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        startWith(bytes);
        const std::string before = listFileState(folder);
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        const ULONGLONG end = GetTickCount64() + 10000;
        while (listFileState(folder) == before && GetTickCount64() < end) {
        }
        brimlock.end();
        ASSERT_NE(before, listFileState(folder));
        start();
        EXPECT_EQ(varns, listBoxRows(control(IDC_VARN_LIST)));
        ASSERT_TRUE(brimlock.closeAndWait());
    }
}

LRESULT CALLBACK plainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(RobustnessE2eTest, ThePickerOffersTheFirstThousandOfMoreWindows) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = plainWindow;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "BrimlockManyWindows";
    RegisterClassA(&windowClass);
    std::vector<HWND> windows;
    for (int i = 0; i < 1100; ++i) {
        const std::string caption = uniqueCaption("Many windows") + " " + std::to_string(i);
        windows.push_back(CreateWindowExA(WS_EX_NOACTIVATE, windowClass.lpszClassName,
                                          caption.c_str(), WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                          nullptr, nullptr, windowClass.hInstance, nullptr));
    }
    startWith("");
    ASSERT_TRUE(waitForSweep(15000));
    click(IDC_ADD_VARN);
    HWND picker = waitForDialog(brimlock.processId(), "Enter New varn");
    ASSERT_NE(nullptr, picker);
    EXPECT_EQ(1000, SendMessageA(GetDlgItem(picker, IDC_PICK_WINDOWS), LB_GETCOUNT, 0, 0));
    PostMessageA(picker, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(brimlock.closeAndWait());
    for (HWND each : windows) {
        DestroyWindow(each);
    }
}

}  // namespace
