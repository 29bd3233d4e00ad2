#include "app/main_window.h"

#include <gtest/gtest.h>

#include <iterator>

#include "app/notice.h"
#include "list/varn_list.h"
#include "sweep/countdown.h"
#include "ui/win_constants.h"
#include "unit/main_window_harness.h"

namespace {

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, WindowProperties) {
    whileMainWindowOpen([] {});
    const fakeui::Dialog* window = fakeui::findDialog(mainDialog);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ("Brimlock - 1.00", window->caption);
    EXPECT_EQ(0u, window->parent);
    EXPECT_EQ(-1, window->x);
    EXPECT_EQ(-1, window->y);
    EXPECT_EQ(253, window->width);
    EXPECT_EQ(150, window->height);
    EXPECT_EQ(static_cast<std::uint32_t>(WS_SYSMENU | WS_MINIMIZEBOX), window->style);
    EXPECT_EQ(0u, window->extendedStyle);
    EXPECT_EQ("brimlock.exe", window->bigIconModule);
    EXPECT_EQ("AAA", window->bigIconName);
    EXPECT_EQ(1u, fakeui::dialogHandles().size());
}

TEST_F(MainWindowTest, ControlsInTabOrder) {
    const DialogHandler none = nullptr;
    const struct {
        ControlKind kind;
        int id;
        const char* text;
        int x, y, width, height;
        std::uint32_t style, extendedStyle;  // as the defaults resolve
        DialogHandler handler;
    } expected[] = {
        {ControlKind::PushButton, 444, "Add new varn", 10, 77, 80, 14, 0x50010000, 0, none},
        {ControlKind::PushButton, 449, "Edit varn", 10, 94, 80, 14, 0x50010000, 0, none},
        {ControlKind::PushButton, 454, "Remove varn", 10, 111, 80, 14, 0x50010000, 0, none},
        {ControlKind::PushButton, 334, "Delay: 6.0", 95, 77, 45, 14, 0x50010000, 0, onDelayClicked},
        {ControlKind::PushButton, 339, "", 95, 94, 45, 14, 0x50010000, 0, onActivateClicked},
        {ControlKind::PushButton, 344, "?", 177, 77, 63, 47, 0x50010000, 0, none},
        {ControlKind::ListBox, 555, "", 10, 14, 230, 65, 0x50210003, 0x200, none},
        {ControlKind::Label, 554, NOTICE_TEXT, 10, 0, 230, 11, 0x50000000, 0, none},
    };
    whileMainWindowOpen([] {});
    const std::vector<fakeui::Control>& controls = fakeui::findDialog(mainDialog)->controls;
    ASSERT_EQ(std::size(expected), controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i + 1));
        const fakeui::Control& control = controls[i];
        EXPECT_EQ(expected[i].kind, control.kind);
        EXPECT_EQ(expected[i].id, control.id);
        EXPECT_EQ(expected[i].text, control.text);
        EXPECT_EQ(expected[i].x, control.x);
        EXPECT_EQ(expected[i].y, control.y);
        EXPECT_EQ(expected[i].width, control.width);
        EXPECT_EQ(expected[i].height, control.height);
        EXPECT_EQ(0u, control.style);  // the kind's default
        EXPECT_EQ(0u, control.extendedStyle);
        EXPECT_EQ(expected[i].style, control.resolvedStyle);
        EXPECT_EQ(expected[i].extendedStyle, control.resolvedExtendedStyle);
        EXPECT_EQ(expected[i].handler, control.handler);
    }
}

TEST_F(MainWindowTest, DelayCaptionFollowsTheDelayAtCreation) {
    const struct {
        float delay;
        const char* caption;
    } cases[] = {{6.0f, "Delay: 6.0"}, {2.5f, "Delay: 2.5"}, {60.0f, "Delay: 60.0"}};
    for (const auto& c : cases) {
        SetUp();
        delaySeconds = c.delay;
        whileMainWindowOpen([] {});
        EXPECT_EQ(c.caption, textLeftIn(IDC_DELAY));
    }
}

TEST_F(MainWindowTest, ListBoxShowsTheVarnsSortedAndTheListKeepsItsOrder) {
    varnList[1] = "zeta";
    varnList[2] = "Alpha";
    varnList[3] = "mid";
    varnCount = 3;
    whileMainWindowOpen([] {
        EXPECT_EQ((std::vector<std::string>{"Alpha", "mid", "zeta"}),
                  fakeui::listBoxRows(mainDialog, IDC_VARN_LIST));
        EXPECT_EQ("", listBoxSelectedText(mainDialog, IDC_VARN_LIST));
    });
    EXPECT_EQ("zeta", varnList[1]);
    EXPECT_EQ("Alpha", varnList[2]);
    EXPECT_EQ("mid", varnList[3]);
}

TEST_F(MainWindowTest, BuiltHiddenThenRunWithTheCountdownHandler) {
    whileMainWindowOpen([] {
        EXPECT_TRUE(fakeui::findDialog(mainDialog)->visible);
        EXPECT_EQ(&mainDialogCallback, fakeui::findDialog(mainDialog)->handler);
    });
    const std::string window = std::to_string(mainDialog);
    const int created = fakeui::firstCall("newDialog " + window);
    const int icon = fakeui::firstCall("setBigIconFromModule " + window);
    const int firstControl = fakeui::firstCall("addControl " + window + " 444");
    const int notice = fakeui::firstCall("addControl " + window + " 554");
    const int run = fakeui::firstCall("showModal " + window);
    const int shown = fakeui::firstCall("show " + window);
    EXPECT_EQ(0, created);
    EXPECT_LT(created, icon);
    EXPECT_LT(icon, firstControl);
    EXPECT_LT(notice, run);
    EXPECT_LT(run, shown);
}

TEST_F(MainWindowTest, TimerLivesFromInitDialogToDestroy) {
    whileMainWindowOpen([] {
        EXPECT_TRUE(fakeui::hasTimer(mainDialog, IDT_COUNTDOWN));
        EXPECT_EQ(100u, fakeui::findDialog(mainDialog)->timers.at(IDT_COUNTDOWN));
    });
    const std::string window = std::to_string(mainDialog);
    const int init = fakeui::firstCall("WM_INITDIALOG " + window);
    const int set = fakeui::firstCall("setTimer " + window + " 1331 100");
    const int shown = fakeui::firstCall("show " + window);
    const int destroy = fakeui::firstCall("WM_DESTROY " + window);
    const int kill = fakeui::firstCall("killTimer " + window + " 1331");
    const int gone = fakeui::firstCall("WM_NCDESTROY " + window);
    EXPECT_LT(init, set);
    EXPECT_LT(set, shown);
    EXPECT_LT(destroy, kill);
    EXPECT_LT(kill, gone);
    EXPECT_EQ(1u, fakeui::countCalls("setTimer"));
    EXPECT_EQ(1u, fakeui::countCalls("killTimer"));
}

// Enter and Esc arrive as IDOK and IDCANCEL, which nothing handles.
TEST_F(MainWindowTest, EnterAndEscLeaveTheWindowOpen) {
    whileMainWindowOpen([] {
        fakeui::sendMessage(mainDialog, WM_COMMAND, IDOK, 0);
        fakeui::sendMessage(mainDialog, WM_COMMAND, IDCANCEL, 0);
        fakeui::sendMessage(mainDialog, WM_CLOSE, 0, 0);
        EXPECT_TRUE(fakeui::isAlive(mainDialog));
    });
    EXPECT_FALSE(fakeui::isAlive(mainDialog));
}

}  // namespace
