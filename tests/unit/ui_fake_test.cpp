// The fake dialog services must route and end dialogs as the real ones do, or
// tests of the handlers built on them prove nothing.
#include "ui/ui_fake.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/win_constants.h"

namespace {

std::vector<std::string> seen;
std::int32_t controlResult = 0;

std::int32_t controlHandler(WindowHandle, unsigned message, MessageWParam wParam, MessageLParam) {
    seen.push_back("control " + std::to_string(message) + " " + std::to_string(wParam & 0xFFFF));
    return controlResult;
}

std::int32_t dialogHandler(WindowHandle, unsigned message, MessageWParam, MessageLParam) {
    seen.push_back("dialog " + std::to_string(message));
    return 0;
}

class UiFakeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fakeui::reset();
        seen.clear();
        controlResult = 0;
        dialog = newDialog(0, "Test", 0, 0, 100, 50, WS_SYSMENU, 0);
        addControl(dialog, ControlKind::PushButton, 7, "Press", 0, 0, 10, 10, 0, 0, controlHandler,
                   nullptr);
    }

    std::vector<std::string> seenFrom(const std::string& prefix) {
        std::vector<std::string> found;
        for (const std::string& entry : seen) {
            if (entry.rfind(prefix, 0) == 0) {
                found.push_back(entry);
            }
        }
        return found;
    }

    WindowHandle dialog = 0;
};

TEST_F(UiFakeTest, ClickGoesToTheControlThenTheDialogUnlessTheControlHandledIt) {
    std::int32_t result = 0;
    fakeui::queueUserStep([&] {
        EXPECT_TRUE(fakeui::clickControl(dialog, 7));
        controlResult = 1;
        EXPECT_TRUE(fakeui::clickControl(dialog, 7));
        endDialog(dialog, 42);
    });
    showModal(dialog, dialogHandler, &result);

    const std::string command = std::to_string(WM_COMMAND);
    EXPECT_EQ((std::vector<std::string>{"control " + command + " 7", "control " + command + " 7"}),
              seenFrom("control"));
    EXPECT_EQ(1, std::count(seen.begin(), seen.end(), "dialog " + command));
    EXPECT_EQ(42, result);
    // The handler saw the end: WM_CLOSE, then WM_DESTROY.
    const std::vector<std::string> dialogMessages = seenFrom("dialog");
    ASSERT_GE(dialogMessages.size(), 2u);
    EXPECT_EQ("dialog " + std::to_string(WM_CLOSE), dialogMessages[dialogMessages.size() - 2]);
    EXPECT_EQ("dialog " + std::to_string(WM_DESTROY), dialogMessages.back());
    endDialog(dialog, 1);  // harmless once gone
    EXPECT_EQ(42, result);
}

TEST_F(UiFakeTest, OnlyTheExactCloseCommandEndsTheDialog) {
    fakeui::queueUserStep([&] {
        fakeui::sendMessage(dialog, WM_SYSCOMMAND, SC_CLOSE + 1, 0);
        EXPECT_TRUE(fakeui::isAlive(dialog));
        fakeui::sendMessage(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_FALSE(fakeui::isAlive(dialog));
    });
    showModal(dialog, dialogHandler, nullptr);
    EXPECT_TRUE(fakeui::faults().empty());
}

TEST_F(UiFakeTest, ListBoxesSortOrKeepOrderAndFillingStopsAtAnEmptyRow) {
    const std::vector<std::string> rows{"", "b", "C", "a", "", "after the gap"};
    addControl(dialog, ControlKind::ListBox, 1, "", 0, 0, 10, 10, 0, 0, nullptr, &rows);
    addControl(dialog, ControlKind::ListBox, 2, "", 0, 0, 10, 10, WS_VSCROLL, 0, nullptr, &rows);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "C"}), fakeui::listBoxRows(dialog, 1));
    EXPECT_EQ((std::vector<std::string>{"b", "C", "a"}), fakeui::listBoxRows(dialog, 2));
    EXPECT_EQ(static_cast<std::uint32_t>(WS_VSCROLL | WS_CHILD | WS_VISIBLE | LBS_NOTIFY),
              fakeui::findControl(dialog, 2)->resolvedStyle);

    ASSERT_TRUE(fakeui::selectRow(dialog, 1, 1));
    listBoxAdd(dialog, 1, "A0");  // goes in before the selected "b"
    EXPECT_EQ("b", listBoxSelectedText(dialog, 1));
    listBoxReset(dialog, 1);
    EXPECT_EQ("", listBoxSelectedText(dialog, 1));
}

TEST_F(UiFakeTest, ClicksAreRefusedWhileAMessageIsOpenButTimersStillTick) {
    fakeui::queueUserStep([&] {
        setTimer(dialog, 5, 100);
        fakeui::queueMessageAction([&] {
            EXPECT_FALSE(fakeui::clickControl(dialog, 7));
            EXPECT_FALSE(fakeui::closeByUser(dialog));
            EXPECT_TRUE(fakeui::fireTimer(dialog, 5));
        });
        EXPECT_EQ(IDOK, showMessage("Text", "Title", 0x2040));
        EXPECT_FALSE(fakeui::fireTimer(dialog, 6));
        fakeui::closeByUser(dialog);
    });
    showModal(dialog, dialogHandler, nullptr);
    EXPECT_TRUE(seenFrom("control").empty());
    EXPECT_EQ(1, std::count(seen.begin(), seen.end(), "dialog " + std::to_string(WM_TIMER)));
    EXPECT_FALSE(fakeui::hasTimer(dialog, 5));  // gone with the window
}

TEST_F(UiFakeTest, RunningOutOfScriptIsAFaultThatDoesNotHang) {
    showModal(dialog, dialogHandler, nullptr);
    EXPECT_FALSE(fakeui::isAlive(dialog));
    EXPECT_EQ("", showPrompt("Question", "Title", "default", -1, -1));
    EXPECT_EQ(2u, fakeui::faults().size());
}

TEST_F(UiFakeTest, PromptAnswersAreCutTo255Bytes) {
    fakeui::queuePromptAnswer(std::string(300, 'x'));
    EXPECT_EQ(std::string(255, 'x'), showPrompt("Question", "Title", "", -1, -1));
    EXPECT_TRUE(fakeui::prompts()[0].closed);
}

}  // namespace
