#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

#include "ui/ui.h"
#include "win32/dialog_test_support.h"
#include "win32/test_windows.h"

namespace {

class ModalLoop : public ::testing::Test {
  protected:
    void SetUp() override { resetHandlerSlots(); }
    void TearDown() override { EXPECT_FALSE(watchdog.fired()); }

    ModalWatchdog watchdog;
};

std::int32_t endOnApp(WindowHandle dialog, unsigned message, MessageWParam wParam, MessageLParam) {
    if (message == WM_APP) {
        endDialog(dialog, static_cast<std::int32_t>(wParam));
    }
    return 0;
}

TEST_F(ModalLoop, InitDialogOnceThenSizeBeforeTheWindowShowsAndTheRunEndsWhenItIsGone) {
    const struct {
        DWORD style;
        WPARAM sizeKind;
    } cases[] = {
        {WS_SYSMENU, SIZE_RESTORED},
        {WS_SYSMENU | WS_MINIMIZEBOX | WS_MINIMIZE, SIZE_MINIMIZED},
        {WS_SYSMENU | WS_MAXIMIZEBOX | WS_MAXIMIZE, SIZE_MAXIMIZED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sizeKind);
        resetHandlerSlots();
        const WindowHandle dialog = newDialog(0, "init", -1, -1, 200, 100, c.style, 0);
        RECT client = {};
        GetClientRect(windowOf(dialog), &client);
        handlerSlot(0).script = endOnApp;
        PostMessageA(windowOf(dialog), WM_APP, 42, 0);
        std::int32_t result = -1;
        showModal(dialog, scriptedHandler<0>, &result);

        const std::vector<LoggedMessage>& log = handlerSlot(0).log;
        ASSERT_GE(log.size(), 2u);
        EXPECT_EQ(WM_INITDIALOG, log[0].message);
        EXPECT_EQ(dialog, log[0].wParam);
        EXPECT_EQ(0, log[0].lParam);
        EXPECT_FALSE(log[0].visible);
        EXPECT_EQ(WM_SIZE, log[1].message);
        EXPECT_EQ(c.sizeKind, log[1].wParam);
        EXPECT_EQ(MAKELPARAM(client.right, client.bottom), log[1].lParam);
        EXPECT_FALSE(log[1].visible);
        const auto is = [](unsigned message) {
            return [message](const LoggedMessage& logged) { return logged.message == message; };
        };
        EXPECT_EQ(1, std::count_if(log.begin(), log.end(), is(WM_INITDIALOG)));
        const auto ending = std::find_if(log.begin(), log.end(), is(WM_APP));
        ASSERT_NE(log.end(), ending);
        EXPECT_TRUE(ending->visible);  // shown by the time it runs
        EXPECT_FALSE(IsWindow(windowOf(dialog)));
        EXPECT_EQ(42, result);
        endDialog(dialog, 9);  // harmless once gone
        EXPECT_EQ(42, result);
    }
}

// Windows gives a program's first SW_SHOW of a top-level window with a caption
// the show state its starter asked for (a shortcut set to run minimised or
// maximised, a hidden start). Wine does not, so the window is put in that
// state before the run shows it, or hidden again as the run's show ends.
TEST_F(ModalLoop, ComesUpNormalAndCentredWhateverStateTheStarterGaveIt) {
    for (const int starterState : {SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED, SW_HIDE}) {
        SCOPED_TRACE(starterState);
        const WindowHandle dialog =
            newDialog(0, "starter", -1, -1, 253, 150, WS_SYSMENU | WS_MINIMIZEBOX, 0);
        HWND window = windowOf(dialog);
        RECT normal = {};
        GetWindowRect(window, &normal);
        ShowWindow(window, starterState);
        ASSERT_TRUE(IsIconic(window) || IsZoomed(window) || !IsWindowVisible(window));
        RECT shown = {};
        bool restored = false;
        bool hidden = false;
        handlerSlot(0).script = [&](WindowHandle d, unsigned message, MessageWParam wParam,
                                    MessageLParam lParam) {
            if (message == WM_WINDOWPOSCHANGED && starterState == SW_HIDE && !hidden &&
                (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW)) {
                hidden = ShowWindow(window, SW_HIDE) != FALSE;
            }
            if (message == WM_APP) {
                restored = IsWindowVisible(window) && !IsIconic(window) && !IsZoomed(window);
                GetWindowRect(window, &shown);
            }
            return endOnApp(d, message, wParam, lParam);
        };
        PostMessageA(window, WM_APP, 0, 0);
        showModal(dialog, scriptedHandler<0>, nullptr);
        EXPECT_EQ(starterState == SW_HIDE, hidden);
        EXPECT_TRUE(restored);
        EXPECT_TRUE(EqualRect(&normal, &shown));  // centred as newDialog placed it
    }
}

TEST_F(ModalLoop, EndingOnWmCloseDoesNotRecurse) {
    const WindowHandle dialog = newDialog(0, "close", 0, 0, 100, 50, WS_SYSMENU, 0);
    handlerSlot(0).script = [](WindowHandle d, unsigned message, MessageWParam, MessageLParam) {
        if (message == WM_CLOSE) {
            endDialog(d, 8);
        }
        return 0;
    };
    PostMessageA(windowOf(dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
    std::int32_t result = -1;
    showModal(dialog, scriptedHandler<0>, &result);
    EXPECT_EQ(8, result);
}

TEST_F(ModalLoop, NestedRunsReturnInTurnWhileTheOuterDialogKeepsGettingMessages) {
    const WindowHandle outer = newDialog(0, "outer", 0, 0, 100, 50, WS_SYSMENU, 0);
    WindowHandle inner = 0;
    bool innerRunning = false;
    bool outerServedDuringInner = false;
    std::int32_t innerResult = -1;
    handlerSlot(0).script = [&](WindowHandle d, unsigned message, MessageWParam, MessageLParam) {
        if (message == WM_APP) {
            inner = newDialog(0, "inner", 20, 20, 100, 50, WS_SYSMENU, 0);
            handlerSlot(1).script = endOnApp;
            PostMessageA(windowOf(d), WM_APP + 1, 0, 0);
            PostMessageA(windowOf(inner), WM_APP, 2, 0);
            innerRunning = true;
            showModal(inner, scriptedHandler<1>, &innerResult);
            innerRunning = false;
            endDialog(d, 1);
        } else if (message == WM_APP + 1) {
            outerServedDuringInner = innerRunning && IsWindowEnabled(windowOf(d));
        }
        return 0;
    };
    PostMessageA(windowOf(outer), WM_APP, 0, 0);
    std::int32_t outerResult = -1;
    showModal(outer, scriptedHandler<0>, &outerResult);
    EXPECT_TRUE(outerServedDuringInner);
    EXPECT_EQ(2, innerResult);
    EXPECT_EQ(1, outerResult);
    EXPECT_FALSE(IsWindow(windowOf(inner)));
}

// The program's dialogs have no owner, so the one under a nested dialog or a
// prompt stays usable: its keys go through its own dialog handling although
// another loop runs. Here Tab in the outer dialog, pressed while the nested
// window is open, moves the focus from its first button to its second.
TEST_F(ModalLoop, TabWorksInTheDialogUnderANestedDialogOrAPrompt) {
    const char* const NESTED = "tab nested";
    const struct {
        const char* name;
        std::function<void()> runNested;  // returns once the nested window is gone
    } cases[] = {
        {"a picker-like dialog",
         [NESTED] {
             const WindowHandle inner = newDialog(0, NESTED, 20, 20, 100, 50, WS_SYSMENU, 0);
             addControl(inner, ControlKind::TextBox, 10, "text", 5, 5, 80, 14, 0, 0, nullptr,
                        nullptr);
             showModal(inner, nullptr, nullptr);
         }},
        {"a prompt", [NESTED] { showPrompt("Waiting", NESTED, "", -1, -1); }},
    };
    foregroundRefused = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        resetHandlerSlots();
        const WindowHandle outer = newDialog(0, "outer", -1, -1, 100, 60, WS_SYSMENU, 0);
        for (int id : {11, 12}) {
            addControl(outer, ControlKind::PushButton, id, "button", 5, 20 * id - 215, 60, 14, 0, 0,
                       nullptr, nullptr);
        }
        HWND first = GetDlgItem(windowOf(outer), 11);
        HWND second = GetDlgItem(windowOf(outer), 12);
        HWND nested = nullptr;
        HWND focusBefore = nullptr;
        HWND focusAfter = nullptr;
        handlerSlot(0).script = [&](WindowHandle d, unsigned message, MessageWParam,
                                    MessageLParam) {
            if (message == WM_APP) {
                PostMessageA(windowOf(d), WM_APP + 1, 0, 0);
                c.runNested();
                endDialog(d, 0);
            } else if (message == WM_APP + 1) {  // served by the nested window's loop
                nested = findDialogByTitle(NESTED);
                if (!takeTheForeground(windowOf(d))) {
                    PostMessageA(nested, WM_SYSCOMMAND, SC_CLOSE, 0);
                    return 0;
                }
                SetActiveWindow(windowOf(d));
                SendMessageA(windowOf(d), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
                focusBefore = GetFocus();
                PostMessageA(focusBefore, WM_KEYDOWN, VK_TAB, 1);
                PostMessageA(focusBefore, WM_KEYUP, VK_TAB, 0xC0000001);
                PostMessageA(windowOf(d), WM_APP + 2, 0, 0);
            } else if (message == WM_APP + 2) {
                focusAfter = GetFocus();
                PostMessageA(nested, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            return 0;
        };
        PostMessageA(windowOf(outer), WM_APP, 0, 0);
        showModal(outer, scriptedHandler<0>, nullptr);
        ASSERT_NE(nullptr, nested);
        if (foregroundRefused) {
            GTEST_SKIP() << FOREGROUND_REFUSED;
        }
        EXPECT_EQ(first, focusBefore);
        EXPECT_EQ(second, focusAfter);
    }
}

// An owned dialog disables its owner while it runs; the owner hears
// WM_ENTERIDLE once the queue is empty, and here ends the owned dialog from
// it, which the loop must notice without waiting for more input.
TEST_F(ModalLoop, OwnerIsDisabledHearsEnterIdleAndIsEnabledAgain) {
    const WindowHandle owner = newDialog(0, "owner", 0, 0, 100, 50, WS_SYSMENU, 0);
    WindowHandle owned = 0;
    bool ownerDisabledDuringRun = false;
    bool ownerEnabledAfter = false;
    std::int32_t ownedResult = -1;
    handlerSlot(0).script = [&](WindowHandle d, unsigned message, MessageWParam wParam,
                                MessageLParam lParam) {
        if (message == WM_APP) {
            owned = newDialog(d, "owned", 20, 20, 100, 50, WS_SYSMENU, 0);
            showModal(owned, scriptedHandler<1>, &ownedResult);
            ownerEnabledAfter = IsWindowEnabled(windowOf(d)) != FALSE;
            endDialog(d, 1);
        } else if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX &&
                   lParam == static_cast<MessageLParam>(owned)) {
            ownerDisabledDuringRun = !IsWindowEnabled(windowOf(d));
            endDialog(owned, 6);
        }
        return 0;
    };
    PostMessageA(windowOf(owner), WM_APP, 0, 0);
    showModal(owner, scriptedHandler<0>, nullptr);
    EXPECT_TRUE(ownerDisabledDuringRun);
    EXPECT_EQ(6, ownedResult);
    EXPECT_TRUE(logHas(0, WM_CANCELMODE));
    EXPECT_FALSE(logHas(1, WM_ENTERIDLE));
    EXPECT_TRUE(ownerEnabledAfter);
}

// Another program's close command is a message sent from another thread: it
// is handled inside PeekMessageA, which then hands back the next posted
// message. That message, meant for another window, must still be dispatched.
TEST_F(ModalLoop, NoMessageIsLostWhenAnotherThreadEndsTheDialog) {
    const testwin::OwnWindow counter("counter", false);
    const WindowHandle dialog = newDialog(0, "lost", 0, 0, 100, 50, WS_SYSMENU, 0);
    std::atomic<bool> sent(false);
    std::thread closer;
    handlerSlot(0).script = [&](WindowHandle d, unsigned message, MessageWParam, MessageLParam) {
        if (message == WM_APP) {
            PostMessageA(counter.hwnd(), WM_APP, 0, 0);
            closer = std::thread([&, d] {
                SendNotifyMessageA(windowOf(d), WM_SYSCOMMAND, SC_CLOSE, 0);
                sent = true;
            });
            waitUntil([&] { return sent.load(); });
        }
        return 0;
    };
    PostMessageA(windowOf(dialog), WM_APP, 0, 0);
    showModal(dialog, scriptedHandler<0>, nullptr);
    closer.join();
    EXPECT_TRUE(sent);
    EXPECT_FALSE(IsWindow(windowOf(dialog)));
    EXPECT_EQ(1, counter.appMessagesReceived());  // dispatched before showModal returned
}

TEST_F(ModalLoop, MessageQueuedBehindTheEndingOneStillReachesItsWindow) {
    const testwin::OwnWindow counter("counter", false);
    const WindowHandle dialog = newDialog(0, "behind", 0, 0, 100, 50, WS_SYSMENU, 0);
    handlerSlot(0).script = endOnApp;
    PostMessageA(windowOf(dialog), WM_APP, 0, 0);
    PostMessageA(counter.hwnd(), WM_APP, 0, 0);
    showModal(dialog, scriptedHandler<0>, nullptr);
    // Dispatched by this run or left in the queue for the next, never dropped.
    EXPECT_TRUE(pumpUntil([&] { return counter.appMessagesReceived() == 1; }, 1000));
}

TEST_F(ModalLoop, IdleDialogWithoutHandlerOrResultSlotEndsWhenClosedFromAnotherThread) {
    const WindowHandle dialog = newDialog(0, "idle", 0, 0, 100, 50, WS_SYSMENU, 0);
    std::atomic<bool> closed(false);
    std::thread closer([&] {
        if (waitUntil([&] { return IsWindowVisible(windowOf(dialog)) != FALSE; })) {
            Sleep(50);  // let the loop go idle
            SendMessageA(windowOf(dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
            closed = true;
        }
    });
    showModal(dialog, nullptr, nullptr);
    closer.join();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(IsWindow(windowOf(dialog)));
}

}  // namespace
