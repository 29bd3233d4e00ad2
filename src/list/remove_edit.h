#pragma once
// Removing and editing the varn selected in the main list box. The row is
// known by the entry number it holds, not its place: the list box orders its
// rows itself. The varn is then found by its exact bytes.
#include <cstdint>

#include "platform/handles.h"

// IDC_REMOVE_VARN: removes the first entry equal to the selected row.
std::int32_t onRemoveVarnClicked(WindowHandle dialog, unsigned message, MessageWParam wParam,
                                 MessageLParam lParam);
// IDC_EDIT_VARN: replaces the selected varn with what the user types, kept
// exactly as typed; a cancelled or blank answer changes nothing.
std::int32_t onEditVarnClicked(WindowHandle dialog, unsigned message, MessageWParam wParam,
                               MessageLParam lParam);
