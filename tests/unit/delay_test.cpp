#include <gtest/gtest.h>

#include "app/delay.h"
#include "app/startup.h"
#include "unit/main_window_harness.h"

namespace {

using DelayTest = MainWindowFixture;

constexpr std::uint32_t ERROR_STYLE = 0x2010;  // MB_OK | MB_ICONHAND | MB_TASKMODAL

TEST_F(DelayTest, AnswersAndWhatTheyLeave) {
    const struct {
        const char* answer;
        float delay;
        const char* message;  // "" for none
        const char* button;
    } cases[] = {
        {"2", 2.0f, "", "Delay: 2.0"},
        {"60", 60.0f, "", "Delay: 60.0"},
        {"1.99", 2.0f, "Minimum delay is 2 seconds.", "Delay: 2.0"},
        {"60.01", 60.0f, "Maximum delay is 60 seconds.", "Delay: 60.0"},
        {"-5", 2.0f, "Minimum delay is 2 seconds.", "Delay: 2.0"},
        {"abc", 2.0f, "", "Delay: 2.0"},
        {"0", 2.0f, "", "Delay: 2.0"},
        {"", 2.0f, "", "Delay: 2.0"},  // Cancel, Esc, the close box, OK on an empty field
        {" 12 seconds", 12.0f, "", "Delay: 12.0"},
        {"2.5", 2.5f, "", "Delay: 2.5"},
        {"1e300", 60.0f, "Maximum delay is 60 seconds.", "Delay: 60.0"},  // beyond float
        {"-1e300", 2.0f, "Minimum delay is 2 seconds.", "Delay: 2.0"},
        {"1e-300", 2.0f, "", "Delay: 2.0"},  // rounds to a float 0
        {"&H3C", 60.0f, "", "Delay: 60.0"},
        {"\t\n 5D0", 5.0f, "", "Delay: 5.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("answer \"") + c.answer + "\"");
        SetUp();
        fakeui::queuePromptAnswer(c.answer);
        whileMainWindowOpen([] { EXPECT_TRUE(click(IDC_DELAY)); });

        ASSERT_EQ(1u, fakeui::prompts().size());
        expectCentredPrompt(fakeui::prompts()[0], "How many seconds (2 to 60) ?", "Enter Delay",
                            "6");

        EXPECT_EQ(c.delay, delaySeconds);
        EXPECT_EQ(c.button, textLeftIn(IDC_DELAY));
        if (*c.message == '\0') {
            EXPECT_TRUE(fakeui::messages().empty());
        } else {
            ASSERT_EQ(1u, fakeui::messages().size());
            EXPECT_EQ(c.message, fakeui::messages()[0].text);
            EXPECT_EQ("Invalid Delay", fakeui::messages()[0].title);
            EXPECT_EQ(ERROR_STYLE, fakeui::messages()[0].style);
        }
    }
}

// The corrected delay is in place while the message is on screen: the
// uncorrected -5 would sweep at once, the uncorrected 100 would wait 30 more
// seconds.
TEST_F(DelayTest, TicksDuringTheBoundMessagesSeeTheCorrectedDelay) {
    const struct {
        const char* answer;
        double now;  // the last sweep ended at 1000
        float delayWhileOpen;
        const char* shown;
        int sweeps;
    } cases[] = {
        {"-5", 1001.5, 2.0f, "Active: 0.5", 0},
        {"100", 1070.0, 60.0f, "Active: 0.0", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        SetUp();
        lastSweepTime = 1000.0f;
        fakeclock::setSeconds(c.now);
        fakeui::queuePromptAnswer(c.answer);
        fakeui::queueMessageAction([&c] {
            EXPECT_EQ(c.delayWhileOpen, delaySeconds);
            EXPECT_TRUE(tick());
            EXPECT_EQ(c.shown, countdownText());
            EXPECT_EQ(c.sweeps, fakewin::enumerations());
        });
        whileMainWindowOpen([] { click(IDC_DELAY); });
        EXPECT_EQ(1u, fakeui::messages().size());
    }
}

// The prompt's wait dispatches the main window's messages: ticks and sweeps go
// on with the old delay until the answer is in.
TEST_F(DelayTest, TicksRunWhileThePromptIsOpen) {
    fakeclock::setSeconds(43200.0);
    fakeui::queuePromptAnswer("10", [] {
        fakeclock::advanceMilliseconds(1000);
        EXPECT_TRUE(tick());
        EXPECT_EQ("Active: 5.0", countdownText());
        fakeclock::advanceMilliseconds(5500);
        EXPECT_TRUE(tick());
        EXPECT_EQ(2, fakewin::enumerations());
        EXPECT_EQ(6.0f, delaySeconds);
    });
    whileMainWindowOpen([] {
        tick();
        click(IDC_DELAY);
        EXPECT_EQ(10.0f, delaySeconds);
        EXPECT_EQ("Delay: 10.0", fakeui::controlText(mainDialog, IDC_DELAY));
    });
}

TEST_F(DelayTest, ASecondPromptInsideTheFirstReturnsFirstAndTheOuterAnswerStays) {
    fakeui::queuePromptAnswer("20", [] {
        EXPECT_TRUE(click(IDC_DELAY));
        EXPECT_EQ(10.0f, delaySeconds);
        EXPECT_EQ(1, fakeui::openPromptCount());
    });
    fakeui::queuePromptAnswer("10");
    whileMainWindowOpen([] { click(IDC_DELAY); });

    ASSERT_EQ(2u, fakeui::prompts().size());
    EXPECT_EQ("6", fakeui::prompts()[1].defaultText);  // the outer had not answered yet
    EXPECT_EQ(20.0f, delaySeconds);
    EXPECT_EQ("Delay: 20.0", textLeftIn(IDC_DELAY));
}

TEST_F(DelayTest, SwitchingOffWhileThePromptIsOpenStopsTheTicks) {
    fakeui::queuePromptAnswer("30", [] {
        EXPECT_TRUE(click(IDC_ACTIVATE));
        fakeclock::advanceMilliseconds(10000);
        tick();
        EXPECT_EQ("Activate", countdownText());
    });
    whileMainWindowOpen([] { click(IDC_DELAY); });
    EXPECT_EQ(0, isActive);
    EXPECT_EQ(0, fakewin::enumerations());
    EXPECT_EQ(30.0f, delaySeconds);
}

// The close box works while the prompt is open; the list is saved once, after
// the prompt and its handler have finished.
TEST_F(DelayTest, MainWindowClosedWhileThePromptIsOpen) {
    fakefs::setFile("brimlock.ini", "Notepad\r\n");
    fakeui::queueUserStep([] { click(IDC_DELAY); });
    fakeui::queuePromptAnswer("100", [] {
        EXPECT_TRUE(fakeui::closeByUser(mainDialog));
        EXPECT_FALSE(fakeui::isAlive(mainDialog));
        EXPECT_FALSE(tick());
        EXPECT_EQ(0u, listFileSaves());
    });
    EXPECT_EQ(0, runBrimlock());

    EXPECT_EQ(1u, listFileSaves());
    EXPECT_GT(fakeui::firstCall("killTimer"), fakeui::firstCall("WM_DESTROY"));
    EXPECT_EQ("Notepad\r\n", fakefs::content("brimlock.ini"));
    EXPECT_EQ(60.0f, delaySeconds);  // the handler still finished its work
    EXPECT_EQ(1u, fakeui::messages().size());
}

}  // namespace
