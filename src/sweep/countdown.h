#pragma once
// When the sweep runs: the main window's 100 ms countdown timer, the on/off
// switch and the delay between sweeps.
#include <cstdint>

#include "platform/handles.h"

// Local time of day in seconds, millisecond resolution, read afresh each call.
double secondsSinceMidnight();

// The main window's handler: starts the countdown timer on WM_INITDIALOG,
// stops it on WM_DESTROY, and runs the tick on WM_TIMER while active.
std::int32_t mainDialogCallback(WindowHandle dialog, unsigned message, MessageWParam wParam,
                                MessageLParam lParam);
// IDC_ACTIVATE: switches between active and inactive.
std::int32_t onActivateClicked(WindowHandle dialog, unsigned message, MessageWParam wParam,
                               MessageLParam lParam);
// IDC_DELAY: asks for a delay of 2 to 60 seconds.
std::int32_t onDelayClicked(WindowHandle dialog, unsigned message, MessageWParam wParam,
                            MessageLParam lParam);
