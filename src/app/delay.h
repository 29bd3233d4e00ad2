#pragma once
// The delay button of the main window.
#include <cstdint>

#include "platform/handles.h"

// IDC_DELAY: asks for a delay of 2 to 60 seconds and shows it on the button.
std::int32_t onDelayClicked(WindowHandle dialog, unsigned message, MessageWParam wParam,
                            MessageLParam lParam);
