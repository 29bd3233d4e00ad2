#include <windows.h>

#include "platform/window_source.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "support/test_process_win32.h"
#include "win32/test_windows.h"

namespace {

using testwin::OwnWindow;
using testwin::uniqueCaption;

// What each reading gives for a window is checked through the sweep
// (sweep_test.cpp); here what the sweep cannot show.
TEST(WindowSourceWin32, AWindowThatHasGoneReadsAsNothing) {
    WindowHandle gone = 0;
    {
        const OwnWindow window(uniqueCaption("Source gone"));
        gone = window.handle();
    }
    EXPECT_FALSE(windowExists(gone));
    char caption[256] = {};
    getWindowText(gone, caption, 256);
    EXPECT_STREQ("", caption);
    EXPECT_FALSE(isWindowVisible(gone));
    char name[128] = {};
    EXPECT_EQ(0, getClassName(gone, name, 128));
    EXPECT_FALSE(isOwnThreadWindow(gone));
    EXPECT_FALSE(startCloseCommand(
        gone, [](std::uintptr_t) {}, 1));
}

std::vector<WindowHandle> enumerated;

TEST(WindowSourceWin32, EnumeratesTopLevelWindowsUntilTheCollectorStops) {
    const OwnWindow first(uniqueCaption("Enumerated 1"));
    const OwnWindow second(uniqueCaption("Enumerated 2"), false);
    enumerated.clear();
    enumWindows(
        [](WindowHandle window, std::intptr_t context) -> std::int32_t {
            EXPECT_EQ(77, context);
            enumerated.push_back(window);
            return 1;
        },
        77);
    EXPECT_NE(enumerated.end(), std::find(enumerated.begin(), enumerated.end(), first.handle()));
    EXPECT_NE(enumerated.end(), std::find(enumerated.begin(), enumerated.end(), second.handle()));

    enumerated.clear();
    enumWindows(
        [](WindowHandle window, std::intptr_t) -> std::int32_t {
            enumerated.push_back(window);
            return 0;
        },
        0);
    EXPECT_EQ(1u, enumerated.size());
}

std::vector<std::uintptr_t> reports;

TEST(WindowSourceWin32, AnotherProgramsCloseReportComesBackInTheWait) {
    const std::string caption = uniqueCaption("Source target");
    TargetProcess target(0, caption);
    ASSERT_NE(nullptr, target.window());
    EXPECT_FALSE(isOwnThreadWindow(target.handle()));
    waitForSentMessages(0);  // reports still due to earlier tests go to their own handler
    reports.clear();
    ASSERT_TRUE(startCloseCommand(
        target.handle(), [](std::uintptr_t token) { reports.push_back(token); }, 42));
    const ULONGLONG end = GetTickCount64() + 10000;
    while (reports.empty() && GetTickCount64() < end) {
        waitForSentMessages(100);
    }
    EXPECT_EQ(std::vector<std::uintptr_t>{42}, reports);
    EXPECT_TRUE(waitUntil([&] { return !windowExists(target.handle()); }));
}

int timerTicks = 0;

// The wait handles messages that other threads send, and nothing posted.
TEST(WindowSourceWin32, TheWaitHandlesSentMessagesButNoTimers) {
    const OwnWindow window(uniqueCaption("Source wait"));
    timerTicks = 0;
    const UINT_PTR timer =
        SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) { ++timerTicks; });
    std::atomic<bool> sent{false};
    std::thread sender([&] {
        SendMessageA(window.hwnd(), WM_APP, 0, 0);
        sent = true;
    });
    const std::uint64_t start = steadyMilliseconds();
    while (!sent && steadyMilliseconds() - start < 10000) {
        waitForSentMessages(50);
    }
    for (int k = 0; k < 4; ++k) {
        waitForSentMessages(50);  // long enough for several timer periods
    }
    sender.join();
    EXPECT_EQ(1, window.appMessagesReceived());
    EXPECT_EQ(0, timerTicks);
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE));
    KillTimer(nullptr, timer);
}

}  // namespace
