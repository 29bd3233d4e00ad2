#pragma once
// The main window's own handler and its countdown button.
#include <cstdint>

#include "platform/handles.h"

// Ticks since the last attempt to read a list file held at start.
extern std::int16_t ticksSinceListReadTried;

// Starts the countdown timer on WM_INITDIALOG, stops it on WM_DESTROY, and
// while active runs the countdown tick on WM_TIMER: shows the seconds left
// and sweeps once the delay has passed. About once a second, whether active
// or not, tries again to read a list file that was held at start.
std::int32_t mainDialogCallback(WindowHandle dialog, unsigned message, MessageWParam wParam,
                                MessageLParam lParam);
// IDC_ACTIVATE: switches between active and inactive.
std::int32_t onActivateClicked(WindowHandle dialog, unsigned message, MessageWParam wParam,
                               MessageLParam lParam);
