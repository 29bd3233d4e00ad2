#pragma once
// Adding varns through the window picker "Enter New varn": the captions the
// last sweep saw, and a text box that takes a typed caption or a chosen row.
#include <cstdint>

#include "platform/handles.h"

constexpr int IDC_PICK_CAPTION = 777;
constexpr int IDC_PICK_WINDOWS = 677;
constexpr int IDC_PICK_ADD = 401;

// IDC_ADD_VARN of the main window: opens a picker unless the list is full,
// and rebuilds the main list box once it has closed, whatever happened in it.
std::int32_t onAddVarnClicked(WindowHandle dialog, unsigned message, MessageWParam wParam,
                              MessageLParam lParam);
// IDC_PICK_WINDOWS: a newly selected row becomes the text box's whole text.
std::int32_t onPickerSelectionChanged(WindowHandle dialog, unsigned message, MessageWParam wParam,
                                      MessageLParam lParam);
// IDC_PICK_ADD: adds the text box's text, less its trailing spaces, sorts the
// list, says so and ends the picker.
std::int32_t onAddThisVarnClicked(WindowHandle dialog, unsigned message, MessageWParam wParam,
                                  MessageLParam lParam);
