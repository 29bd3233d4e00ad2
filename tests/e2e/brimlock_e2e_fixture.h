#pragma once
// The real brimlock.exe started in a fresh folder that holds the given list
// file, with its main window found; the process ends with the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/remote_window_win32.h"
#include "support/temp_folder_win32.h"
#include "support/test_process_win32.h"

class BrimlockE2eTest : public ::testing::Test {
  protected:
    void startWith(const std::string& listFile, WORD showCommand = SW_SHOWNORMAL) {
        ASSERT_TRUE(writeWholeFile(folder.file("brimlock.ini"), listFile));
        start(showCommand);
    }

    // In the folder as it is.
    void start(WORD showCommand = SW_SHOWNORMAL) {
        ASSERT_TRUE(brimlock.start(folder.path(), "", showCommand));
        window = brimlock.waitForMainWindow();
        ASSERT_NE(nullptr, window);
    }

    HWND control(int id) const { return GetDlgItem(window, id); }

    // A varn that matches brimlock.exe's own caption would close every
    // Brimlock on the desktop, the user's too.
    static bool anotherBrimlockRuns() { return FindWindowA(nullptr, "Brimlock - 1.00") != nullptr; }
    static constexpr const char* ANOTHER_BRIMLOCK =
        "another Brimlock runs on this desktop, which this test's varn would close";

    // True once a sweep has run: the countdown (id 339) then counts down from
    // the delay rather than showing 0.
    bool waitForSweep(DWORD milliseconds = 10000) {
        return waitUntil(
            [&] {
                const std::string shown = textOf(control(339));
                return shown.rfind("Active: ", 0) == 0 && std::atof(shown.c_str() + 8) > 0.5;
            },
            milliseconds);
    }

    // Posted as the button would post it: a click may open a modal window.
    void click(int id) {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control(id)));
    }

    TempFolder folder;
    BrimlockProcess brimlock;
    HWND window = nullptr;
};
