#pragma once
// The help and about message of the "?" button.
#include <cstdint>
#include <string>

#include "platform/handles.h"

// The message's text, assembled anew on each call. Lines break at a single
// CR; the text holds no LF.
std::string helpText();

// IDC_HELP: shows the help text, titled "Help / About", with the information
// icon, task-modal.
std::int32_t onHelpClicked(WindowHandle dialog, unsigned message, MessageWParam wParam,
                           MessageLParam lParam);
