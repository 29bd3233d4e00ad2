#include "app/main_dialog.h"

#include "app/main_controls.h"
#include "app/state.h"
#include "list/list_file.h"
#include "list/varn_list_box.h"
#include "sweep/countdown.h"
#include "sweep/sweep.h"
#include "ui/number_text.h"
#include "ui/ui.h"
#include "ui/win_constants.h"

namespace {

constexpr unsigned COUNTDOWN_PERIOD_MS = 100;
constexpr std::int16_t TICKS_PER_LIST_READ = 10;  // about a second

void recordSweepEnd() {
    lastSweepTime = static_cast<float>(secondsSinceMidnight());
}

// Each reading of the clock is a fresh one: the text shown and the two tests
// of the decision may see different times, and the sweep's end is read once
// its last command has gone out. While the commands go out the countdown
// stays at 0 and no sweep starts.
void countdownTick() {
    if (closeCommandsUnderWay()) {
        setControlText(mainDialog, IDC_ACTIVATE, "Active: " + formatNumber(0.0f, "##.0"));
        continueCloseCommands();
        return;
    }
    const float shown = countdownAt(secondsSinceMidnight(), lastSweepTime, delaySeconds).shown;
    setControlText(mainDialog, IDC_ACTIVATE, "Active: " + formatNumber(shown, "##.0"));

    if (countdownAt(secondsSinceMidnight(), lastSweepTime, delaySeconds).delayPassed &&
        countdownAt(secondsSinceMidnight(), lastSweepTime, delaySeconds).clearOfStart) {
        sweepWindows(recordSweepEnd);
    }
}

// A backup or sync client may hold brimlock.ini for longer than the load
// waits: once it lets go, the list shows as after a normal start.
void readHeldListFileNow() {
    if (listFileRead != ListFileRead::Held || ++ticksSinceListReadTried < TICKS_PER_LIST_READ) {
        return;
    }
    ticksSinceListReadTried = 0;
    if (readHeldListFile()) {
        refreshVarnListBox(mainDialog);
    }
}

}  // namespace

std::int32_t mainDialogCallback(WindowHandle, unsigned message, MessageWParam, MessageLParam) {
    if (message == WM_INITDIALOG) {
        setTimer(mainDialog, IDT_COUNTDOWN, COUNTDOWN_PERIOD_MS);
    } else if (message == WM_DESTROY) {
        killTimer(mainDialog, IDT_COUNTDOWN);
        endCloseCommands();  // the program ends: the rest of a sweep go out or are dropped
    } else if (message == WM_TIMER) {
        // Whatever the timer id: the main window has only the one timer. The
        // list first, so that a sweep on the same tick has it.
        readHeldListFileNow();
        if (isActive == 1) {
            countdownTick();
        }
    }
    return 0;
}

std::int32_t onActivateClicked(WindowHandle dialog, unsigned, MessageWParam, MessageLParam) {
    isActive = static_cast<std::int16_t>(1 - isActive);
    // Switching on leaves "Activate" until the next tick writes the countdown.
    if (isActive == 0) {
        dropCloseCommands();
        setControlText(dialog, IDC_ACTIVATE, "Activate");
    }
    return 0;
}
