// Where the keyboard focus goes in the service's dialogs: back to the control
// that had it when the dialog is activated again, to the first tab-stop
// control when a dialog opens.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "ui/ui.h"
#include "win32/dialog_test_support.h"
#include "win32/test_windows.h"

namespace {

constexpr int FIRST = 10;
constexpr int SECOND = 11;
constexpr int LIST = 12;
constexpr unsigned END_MARKER = WM_APP + 2;
constexpr DWORD NO_TAB_STOP_LIST = WS_VSCROLL;  // unsorted, no border, no tab stop

void addButton(WindowHandle dialog, int id, int y) {
    addControl(dialog, ControlKind::PushButton, id, "button", 10, y, 60, 14, 0, 0, nullptr,
               nullptr);
}

// Two buttons and a list box, all tab stops.
void twoButtonsAndAList(WindowHandle dialog) {
    addButton(dialog, FIRST, 5);
    addButton(dialog, SECOND, 25);
    addControl(dialog, ControlKind::ListBox, LIST, "", 80, 5, 70, 60, 0, 0, nullptr, nullptr);
}

// Builds a centred dialog (clear of the test windows at the screen's corner),
// runs it modally and, once it is shown, runs the scenario inside the run.
// Then the dialog ends by itself after a few more trips round the queue; the
// result is 7 unless something else ended it first.
std::int32_t runScenario(const std::function<void(WindowHandle)>& build,
                         const std::function<void(HWND)>& scenario) {
    resetHandlerSlots();
    ModalWatchdog watchdog;
    const WindowHandle dialog =
        newDialog(0, "focus", -1, -1, 160, 100, WS_SYSMENU | WS_MINIMIZEBOX, 0);
    build(dialog);
    handlerSlot(0).script = [&](WindowHandle d, unsigned message, MessageWParam wParam,
                                MessageLParam) {
        if (message == WM_APP) {
            if (takeTheForeground(windowOf(d))) {
                scenario(windowOf(d));
            }
            PostMessageA(windowOf(d), END_MARKER, 0, 0);
        } else if (message == END_MARKER && wParam < 2) {
            PostMessageA(windowOf(d), END_MARKER, wParam + 1, 0);
        } else if (message == END_MARKER) {
            endDialog(d, 7);
        }
        return 0;
    };
    PostMessageA(windowOf(dialog), WM_APP, 0, 0);
    std::int32_t result = -1;
    showModal(dialog, scriptedHandler<0>, &result);
    EXPECT_FALSE(watchdog.fired());
    return result;
}

bool focusComesTo(HWND control) {
    return pumpUntil([control] { return GetFocus() == control; }, 2000);
}

// Another window of the thread takes the activation from the dialog.
void activate(HWND other) {
    SetActiveWindow(other);
    EXPECT_TRUE(pumpUntil([other] { return GetActiveWindow() == other; }, 2000));
}

TEST(DialogFocus, ComesBackToTheControlThatHadItAfterADeactivation) {
    const struct {
        const char* name;
        std::function<void(HWND)> deactivate;
    } cases[] = {
        {"another window activated, then this one",
         [](HWND dialog) {
             testwin::OwnWindow other(testwin::uniqueCaption("other"));
             activate(other.hwnd());
             SetActiveWindow(dialog);
         }},
        {"a prompt opened and cancelled",
         [](HWND) {
             std::thread canceller([] {
                 if (HWND prompt = findDialogByTitle("focus prompt")) {
                     PostMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
                 }
             });
             showPrompt("Cancel me", "focus prompt", "", -1, -1);
             canceller.join();
         }},
        {"minimised and restored",
         [](HWND dialog) {
             SendMessageA(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0);
             EXPECT_TRUE(IsIconic(dialog));
             SendMessageA(dialog, WM_SYSCOMMAND, SC_RESTORE, 0);
         }},
        {"focused itself while it stays active (WM_SETFOCUS alone, as Windows restores it)",
         [](HWND dialog) {
             testwin::OwnWindow other(testwin::uniqueCaption("other"));
             activate(other.hwnd());
             SetActiveWindow(dialog);
             ASSERT_TRUE(focusComesTo(GetDlgItem(dialog, SECOND)));
             SetFocus(dialog);
         }},
    };
    foregroundRefused = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(7, runScenario(twoButtonsAndAList, [&](HWND dialog) {
                      HWND second = GetDlgItem(dialog, SECOND);
                      SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(second), TRUE);
                      ASSERT_EQ(second, GetFocus());
                      c.deactivate(dialog);
                      EXPECT_TRUE(focusComesTo(second)) << GetDlgCtrlID(GetFocus());
                  }));
        if (foregroundRefused) {
            GTEST_SKIP() << FOREGROUND_REFUSED;
        }
    }
}

// The prompt keeps its place the same way. Run on the prompt's thread by a
// timer that its loop dispatches: Cancel focused, the prompt deactivated and
// activated again, then given the focus itself.
int promptFocusAfterwards = 0;
void CALLBACK refocusPrompt(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND prompt = findDialogByTitle("refocused prompt");
    ASSERT_NE(nullptr, prompt);
    HWND cancel = GetDlgItem(prompt, IDCANCEL);
    if (!takeTheForeground(prompt)) {
        PostMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    SendMessageA(prompt, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(cancel), TRUE);
    testwin::OwnWindow other(testwin::uniqueCaption("other"));
    activate(other.hwnd());
    SetActiveWindow(prompt);
    EXPECT_TRUE(focusComesTo(cancel));
    SetFocus(prompt);
    promptFocusAfterwards = GetDlgCtrlID(GetFocus());
    PostMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
}

TEST(DialogFocus, ComesBackToCancelInThePromptWhenThePromptIsFocusedItself) {
    ModalWatchdog watchdog;
    foregroundRefused = false;
    SetTimer(nullptr, 0, 10, refocusPrompt);
    showPrompt("Refocus me", "refocused prompt", "", -1, -1);
    EXPECT_FALSE(watchdog.fired());
    if (foregroundRefused) {
        GTEST_SKIP() << FOREGROUND_REFUSED;
    }
    EXPECT_EQ(IDCANCEL, promptFocusAfterwards);
}

// A dialog built like the window picker: a text box, a list box that is no
// tab stop, a push button, and no IDOK or IDCANCEL control; here after a
// label, which Tab passes over.
void pickerLike(WindowHandle dialog) {
    addControl(dialog, ControlKind::Label, 0, "label", 10, 5, 60, 10, 0, 0, nullptr, nullptr);
    addControl(dialog, ControlKind::TextBox, FIRST, "enter text here", 10, 15, 100, 14, 0, 0,
               nullptr, nullptr);
    addControl(dialog, ControlKind::ListBox, LIST, "", 10, 30, 100, 40, NO_TAB_STOP_LIST, 0,
               nullptr, nullptr);
    addButton(dialog, SECOND, 75);
}

// An opening dialog focuses its first tab stop: typing goes straight into the
// picker's text box, replacing its text. Enter and Esc there leave it open.
TEST(DialogFocus, OpensWithTheFocusInThePickersTextBoxAndEnterAndEscLeaveItOpen) {
    std::string typed;
    foregroundRefused = false;
    EXPECT_EQ(7, runScenario(pickerLike, [&](HWND dialog) {
                  HWND text = GetDlgItem(dialog, FIRST);
                  EXPECT_EQ(text, GetFocus());
                  SendMessageA(GetFocus(), WM_CHAR, 'x', 1);
                  typed = textOf(text);
                  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
                      PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
                      PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);
                  }
              }));
    if (foregroundRefused) {
        GTEST_SKIP() << FOREGROUND_REFUSED;
    }
    EXPECT_EQ("x", typed);
}

}  // namespace
