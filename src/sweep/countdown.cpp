#include "sweep/countdown.h"

#include <algorithm>
#include <cmath>

#include "app/main_controls.h"
#include "app/state.h"
#include "platform/clock.h"
#include "sweep/sweep.h"
#include "ui/number_text.h"
#include "ui/ui.h"
#include "ui/win_constants.h"

namespace {

constexpr unsigned COUNTDOWN_PERIOD_MS = 100;

// Each reading of the clock is a fresh one: the text shown and the decision
// to sweep may see different times, and the sweep's end is read after it.
double secondsSinceLastSweep() {
    return std::fabs(secondsSinceMidnight() - lastSweepTime);
}

void countdownTick() {
    const float remaining = static_cast<float>(delaySeconds - secondsSinceLastSweep());
    setControlText(mainDialog, IDC_ACTIVATE,
                   "Active: " + formatNumber(std::max(remaining, 0.0f), "##.0"));

    // Both comparisons are strict. The second keeps the first delaySeconds
    // after midnight free of sweeps, since the time of day starts again at 0
    // and every earlier sweep then looks long past.
    if (secondsSinceLastSweep() > delaySeconds && secondsSinceMidnight() > delaySeconds) {
        sweepWindows();
        lastSweepTime = static_cast<float>(secondsSinceMidnight());
    }
}

}  // namespace

double secondsSinceMidnight() {
    const LocalTimeOfDay now = localTimeOfDay();
    const long long milliseconds =
        now.hour * 3600000LL + now.minute * 60000LL + now.second * 1000LL + now.millisecond;
    return static_cast<double>(milliseconds) / 1000.0;
}

std::int32_t mainDialogCallback(WindowHandle, unsigned message, MessageWParam, MessageLParam) {
    if (message == WM_INITDIALOG) {
        setTimer(mainDialog, IDT_COUNTDOWN, COUNTDOWN_PERIOD_MS);
    } else if (message == WM_DESTROY) {
        killTimer(mainDialog, IDT_COUNTDOWN);
    } else if (message == WM_TIMER) {
        // Whatever the timer id: the main window has only the one timer.
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
        setControlText(dialog, IDC_ACTIVATE, "Activate");
    }
    return 0;
}
