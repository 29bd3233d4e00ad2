#include <windows.h>

#include <gtest/gtest.h>

#include "support/test_process_win32.h"
#include "ui/ui.h"
#include "win32/dialog_test_support.h"

namespace {

constexpr unsigned TIMER_ID = 1331;

TEST(DialogTimer, TicksReachTheHandlerUntilKilled) {
    resetHandlerSlots();
    ModalWatchdog watchdog;
    const WindowHandle dialog = newDialog(0, "ticks", 0, 0, 100, 50, WS_SYSMENU, 0);
    int ticks = 0;
    int ticksAfterKill = 0;
    handlerSlot(0).script = [&](WindowHandle d, unsigned message, MessageWParam wParam,
                                MessageLParam) {
        if (message == WM_INITDIALOG) {
            setTimer(d, TIMER_ID, 10);
        } else if (message == WM_TIMER && wParam == TIMER_ID && ++ticks == 3) {
            killTimer(d, TIMER_ID);
            ticksAfterKill = ticks;
            setTimer(d, TIMER_ID + 1, 100);  // outlasts any tick of the killed timer
        } else if (message == WM_TIMER && wParam == TIMER_ID + 1) {
            endDialog(d, 4);
        }
        return 0;
    };
    std::int32_t result = -1;
    showModal(dialog, scriptedHandler<0>, &result);
    EXPECT_EQ(4, result);
    EXPECT_EQ(3, ticksAfterKill);
    EXPECT_EQ(3, ticks);
    EXPECT_FALSE(watchdog.fired());
}

// The icon is looked up through the module's name, as the main window does it
// with "brimlock.exe"; a name that finds no module leaves the window without one.
TEST(DialogIcon, TheBigIconComesFromTheNamedModule) {
    HMODULE program = LoadLibraryA(besideTestProgram("brimlock.exe").c_str());
    ASSERT_NE(nullptr, program);
    const WindowHandle withIcon = newDialog(0, "icon", 0, 0, 100, 50, WS_SYSMENU, 0);
    const WindowHandle without = newDialog(0, "no icon", 0, 0, 100, 50, WS_SYSMENU, 0);
    setBigIconFromModule(withIcon, "brimlock.exe", "AAA");
    setBigIconFromModule(without, "renamed.exe", "AAA");
    EXPECT_NE(0, SendMessageA(windowOf(withIcon), WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(0, SendMessageA(windowOf(without), WM_GETICON, ICON_BIG, 0));
    endDialog(withIcon, 0);
    endDialog(without, 0);
    FreeLibrary(program);
}

}  // namespace
