#include <windows.h>

#include "platform/window_source.h"

#include <gtest/gtest.h>

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

TEST(WindowSourceWin32, AnotherProgramsCloseReportComesBackInTheMessageLoop) {
    const std::string caption = uniqueCaption("Source target");
    TargetProcess target(0, caption);
    ASSERT_NE(nullptr, target.window());
    EXPECT_FALSE(isOwnThreadWindow(target.handle()));
    pumpUntil([] { return false; }, 50);  // reports due to earlier tests go to their handler
    reports.clear();
    ASSERT_TRUE(startCloseCommand(
        target.handle(), [](std::uintptr_t token) { reports.push_back(token); }, 42));
    EXPECT_TRUE(pumpUntil([] { return !reports.empty(); }));
    EXPECT_EQ(std::vector<std::uintptr_t>{42}, reports);
    EXPECT_TRUE(waitUntil([&] { return !windowExists(target.handle()); }));
}

}  // namespace
