// What the tests of the handlers take from the fake dialog services without
// checking it themselves: list boxes that order and select as the real ones
// do, message boxes that run their scripted action and answer, and a script
// that cannot run out silently.
#include "fakes/ui_fake.h"

#include <gtest/gtest.h>

#include "fakes/win_constants_fake.h"

namespace {

class UiFakeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fakeui::reset();
        dialog = newDialog(0, "Test", 0, 0, 100, 50, WS_SYSMENU, 0);
        addControl(dialog, ControlKind::PushButton, 7, "Press", 0, 0, 10, 10, 0, 0, nullptr,
                   nullptr);
    }

    WindowHandle dialog = 0;
};

TEST_F(UiFakeTest, ListBoxesSortOrKeepOrderAndFillingStopsAtAnEmptyRow) {
    const std::vector<std::string> rows{"", "b", "C", "a", "", "after the gap"};
    addControl(dialog, ControlKind::ListBox, 1, "", 0, 0, 10, 10, 0, 0, nullptr, &rows);
    addControl(dialog, ControlKind::ListBox, 2, "", 0, 0, 10, 10, WS_VSCROLL, 0, nullptr, &rows);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "C"}), fakeui::listBoxRows(dialog, 1));
    EXPECT_EQ((std::vector<std::string>{"b", "C", "a"}), fakeui::listBoxRows(dialog, 2));

    ASSERT_TRUE(fakeui::selectRow(dialog, 1, 1));
    listBoxAdd(dialog, 1, "A0");  // goes in before the selected "b"
    EXPECT_EQ("b", listBoxSelectedText(dialog, 1));
    listBoxReset(dialog, 1);
    EXPECT_EQ("", listBoxSelectedText(dialog, 1));
}

TEST_F(UiFakeTest, AMessageRunsItsActionRefusingClicksWhileTimersStillTick) {
    bool ran = false;
    fakeui::queueUserStep([&] {
        setTimer(dialog, 5, 100);
        fakeui::queueMessageAction([&] {
            ran = true;
            EXPECT_FALSE(fakeui::clickControl(dialog, 7));
            EXPECT_FALSE(fakeui::closeByUser(dialog));
            EXPECT_TRUE(fakeui::fireTimer(dialog, 5));
        });
        EXPECT_EQ(IDOK, showMessage("Text", "Title", MB_OK | MB_ICONINFORMATION | MB_TASKMODAL));
        fakeui::queueMessageAnswer(IDRETRY);
        EXPECT_EQ(IDRETRY, showMessage("Text", "Title", MB_RETRYCANCEL));
        EXPECT_TRUE(fakeui::clickControl(dialog, 7));
        fakeui::closeByUser(dialog);
    });
    showModal(dialog, nullptr, nullptr);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(fakeui::faults().empty());
}

TEST_F(UiFakeTest, RunningOutOfScriptIsAFaultThatDoesNotHang) {
    showModal(dialog, nullptr, nullptr);
    EXPECT_FALSE(fakeui::isAlive(dialog));
    EXPECT_EQ("", showPrompt("Question", "Title", "default", -1, -1));
    EXPECT_EQ(IDOK, showMessage("Only OK to press", "Title", MB_OK));
    EXPECT_EQ(2u, fakeui::faults().size());
    EXPECT_EQ(IDCANCEL, showMessage("A choice", "Title", MB_RETRYCANCEL | MB_ICONHAND));
    EXPECT_EQ(3u, fakeui::faults().size());
}

}  // namespace
