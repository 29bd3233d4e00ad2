#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/ui.h"
#include "win32/dialog_test_support.h"

namespace {

constexpr DWORD ADDED_STYLE = DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;
constexpr unsigned END_MARKER = WM_APP + 2;

struct NewDialogCase {
    const char* name;
    int x;
    int y;
    DWORD style;
    DWORD extendedStyle;
    DWORD expectedSet;
    DWORD expectedClear;
};

TEST(NewDialog, AddsAndRemovesStyleBitsAndStaysHidden) {
    const NewDialogCase cases[] = {
        {"placed", 10, 20, WS_SYSMENU | WS_MINIMIZEBOX, 0,
         ADDED_STYLE | WS_SYSMENU | WS_MINIMIZEBOX | WS_CAPTION, DS_CENTER | WS_VISIBLE},
        {"visible and system-modal asked", 10, 20, WS_SYSMENU | WS_VISIBLE | DS_SYSMODAL, 0,
         ADDED_STYLE, DS_CENTER | WS_VISIBLE | DS_SYSMODAL},
        {"x of -1 centres", -1, 300, WS_SYSMENU, 0, ADDED_STYLE | DS_CENTER, WS_VISIBLE},
        {"y of -1 centres", 300, -1, WS_SYSMENU, 0, ADDED_STYLE | DS_CENTER, WS_VISIBLE},
        {"extended style kept", 0, 0, WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW,
         ADDED_STYLE | WS_POPUP, DS_CENTER | WS_VISIBLE},
    };
    for (const NewDialogCase& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowHandle dialog =
            newDialog(0, "styles", c.x, c.y, 100, 50, c.style, c.extendedStyle);
        ASSERT_NE(0u, dialog);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(windowOf(dialog), GWL_STYLE));
        const DWORD extended = static_cast<DWORD>(GetWindowLongA(windowOf(dialog), GWL_EXSTYLE));
        EXPECT_EQ(c.expectedSet, style & c.expectedSet);
        EXPECT_EQ(0u, style & c.expectedClear);
        EXPECT_EQ(c.extendedStyle, extended & c.extendedStyle);
        EXPECT_EQ(0u, extended & WS_EX_TOPMOST);
        EXPECT_FALSE(IsWindowVisible(windowOf(dialog)));
        EXPECT_EQ(nullptr, GetWindow(windowOf(dialog), GW_CHILD));
        endDialog(dialog, 0);
    }
}

TEST(NewDialog, MinusOneCentresInTheWorkArea) {
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    for (const POINT position : {POINT{-1, 400}, POINT{400, -1}, POINT{-1, -1}}) {
        const WindowHandle dialog =
            newDialog(0, "centred", position.x, position.y, 253, 150, WS_SYSMENU, 0);
        RECT window = {};
        GetWindowRect(windowOf(dialog), &window);
        EXPECT_NEAR((work.left + work.right) / 2, (window.left + window.right) / 2, 1);
        EXPECT_NEAR((work.top + work.bottom) / 2, (window.top + window.bottom) / 2, 1);
        endDialog(dialog, 0);
    }
}

TEST(NewDialog, TitleIsTheCaptionCutOrOneSpace) {
    const struct {
        std::string caption;
        std::string title;
    } cases[] = {
        {"Brimlock - 1.00", "Brimlock - 1.00"},
        {"", " "},
        {std::string(300, 'c'), std::string(256, 'c')},
        {std::string("before\0after", 12), "before"},
    };
    for (const auto& c : cases) {
        const WindowHandle dialog = newDialog(0, c.caption, 0, 0, 100, 50, WS_SYSMENU, 0);
        EXPECT_EQ(c.title, textOf(windowOf(dialog)));
        endDialog(dialog, 0);
    }
}

TEST(NewDialog, UsesTheEightPointDialogFont) {
    const WindowHandle dialog = newDialog(0, "font", 0, 0, 100, 50, WS_SYSMENU, 0);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(windowOf(dialog), WM_GETFONT, 0, 0));
    ASSERT_NE(nullptr, font);
    LOGFONTA logical = {};
    ASSERT_NE(0, GetObjectA(font, sizeof logical, &logical));
    EXPECT_STREQ("MS Sans Serif", logical.lfFaceName);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(-MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), logical.lfHeight);
    ReleaseDC(nullptr, screen);
    endDialog(dialog, 0);
}

class DialogRouting : public ::testing::Test {
  protected:
    void SetUp() override {
        resetHandlerSlots();
        dialog = newDialog(0, "routing", 0, 0, 120, 60, WS_SYSMENU, 0);
    }
    void TearDown() override { endDialog(dialog, 0); }

    // Runs the dialog until the handler ends it; every message posted before
    // is dispatched in order by the modal run.
    std::int32_t run() {
        ModalWatchdog watchdog;
        std::int32_t result = -1;
        showModal(dialog, scriptedHandler<0>, &result);
        EXPECT_FALSE(watchdog.fired());
        return result;
    }
    void postEndMarker() { PostMessageA(windowOf(dialog), END_MARKER, 0, 0); }

    WindowHandle dialog = 0;
};

// The end marker goes round the queue twice more before it ends the dialog,
// so that whatever the messages before it posted in turn is handled first.
std::int32_t endOnThirdMarker(WindowHandle dialog, unsigned message, MessageWParam wParam,
                              MessageLParam) {
    if (message == END_MARKER) {
        if (wParam < 2) {
            PostMessageA(windowOf(dialog), END_MARKER, wParam + 1, 0);
        } else {
            endDialog(dialog, 7);
        }
    }
    return 0;
}

std::vector<int> commandIds(int slot) {
    std::vector<int> ids;
    for (const LoggedMessage& logged : handlerSlot(slot).log) {
        if (logged.message == WM_COMMAND) {
            ids.push_back(LOWORD(logged.wParam));
        }
    }
    return ids;
}

std::int32_t passOn(WindowHandle, unsigned, MessageWParam, MessageLParam) {
    return 0;
}
std::int32_t stopHere(WindowHandle, unsigned, MessageWParam, MessageLParam) {
    return 1;
}

TEST_F(DialogRouting, ControlHandlerReturningNonZeroStopsTheDialogHandler) {
    addControl(dialog, ControlKind::PushButton, 10, "passes", 0, 0, 40, 14, 0, 0, passOn, nullptr);
    addControl(dialog, ControlKind::PushButton, 11, "stops", 0, 20, 40, 14, 0, 0, stopHere,
               nullptr);
    addControl(dialog, ControlKind::PushButton, 12, "none", 0, 40, 40, 14, 0, 0, nullptr, nullptr);
    for (const int id : {10, 11, 12}) {
        HWND button = GetDlgItem(windowOf(dialog), id);
        PostMessageA(windowOf(dialog), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
    PostMessageA(GetDlgItem(windowOf(dialog), 12), BM_CLICK, 0, 0);
    handlerSlot(0).script = endOnThirdMarker;
    postEndMarker();
    EXPECT_EQ(7, run());
    EXPECT_EQ((std::vector<int>{10, 12, 12}), commandIds(0));
}

TEST_F(DialogRouting, NonZeroResultsBecomeTheMessageResult) {
    std::vector<LRESULT> results;
    handlerSlot(0).script = [&](WindowHandle d, unsigned message, MessageWParam wParam,
                                MessageLParam) -> std::int32_t {
        HWND window = windowOf(d);
        switch (message) {
            case WM_APP:
                results.push_back(SendMessageA(window, WM_APP + 1, 0, 0));
                results.push_back(SendMessageA(window, WM_APP + 1, 1, 0));
                results.push_back(SendMessageA(window, WM_APP + 1, 2, 0));
                results.push_back(SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0));
                endDialog(d, 1);
                return 0;
            case WM_APP + 1:
                if (wParam == 1) {
                    SetWindowLongPtrA(window, DWLP_MSGRESULT, 9);  // already set: stands
                }
                return wParam == 2 ? 0 : 5;
            default:
                return 0;
        }
    };
    PostMessageA(windowOf(dialog), WM_APP, 0, 0);
    EXPECT_EQ(1, run());
    EXPECT_EQ((std::vector<LRESULT>{5, 9, 0, 0}), results);
    for (const LoggedMessage& logged : handlerSlot(0).log) {
        EXPECT_FALSE(logged.message == WM_ACTIVATE && LOWORD(logged.wParam) <= WA_CLICKACTIVE);
    }
}

TEST_F(DialogRouting, CloseCommandEndsWithWmCloseThenWmDestroy) {
    PostMessageA(windowOf(dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(0, run());
    EXPECT_FALSE(IsWindow(windowOf(dialog)));
    std::vector<unsigned> ending;
    for (const LoggedMessage& logged : handlerSlot(0).log) {
        if (logged.message == WM_CLOSE || logged.message == WM_DESTROY) {
            ending.push_back(logged.message);
        }
    }
    EXPECT_EQ((std::vector<unsigned>{WM_CLOSE, WM_DESTROY}), ending);
}

struct StaysOpenCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    int expectedCommand;  // the command the handler should see, 0 for none
    bool handlerTakesSysCommands;
};

TEST_F(DialogRouting, WmCloseEscEnterOtherAndHandledSystemCommandsLeaveItOpen) {
    const StaysOpenCase cases[] = {
        {"WM_CLOSE", WM_CLOSE, 0, IDCANCEL, false},
        {"Esc", WM_KEYDOWN, VK_ESCAPE, IDCANCEL, false},
        {"Enter with no default button", WM_KEYDOWN, VK_RETURN, IDOK, false},
        {"IDOK", WM_COMMAND, IDOK, IDOK, false},
        {"IDCANCEL", WM_COMMAND, IDCANCEL, IDCANCEL, false},
        {"SC_CLOSE with low bits", WM_SYSCOMMAND, SC_CLOSE | 2, IDCANCEL, false},
        {"SC_CLOSE handled by the handler", WM_SYSCOMMAND, SC_CLOSE, 0, true},
    };
    for (const StaysOpenCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (!IsWindow(windowOf(dialog))) {
            SetUp();
        }
        resetHandlerSlots();
        handlerSlot(0).script = [&c](WindowHandle d, unsigned message, MessageWParam wParam,
                                     MessageLParam lParam) -> std::int32_t {
            if (c.handlerTakesSysCommands && message == WM_SYSCOMMAND) {
                return 1;
            }
            return endOnThirdMarker(d, message, wParam, lParam);
        };
        PostMessageA(windowOf(dialog), c.message, c.wParam, 0);
        postEndMarker();
        EXPECT_EQ(7, run());
        EXPECT_FALSE(IsWindow(windowOf(dialog)));
        const std::vector<int> commands = commandIds(0);
        EXPECT_EQ(c.expectedCommand == 0 ? std::vector<int>{} : std::vector<int>{c.expectedCommand},
                  commands);
    }
}

}  // namespace
