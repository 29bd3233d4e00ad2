// The real brimlock.exe's main window, looked at and used from outside as a
// person would: its caption, controls and styles, the keys that must not
// close it and the ways that do.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// <windows.h> names a cursor IDC_HELP; here it is the help button's id.
#undef IDC_HELP
#include "app/main_controls.h"
#include "help/notice.h"
#include "e2e/brimlock_e2e_fixture.h"
#include "ui/ui.h"

namespace {

// brimlock.exe's manifest asks for per-monitor awareness v2, else system
// awareness: so does this program, before any window, so that on a scaled
// screen its reference dialog is measured at the scale brimlock.exe's windows
// have, and not through Windows' scaling of a program that is not aware.
[[maybe_unused]] const bool DPI_AWARE = [] {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    const auto set = reinterpret_cast<SetContext>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext")));
    const HANDLE perMonitorV2 = reinterpret_cast<HANDLE>(-4);
    return (set != nullptr && set(perMonitorV2)) || SetProcessDPIAware();
}();

RECT rectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct ControlRow {
    int id;
    const char* className;
    const char* caption;  // null: the countdown's, checked by its own test
    int x, y, width, height;
    DWORD style;
    DWORD extendedStyle;
};

const DWORD BUTTON_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
const ControlRow CONTROLS[] = {
    {IDC_ADD_VARN, "Button", "Add new varn", 10, 77, 80, 14, BUTTON_STYLE, 0},
    {IDC_EDIT_VARN, "Button", "Edit varn", 10, 94, 80, 14, BUTTON_STYLE, 0},
    {IDC_REMOVE_VARN, "Button", "Remove varn", 10, 111, 80, 14, BUTTON_STYLE, 0},
    {IDC_DELAY, "Button", "Delay: 6.0", 95, 77, 45, 14, BUTTON_STYLE, 0},
    {IDC_ACTIVATE, "Button", nullptr, 95, 94, 45, 14, BUTTON_STYLE, 0},
    {IDC_HELP, "Button", "?", 177, 77, 63, 47, BUTTON_STYLE, 0},
    {IDC_VARN_LIST, "ListBox", "", 10, 14, 230, 65,
     WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT, WS_EX_CLIENTEDGE},
    {IDC_NOTICE, "Static", NOTICE_TEXT, 10, 0, 230, 11, WS_CHILD | WS_VISIBLE | SS_LEFT, 0},
};

class MainWindowE2eTest : public BrimlockE2eTest {
  protected:
    // Pixels of a dialog-unit rectangle in a dialog made here with the same
    // font, which is what the program's own conversion gives.
    static RECT pixels(int x, int y, int width, int height) {
        static HWND reference = reinterpret_cast<HWND>(
            newDialog(0, "reference", 0, 0, 253, 150, WS_SYSMENU | WS_MINIMIZEBOX, 0));
        RECT rect = {x, y, x + width, y + height};
        MapDialogRect(reference, &rect);
        return rect;
    }
};

TEST_F(MainWindowE2eTest, CaptionStylesSizeAndPlace) {
    startWith("");
    EXPECT_EQ("Brimlock - 1.00", textOf(window));
    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    const DWORD wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFONT | DS_NOFAILCREATE |
                         DS_3DLOOK | DS_CENTER | WS_VISIBLE;
    EXPECT_EQ(wanted, style & wanted);
    EXPECT_EQ(0u, style & (WS_POPUP | WS_CHILD | WS_MAXIMIZEBOX | WS_THICKFRAME | DS_SYSMODAL));
    EXPECT_EQ(nullptr, GetWindow(window, GW_OWNER));

    // The dialog manager sizes the frame from the requested style, which has
    // no caption yet: the window, frame included, is 253 x 150 units.
    RECT frame;
    GetWindowRect(window, &frame);
    const RECT size = pixels(0, 0, 253, 150);
    EXPECT_EQ(size.right, frame.right - frame.left);
    EXPECT_EQ(size.bottom, frame.bottom - frame.top);

    // Centred in the work area.
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((work.left + work.right) / 2, (frame.left + frame.right) / 2, 2);
    EXPECT_NEAR((work.top + work.bottom) / 2, (frame.top + frame.bottom) / 2, 2);
    // The big icon cannot be read from another process under Wine (WM_GETICON
    // is not passed on): the Win32 tests set it in one process, the unit tests
    // check that the main window asks for "AAA" of "brimlock.exe".
}

TEST_F(MainWindowE2eTest, TheEightControlsInTabOrder) {
    startWith("");
    HWND previous = nullptr;
    for (const ControlRow& row : CONTROLS) {
        SCOPED_TRACE(row.id);
        HWND item = control(row.id);
        ASSERT_NE(nullptr, item);
        EXPECT_EQ(0, lstrcmpiA(row.className, classOf(item).c_str()));
        if (row.caption != nullptr) {
            EXPECT_EQ(row.caption, textOf(item));
        }
        // A list box too short to scroll hides its scroll bar, WS_VSCROLL included.
        const DWORD shown = static_cast<DWORD>(GetWindowLongA(item, GWL_STYLE)) & ~WS_GROUP;
        EXPECT_EQ(row.style & ~WS_VSCROLL, shown & ~WS_VSCROLL);
        EXPECT_EQ(row.extendedStyle,
                  static_cast<DWORD>(GetWindowLongA(item, GWL_EXSTYLE)) & ~WS_EX_NOPARENTNOTIFY);
        const RECT want = pixels(row.x, row.y, row.width, row.height);
        const RECT got = rectInParent(item);
        EXPECT_EQ(want.left, got.left);
        EXPECT_EQ(want.top, got.top);
        EXPECT_EQ(want.right - want.left, got.right - got.left);
        if (row.id != IDC_VARN_LIST) {  // the list box keeps to whole rows
            EXPECT_EQ(want.bottom - want.top, got.bottom - got.top);
        }
        // Creation order is the order of the child windows.
        if (previous != nullptr) {
            EXPECT_EQ(item, GetWindow(previous, GW_HWNDNEXT));
        }
        previous = item;
    }
}

TEST_F(MainWindowE2eTest, AListLongerThanTheBoxGetsAScrollBar) {
    std::string lines;
    for (int i = 1; i <= 40; ++i) {
        lines += uniqueCaption("varn") + " " + std::to_string(i) + "\r\n";
    }
    startWith(lines);
    HWND list = control(IDC_VARN_LIST);
    EXPECT_EQ(40, SendMessageA(list, LB_GETCOUNT, 0, 0));
    EXPECT_NE(0, GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(MainWindowE2eTest, ListBoxShowsTheVarnsInItsOwnOrderAndTheFileKeepsItsOrder) {
    const std::string zeta = uniqueCaption("Zeta");
    const std::string alpha = uniqueCaption("alpha");
    const std::string mid = "  " + uniqueCaption("Mid") + "  ";
    startWith(zeta + "\r\n" + alpha + "\r\n" + mid + "\r\n");
    EXPECT_EQ((std::vector<std::string>{mid, alpha, zeta}), listBoxRows(control(IDC_VARN_LIST)));
    EXPECT_EQ(LB_ERR, SendMessageA(control(IDC_VARN_LIST), LB_GETCURSEL, 0, 0));
    ASSERT_TRUE(brimlock.closeAndWait());
    EXPECT_EQ(0u, brimlock.exitCode());
    EXPECT_EQ(zeta + "\r\n" + alpha + "\r\n" + mid + "\r\n",
              readWholeFile(folder.file("brimlock.ini")));
}

TEST_F(MainWindowE2eTest, EscAndEnterLeaveTheWindowOpen) {
    startWith("");
    HWND list = control(IDC_VARN_LIST);
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        PostMessageA(list, WM_KEYDOWN, key, 1);
        PostMessageA(list, WM_KEYUP, key, 0xC0000001);
    }
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(brimlock.waitForExit(1500));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(brimlock.closeAndWait());
    EXPECT_EQ(0u, brimlock.exitCode());
}

TEST_F(MainWindowE2eTest, StartedMinimisedItIsStillShownNormally) {
    startWith("", SW_SHOWMINIMIZED);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(MainWindowE2eTest, AVarnMatchingItsOwnCaptionEndsItAtTheFirstSweep) {
    if (anotherBrimlockRuns()) {
        GTEST_SKIP() << ANOTHER_BRIMLOCK;
    }
    const std::string list = uniqueCaption("other") + "\r\nbrimlock - 1\r\n";
    ASSERT_TRUE(writeWholeFile(folder.file("brimlock.ini"), list));
    ASSERT_TRUE(brimlock.start(folder.path()));
    ASSERT_TRUE(brimlock.waitForExit(10000));
    EXPECT_EQ(0u, brimlock.exitCode());
    EXPECT_EQ(list, readWholeFile(folder.file("brimlock.ini")));
}

}  // namespace
