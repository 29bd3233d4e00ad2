#include "list/remove_edit.h"

#include <gtest/gtest.h>

#include "list/varn_list.h"
#include "unit/main_window_harness.h"

namespace {

constexpr std::uint32_t ERROR_STYLE = 0x2010;

class RemoveEditTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        for (const char* varn : {"_under", "Zeta", "alpha", "Zeta"}) {
            varnList[++varnCount] = varn;
        }
    }

    // Selects the list box row showing text, then clicks the button.
    static void selectAndClick(const std::string& text, int button) {
        const std::vector<std::string> rows = fakeui::listBoxRows(mainDialog, IDC_VARN_LIST);
        const auto row = std::find(rows.begin(), rows.end(), text);
        ASSERT_NE(rows.end(), row) << text;
        fakeui::selectRow(mainDialog, IDC_VARN_LIST, static_cast<int>(row - rows.begin()));
        EXPECT_TRUE(click(button));
    }

    static std::vector<std::string> varns() {
        return std::vector<std::string>(varnList.begin() + 1, varnList.begin() + 1 + varnCount);
    }

    static int selectedRow() { return fakeui::findControl(mainDialog, IDC_VARN_LIST)->selectedRow; }
};

TEST_F(RemoveEditTest, NothingSelectedIsRefusedWithTheButtonsOwnMessage) {
    whileMainWindowOpen([] {
        click(IDC_REMOVE_VARN);
        click(IDC_EDIT_VARN);
    });
    ASSERT_EQ(2u, fakeui::messages().size());
    EXPECT_EQ("Please select item to remove first.", fakeui::messages()[0].text);
    EXPECT_EQ("Select Item First", fakeui::messages()[0].title);
    EXPECT_EQ("Please select item to edit first.", fakeui::messages()[1].text);
    EXPECT_EQ("Select Item", fakeui::messages()[1].title);
    for (const fakeui::Message& message : fakeui::messages()) {
        EXPECT_EQ(ERROR_STYLE, message.style);
    }
    EXPECT_TRUE(fakeui::prompts().empty());
    EXPECT_EQ(4, varnCount);
    EXPECT_FALSE(varnListChanged);
}

TEST_F(RemoveEditTest, RemovingTakesTheFirstEqualEntryAndSortsWithFoldedLetters) {
    whileMainWindowOpen([] {
        selectAndClick("Zeta", IDC_REMOVE_VARN);
        EXPECT_EQ((std::vector<std::string>{"alpha", "Zeta", "_under"}), varns());
        EXPECT_EQ("", varnList[MAX_VARNS]);
        EXPECT_EQ(-1, selectedRow());
        for (const char* text : {"alpha", "Zeta", "_under"}) {
            selectAndClick(text, IDC_REMOVE_VARN);
        }
        EXPECT_EQ(0, varnCount);
        EXPECT_TRUE(fakeui::listBoxRows(mainDialog, IDC_VARN_LIST).empty());
    });
    EXPECT_TRUE(fakeui::messages().empty());
    EXPECT_TRUE(varnListChanged);
}

TEST_F(RemoveEditTest, EditAnswers) {
    const struct {
        const char* answer;
        std::vector<std::string> after;
    } cases[] = {
        {"", {"_under", "Zeta", "alpha", "Zeta"}},         // Cancel, Esc, close box, empty OK
        {"   ", {"_under", "Zeta", "alpha", "Zeta"}},      // all spaces
        {"beta  ", {"beta  ", "Zeta", "Zeta", "_under"}},  // kept as typed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        SetUp();
        fakeui::queuePromptAnswer(c.answer);
        whileMainWindowOpen([] { selectAndClick("alpha", IDC_EDIT_VARN); });
        ASSERT_EQ(1u, fakeui::prompts().size());
        expectCentredPrompt(fakeui::prompts()[0], "Enter Info", "Edit varn", "alpha");
        EXPECT_EQ(c.after, varns());
        EXPECT_TRUE(fakeui::messages().empty());
        EXPECT_EQ(*c.answer != '\0' && c.answer[0] != ' ', varnListChanged);
    }
}

// The main window stays usable under the edit prompt: the edit lands on the
// entry that was selected, wherever it has moved, or on nothing.
TEST_F(RemoveEditTest, AnEditReplacesTheSelectedEntryEvenWhenTheListChangedUnderThePrompt) {
    const struct {
        const char* removedMeanwhile;
        std::vector<std::string> after;
    } cases[] = {
        {"_under", {"alpha", "edited", "Other"}},  // the selected entry moved up
        {"Zeta", {"alpha", "Other", "_under"}},    // the selected entry went: nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.removedMeanwhile);
        SetUp();
        varnList[4] = "Other";  // entries _under, Zeta, alpha, Other
        const std::string removed = c.removedMeanwhile;
        fakeui::queuePromptAnswer("edited",
                                  [removed] { selectAndClick(removed, IDC_REMOVE_VARN); });
        whileMainWindowOpen([] { selectAndClick("Zeta", IDC_EDIT_VARN); });
        EXPECT_EQ(c.after, varns());
    }
}

// Code page 932: a Unicode list box gives "ab" 0x82 back as "ab" 0x81 0x45.
TEST_F(RemoveEditTest, AVarnWhoseBytesDoNotComeBackFromTheListBoxCanBeEditedAndRemoved) {
    fakeui::setListBoxTextRoundTrip([](const std::string& text) {
        return !text.empty() && text.back() == '\x82' ? text.substr(0, text.size() - 1) + "\x81\x45"
                                                      : text;
    });
    varnList[4] = "ab\x82";
    fakeui::queuePromptAnswer("cd\x82");
    whileMainWindowOpen([] {
        selectAndClick("ab\x81\x45", IDC_EDIT_VARN);
        selectAndClick("cd\x81\x45", IDC_REMOVE_VARN);
    });
    expectCentredPrompt(fakeui::prompts().at(0), "Enter Info", "Edit varn", "ab\x82");
    EXPECT_EQ((std::vector<std::string>{"alpha", "Zeta", "_under"}), varns());
}

}  // namespace
