#include "list/picker.h"

#include <gtest/gtest.h>

#include "fakes/win_constants_fake.h"
#include "list/varn_list.h"
#include "sweep/snapshot.h"
#include "unit/main_window_harness.h"

namespace {

constexpr std::uint32_t ERROR_STYLE = 0x2010;
constexpr std::uint32_t INFORMATION_STYLE = 0x2040;

class PickerTest : public MainWindowFixture {
  protected:
    static WindowHandle picker() { return fakeui::dialogHandles().back(); }

    // Clicks "Add new varn"; step runs in the open picker, which is then
    // closed with its close box unless the step ended it.
    static void inPicker(const std::function<void()>& step) {
        fakeui::queueUserStep([step] {
            const WindowHandle opened = picker();
            step();
            fakeui::closeByUser(opened);
        });
        EXPECT_TRUE(click(IDC_ADD_VARN));
    }

    static void typeAndAdd(const std::string& text) {
        setControlText(picker(), IDC_PICK_CAPTION, text);
        fakeui::clickControl(picker(), IDC_PICK_ADD);
    }

    static void setVarns(const std::vector<std::string>& varns) {
        for (const std::string& varn : varns) {
            varnList[++varnCount] = varn;
        }
    }

    static std::vector<std::string> varns() {
        return std::vector<std::string>(varnList.begin() + 1, varnList.begin() + 1 + varnCount);
    }
};

TEST_F(PickerTest, OpensWithTheSnapshotsCaptionsUpToTheFirstEmptySlot) {
    snapshotTitles[1] = "Brimlock - 1.00";
    snapshotTitles[2] = "Zeta";
    snapshotTitles[3] = "alpha";
    snapshotTitles[5] = "after the gap";
    snapshotCount = 1;  // not consulted
    whileMainWindowOpen([] {
        inPicker([] {
            const fakeui::Dialog* dialog = fakeui::findDialog(picker());
            EXPECT_EQ("Enter New varn", dialog->caption);
            EXPECT_EQ(0u, dialog->parent);
            EXPECT_EQ((std::vector<int>{-1, -1, 300, 230}),
                      (std::vector<int>{dialog->x, dialog->y, dialog->width, dialog->height}));
            EXPECT_EQ(WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFOREGROUND, dialog->style);
            ASSERT_EQ(3u, dialog->controls.size());
            const struct {
                int id;
                ControlKind kind;
                const char* text;
                int y, height;
                std::uint32_t style;
                DialogHandler handler;
            } controls[] = {
                {777, ControlKind::TextBox, "enter new varn here", 20, 14, 0, nullptr},
                {677, ControlKind::ListBox, "", 40, 150, WS_VSCROLL, onPickerSelectionChanged},
                {401, ControlKind::PushButton, "Add This varn", 193, 14, 0, onAddThisVarnClicked},
            };
            for (std::size_t i = 0; i < 3; ++i) {
                const fakeui::Control& control = dialog->controls[i];
                EXPECT_EQ(controls[i].id, control.id);
                EXPECT_EQ(controls[i].kind, control.kind);
                EXPECT_EQ(controls[i].text, control.text);
                EXPECT_EQ((std::vector<int>{20, controls[i].y, 260, controls[i].height}),
                          (std::vector<int>{control.x, control.y, control.width, control.height}));
                EXPECT_EQ(controls[i].style, control.style);
                EXPECT_EQ(0u, control.extendedStyle);
                EXPECT_EQ(controls[i].handler, control.handler);
            }
            EXPECT_EQ((std::vector<std::string>{"Brimlock - 1.00", "Zeta", "alpha"}),
                      fakeui::listBoxRows(picker(), IDC_PICK_WINDOWS));
        });
    });
}

TEST_F(PickerTest, AChosenRowReplacesTheWholeTextOnlyOnSelectionChange) {
    snapshotTitles[1] = "  Editor - a.txt  ";
    whileMainWindowOpen([] {
        inPicker([] {
            const WindowHandle list = fakeui::findControl(picker(), IDC_PICK_WINDOWS)->handle;
            ASSERT_TRUE(fakeui::selectRow(picker(), IDC_PICK_WINDOWS, 0));
            for (MessageWParam code : {2u /* LBN_DBLCLK */, 4u /* LBN_SETFOCUS */}) {
                fakeui::sendMessage(picker(), WM_COMMAND, (code << 16) | IDC_PICK_WINDOWS, list);
            }
            EXPECT_EQ("enter new varn here", fakeui::controlText(picker(), IDC_PICK_CAPTION));
            fakeui::sendMessage(picker(), WM_COMMAND, (LBN_SELCHANGE << 16) | IDC_PICK_WINDOWS,
                                list);
            EXPECT_EQ("  Editor - a.txt  ", fakeui::controlText(picker(), IDC_PICK_CAPTION));
        });
    });
}

TEST_F(PickerTest, AddingKeepsLeadingSpacesSortsCaseSensitivelyAndEndsThePicker) {
    setVarns({"alpha", "Zeta"});
    whileMainWindowOpen([] {
        inPicker([] {
            fakeui::queueMessageAction([] { EXPECT_TRUE(fakeui::isAlive(picker())); });
            typeAndAdd("  Mid\t  ");
            EXPECT_FALSE(fakeui::isAlive(picker()));
        });
        EXPECT_EQ((std::vector<std::string>{"  Mid\t", "Zeta", "alpha"}), varns());
        EXPECT_EQ((std::vector<std::string>{"  Mid\t", "alpha", "Zeta"}),
                  fakeui::listBoxRows(mainDialog, IDC_VARN_LIST));
    });
    ASSERT_EQ(1u, fakeui::messages().size());
    EXPECT_EQ("Added.", fakeui::messages()[0].text);
    EXPECT_EQ("Added", fakeui::messages()[0].title);
    EXPECT_EQ(INFORMATION_STYLE, fakeui::messages()[0].style);
    EXPECT_TRUE(varnListChanged);
}

TEST_F(PickerTest, BlankTextIsRefusedAndThePickerStaysOpen) {
    whileMainWindowOpen([] {
        inPicker([] {
            typeAndAdd("   ");
            EXPECT_TRUE(fakeui::isAlive(picker()));
            EXPECT_EQ("   ", fakeui::controlText(picker(), IDC_PICK_CAPTION));
        });
    });
    ASSERT_EQ(1u, fakeui::messages().size());
    EXPECT_EQ("Please select a varn to add.", fakeui::messages()[0].text);
    EXPECT_EQ("Select varn", fakeui::messages()[0].title);
    EXPECT_EQ(ERROR_STYLE, fakeui::messages()[0].style);
    EXPECT_EQ(0, varnCount);
    EXPECT_FALSE(varnListChanged);
    // Rebuilt after the close box too, with redrawing off meanwhile.
    const std::string listBox = std::to_string(mainDialog) + " 555";
    EXPECT_EQ(1u, fakeui::countCalls("listBoxReset " + listBox));
    EXPECT_EQ(fakeui::firstCall("setControlRedraw " + listBox + " 0") + 1,
              fakeui::firstCall("listBoxReset " + listBox));
    EXPECT_FALSE(fakeui::findControl(mainDialog, IDC_VARN_LIST)->redrawOff);
}

TEST_F(PickerTest, AFullListOpensNoPickerAndTwoPickersNeverPassTheMaximum) {
    for (int i = 1; i < MAX_VARNS; ++i) {
        varnList[++varnCount] = "varn " + std::to_string(i);
    }
    whileMainWindowOpen([] {
        // Two pickers open at once, with one slot left: the inner one takes it.
        inPicker([] {
            const WindowHandle outer = picker();
            inPicker([] { typeAndAdd("inner"); });
            EXPECT_EQ(MAX_VARNS, varnCount);
            fakeui::clickControl(outer, IDC_PICK_ADD);
            EXPECT_TRUE(fakeui::isAlive(outer));
        });
        const std::size_t dialogs = fakeui::dialogHandles().size();
        const std::size_t resets = fakeui::countCalls("listBoxReset");
        EXPECT_TRUE(click(IDC_ADD_VARN));
        EXPECT_EQ(dialogs, fakeui::dialogHandles().size());
        EXPECT_EQ(resets, fakeui::countCalls("listBoxReset"));
    });
    EXPECT_EQ(MAX_VARNS, varnCount);
    ASSERT_EQ(3u, fakeui::messages().size());
    EXPECT_EQ("Added.", fakeui::messages()[0].text);
    for (std::size_t i : {1u, 2u}) {
        EXPECT_EQ("Sorry, maximum varns reached (1,000).", fakeui::messages()[i].text);
        EXPECT_EQ("Maximum varns Reached", fakeui::messages()[i].title);
        EXPECT_EQ(ERROR_STYLE, fakeui::messages()[i].style);
    }
}

}  // namespace
