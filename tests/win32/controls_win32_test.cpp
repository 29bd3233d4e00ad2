#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/ui.h"
#include "support/remote_window_win32.h"
#include "win32/dialog_test_support.h"

namespace {

constexpr int ID = 555;

class Controls : public ::testing::Test {
  protected:
    void SetUp() override { dialog = newDialog(0, "controls", 0, 0, 253, 150, WS_SYSMENU, 0); }
    void TearDown() override { endDialog(dialog, 0); }

    HWND add(ControlKind kind, DWORD style, DWORD extendedStyle = 0,
             const std::vector<std::string>* rows = nullptr) {
        addControl(dialog, kind, ID, "text", 10, 14, 230, 65, style, extendedStyle, nullptr, rows);
        return GetDlgItem(windowOf(dialog), ID);
    }

    WindowHandle dialog = 0;
};

struct StyleCase {
    const char* name;
    ControlKind kind;
    DWORD style;
    DWORD extendedStyle;
    const char* className;
    DWORD expectedStyle;
    DWORD expectedExtendedStyle;
};

// Rows enough to need a scroll bar, which a list box shows (and reports in
// its style) only when its rows overflow.
const std::vector<std::string> MANY_ROWS = [] {
    std::vector<std::string> rows(1);
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        rows.push_back(std::string(1, letter));
    }
    return rows;
}();

TEST_F(Controls, StylesResolveFromTheKind) {
    const StyleCase cases[] = {
        {"button default", ControlKind::PushButton, 0, 0, "Button", 0x50010000, 0},
        {"label default", ControlKind::Label, 0, 0, "Static", 0x50000000, 0},
        {"text box default: border becomes an edge", ControlKind::TextBox, 0, 0, "Edit", 0x50010080,
         WS_EX_CLIENTEDGE},
        {"list box default: border becomes an edge", ControlKind::ListBox, 0, 0, "ListBox",
         0x50210003, WS_EX_CLIENTEDGE},
        {"list box given WS_VSCROLL alone", ControlKind::ListBox, WS_VSCROLL, 0, "ListBox",
         WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 0},
        {"text box without border", ControlKind::TextBox, WS_TABSTOP, 0, "Edit",
         WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0},
        {"label with its own bits and extended style", ControlKind::Label, SS_CENTER,
         WS_EX_STATICEDGE, "Static", WS_CHILD | WS_VISIBLE | SS_CENTER, WS_EX_STATICEDGE},
        {"button keeps a flat border", ControlKind::PushButton, WS_BORDER, 0, "Button",
         WS_CHILD | WS_VISIBLE | WS_BORDER, 0},
    };
    for (const StyleCase& c : cases) {
        SCOPED_TRACE(c.name);
        HWND control = add(c.kind, c.style, c.extendedStyle, &MANY_ROWS);
        ASSERT_NE(nullptr, control);
        char className[32] = {};
        GetClassNameA(control, className, sizeof className);
        EXPECT_STREQ(c.className, className);
        EXPECT_EQ(c.expectedStyle, static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)));
        EXPECT_EQ(c.expectedExtendedStyle,
                  static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)));
        DestroyWindow(control);
    }
}

TEST_F(Controls, PlacedInPixelsOfTheDialogFontAndGivenThatFont) {
    HWND control = add(ControlKind::Label, 0);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(windowOf(dialog), WM_GETFONT, 0, 0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(font), SendMessageA(control, WM_GETFONT, 0, 0));

    // Dialog base units measured from the font as the system defines them.
    HDC context = GetDC(windowOf(dialog));
    const HGDIOBJ old = SelectObject(context, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(context, &metrics);
    SIZE alphabet = {};
    GetTextExtentPoint32A(context, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                          &alphabet);
    SelectObject(context, old);
    ReleaseDC(windowOf(dialog), context);
    const int baseX = (alphabet.cx / 26 + 1) / 2;
    const int baseY = metrics.tmHeight;
    ASSERT_GT(baseX, 0);

    RECT placed = {};
    GetWindowRect(control, &placed);
    MapWindowPoints(nullptr, windowOf(dialog), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(MulDiv(10, baseX, 4), placed.left);
    EXPECT_EQ(MulDiv(14, baseY, 8), placed.top);
    EXPECT_EQ(MulDiv(240, baseX, 4), placed.right);
    EXPECT_EQ(MulDiv(79, baseY, 8), placed.bottom);
}

TEST_F(Controls, ListBoxFillingStopsAtTheFirstEmptyRow) {
    const struct {
        const char* name;
        std::vector<std::string> rows;
        std::vector<std::string> shown;
    } cases[] = {
        {"row 3 empty", {"", "one", "two", "", "four"}, {"one", "two"}},
        {"row starting with NUL", {"", "one", std::string("\0two", 4), "three"}, {"one"}},
        {"every row full", {"", "one", "two", "three"}, {"one", "two", "three"}},
        {"row 1 empty", {"", "", "two"}, {}},
        {"slot 0 only", {"zero"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND listBox = add(ControlKind::ListBox, WS_VSCROLL, 0, &c.rows);
        EXPECT_EQ(c.shown, listBoxRows(listBox));
        DestroyWindow(listBox);
    }
    EXPECT_TRUE(listBoxRows(add(ControlKind::ListBox, 0)).empty());
}

TEST_F(Controls, DefaultListBoxSortsAndAnUnsortedOneKeepsCallOrder) {
    const std::vector<std::string> rows = {"", "pear", "Apple", "fig"};
    HWND sorted = add(ControlKind::ListBox, 0, 0, &rows);
    listBoxAdd(dialog, ID, "banana");
    EXPECT_EQ((std::vector<std::string>{"Apple", "banana", "fig", "pear"}), listBoxRows(sorted));
    DestroyWindow(sorted);

    HWND unsorted = add(ControlKind::ListBox, WS_VSCROLL, 0, &rows);
    listBoxAdd(dialog, ID, "banana");
    EXPECT_EQ((std::vector<std::string>{"pear", "Apple", "fig", "banana"}), listBoxRows(unsorted));
}

// What the list box's client area shows, pixel by pixel.
std::vector<COLORREF> pixelsOf(HWND listBox) {
    RECT client = {};
    GetClientRect(listBox, &client);
    HDC context = GetDC(listBox);
    std::vector<COLORREF> pixels;
    for (int y = client.top; y < client.bottom; ++y) {
        for (int x = client.left; x < client.right; ++x) {
            pixels.push_back(GetPixel(context, x, y));
        }
    }
    ReleaseDC(listBox, context);
    return pixels;
}

void refill(WindowHandle dialog, const std::vector<std::string>& rows) {
    listBoxReset(dialog, ID);
    for (const std::string& row : rows) {
        listBoxAdd(dialog, ID, row);
    }
}

TEST_F(Controls, RefillWithRedrawOffShowsTheSameRowsOnceRedrawIsOn) {
    // More rows than fit, in no order, case mixed: the sort and the scroll bar both work.
    std::vector<std::string> rows;
    for (int i = 0; i < 26; ++i) {
        const char letter = static_cast<char>((i % 2 ? 'A' : 'a') + i * 7 % 26);
        rows.push_back(std::string(1, letter) + " row " + std::to_string(i));
    }
    HWND listBox = add(ControlKind::ListBox, 0);
    ShowWindow(windowOf(dialog), SW_SHOW);
    UpdateWindow(windowOf(dialog));
    const std::vector<COLORREF> empty = pixelsOf(listBox);

    setControlRedraw(dialog, ID, false);
    refill(dialog, rows);
    UpdateWindow(windowOf(dialog));
    EXPECT_TRUE(pixelsOf(listBox) == empty) << "rows were painted while redraw was off";
    setControlRedraw(dialog, ID, true);
    UpdateWindow(windowOf(dialog));
    EXPECT_FALSE(pixelsOf(listBox) == empty) << "the new rows do not show";
    EXPECT_TRUE(IsWindowVisible(listBox));

    const std::vector<std::string> refilled = listBoxRows(listBox);
    EXPECT_EQ(rows.size(), refilled.size());
    SendMessageA(listBox, LB_SETCURSEL, 3, 0);
    refill(dialog, rows);
    EXPECT_EQ(listBoxRows(listBox), refilled) << "differs from a plain refill";
    EXPECT_EQ(LB_ERR, SendMessageA(listBox, LB_GETCURSEL, 0, 0));

    SendMessageA(listBox, LB_SETCURSEL, 3, 0);
    setControlRedraw(dialog, ID, false);
    refill(dialog, rows);
    setControlRedraw(dialog, ID, true);
    EXPECT_EQ(listBoxRows(listBox), refilled);
    EXPECT_EQ(LB_ERR, SendMessageA(listBox, LB_GETCURSEL, 0, 0));
}

TEST_F(Controls, SelectedTextIsTheRowAsAddedOrEmpty) {
    const std::vector<std::string> rows = {"", " Spaced  Row ", "other"};
    HWND listBox = add(ControlKind::ListBox, WS_VSCROLL, 0, &rows);
    EXPECT_EQ("", listBoxSelectedText(dialog, ID));
    SendMessageA(listBox, LB_SETCURSEL, 0, 0);
    EXPECT_EQ(" Spaced  Row ", listBoxSelectedText(dialog, ID));
    listBoxReset(dialog, ID);
    EXPECT_EQ(0, SendMessageA(listBox, LB_GETCOUNT, 0, 0));
    EXPECT_EQ("", listBoxSelectedText(dialog, ID));
    EXPECT_EQ("", listBoxSelectedText(dialog, 999));  // no such control
}

TEST_F(Controls, ControlTextRoundTrips) {
    add(ControlKind::TextBox, 0);
    for (const std::string& text :
         {std::string(), std::string("Delay: 6.0"), std::string(1000, 'x') + "end"}) {
        setControlText(dialog, ID, text);
        EXPECT_EQ(text, getControlText(dialog, ID));
    }
    EXPECT_EQ("", getControlText(dialog, 999));
}

TEST_F(Controls, OnlyADefaultPushButtonBecomesTheDefault) {
    add(ControlKind::PushButton, 0);
    EXPECT_NE(MAKELONG(ID, DC_HASDEFID), SendMessageA(windowOf(dialog), DM_GETDEFID, 0, 0));
    addControl(dialog, ControlKind::PushButton, 33, "default", 0, 0, 40, 14,
               WS_TABSTOP | BS_DEFPUSHBUTTON, 0, nullptr, nullptr);
    EXPECT_EQ(MAKELONG(33, DC_HASDEFID), SendMessageA(windowOf(dialog), DM_GETDEFID, 0, 0));
}

}  // namespace
