// The countdown, the on/off switch and the delay of the real brimlock.exe,
// used through its buttons, prompt and message boxes as a person would.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

// <windows.h> names a cursor IDC_HELP; here it is the help button's id.
#undef IDC_HELP
#include "app/main_controls.h"
#include "e2e/brimlock_e2e_fixture.h"

namespace {

class CountdownE2eTest : public BrimlockE2eTest {
  protected:
    bool buttonShows(int id, const std::string& text) {
        return waitUntil([&] { return textOf(control(id)) == text; }, 3000);
    }
    bool countdownRuns() {
        return waitUntil([&] { return textOf(control(IDC_ACTIVATE)).rfind("Active: ", 0) == 0; },
                         3000);
    }
};

TEST_F(CountdownE2eTest, TheDelayPromptAndItsAnswers) {
    startWith("");
    const struct {
        const char* answer;  // null: Cancel
        const char* message;
        const char* shown;
        const char* offered;  // the prompt's initial answer: the delay before
    } cases[] = {
        {"2.5", nullptr, "Delay: 2.5", "6"},
        {"100", "Maximum delay is 60 seconds.", "Delay: 60.0", "2.5"},
        {" 12 seconds", nullptr, "Delay: 12.0", "60"},
        {"-5", "Minimum delay is 2 seconds.", "Delay: 2.0", "12"},
        {"60", nullptr, "Delay: 60.0", "2"},
        {nullptr, nullptr, "Delay: 2.0", "60"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer ? c.answer : "Cancel");
        click(IDC_DELAY);
        HWND prompt = waitForDialog(brimlock.processId(), "Enter Delay");
        ASSERT_NE(nullptr, prompt);
        EXPECT_EQ("How many seconds (2 to 60) ?", textOf(GetDlgItem(prompt, 102)));
        EXPECT_EQ(c.offered, textOf(GetDlgItem(prompt, 101)));
        if (c.answer != nullptr) {
            setTextOf(GetDlgItem(prompt, 101), c.answer);
        }
        PostMessageA(prompt, WM_COMMAND, c.answer != nullptr ? IDOK : IDCANCEL, 0);
        if (c.message != nullptr) {
            HWND box = waitForDialog(brimlock.processId(), "Invalid Delay");
            ASSERT_NE(nullptr, box);
            EXPECT_EQ(c.message, messageBoxText(box));
            // Task-modal: the main window takes no input while it is open.
            EXPECT_FALSE(IsWindowEnabled(window));
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        EXPECT_TRUE(buttonShows(IDC_DELAY, c.shown)) << textOf(control(IDC_DELAY));
        EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(window) != FALSE; }, 3000));
    }
    EXPECT_TRUE(brimlock.closeAndWait());
    EXPECT_EQ(0u, brimlock.exitCode());
}

TEST_F(CountdownE2eTest, TheCountdownRunsDownFromTheDelay) {
    startWith("");
    // After the first sweep the countdown falls from about 6 seconds.
    std::string shown;
    ASSERT_TRUE(waitUntil(
        [&] {
            shown = textOf(control(IDC_ACTIVATE));
            return shown.rfind("Active: ", 0) == 0 && std::atof(shown.c_str() + 8) > 0.5 &&
                   std::atof(shown.c_str() + 8) < 5.8;
        },
        10000))
        << shown;
    EXPECT_EQ(shown.find('.'), shown.size() - 2) << "one decimal: " << shown;
    EXPECT_TRUE(waitUntil([&] { return textOf(control(IDC_ACTIVATE)) != shown; }, 2000));
}

TEST_F(CountdownE2eTest, TheCountdownButtonSwitchesOffAndOn) {
    startWith("");
    ASSERT_TRUE(countdownRuns());
    click(IDC_ACTIVATE);
    ASSERT_TRUE(buttonShows(IDC_ACTIVATE, "Activate"));
    Sleep(500);  // ticks while off leave the button alone
    EXPECT_EQ("Activate", textOf(control(IDC_ACTIVATE)));
    click(IDC_ACTIVATE);
    EXPECT_TRUE(countdownRuns());
}

// The main window closed while the delay prompt is open: the prompt, which
// has no owner, stays; the list is written only once it has been answered.
TEST_F(CountdownE2eTest, ClosedUnderAnOpenPromptItSavesOnceThePromptIsAnswered) {
    const std::string b = uniqueCaption("b");
    const std::string noLineFeed = uniqueCaption("No line feed");
    startWith(b + "\r" + noLineFeed + "\r");
    click(IDC_DELAY);
    HWND prompt = waitForDialog(brimlock.processId(), "Enter Delay");
    ASSERT_NE(nullptr, prompt);
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(window); }, 3000));
    EXPECT_FALSE(brimlock.waitForExit(500));
    EXPECT_TRUE(IsWindow(prompt));
    EXPECT_EQ(b + "\r" + noLineFeed + "\r", readWholeFile(folder.file("brimlock.ini")));

    PostMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(brimlock.waitForExit(5000));
    EXPECT_EQ(0u, brimlock.exitCode());
    EXPECT_EQ(b + "\r\n" + noLineFeed + "\r\n", readWholeFile(folder.file("brimlock.ini")));
}

// A program whose window stops answering messages: the sweep that tries to
// close it waits a bounded time, and the countdown and the window go on.
TEST_F(CountdownE2eTest, AHungWindowDoesNotFreezeTheProgram) {
    TargetProcess hung("hung_target", uniqueCaption("Hung Target") + " Window");
    ASSERT_NE(nullptr, hung.window());
    startWith(uniqueCaption("hung target") + "\r\n");
    // Countdown texts seen over some seconds: many, though a sweep met the
    // hung window at the start.
    std::set<std::string> seen;
    const ULONGLONG end = GetTickCount64() + 5000;
    while (GetTickCount64() < end) {
        seen.insert(textOf(control(IDC_ACTIVATE)));
        Sleep(50);
    }
    EXPECT_GE(seen.size(), 10u);
    EXPECT_TRUE(brimlock.closeAndWait(5000));
    EXPECT_EQ(0u, brimlock.exitCode());
}

}  // namespace
