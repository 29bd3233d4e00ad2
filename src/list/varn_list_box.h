#pragma once
// The main window's list box of varns.
#include "platform/handles.h"

constexpr int IDC_VARN_LIST = 555;

// Empties the list box IDC_VARN_LIST of the given main window and adds
// entries 1 to varnCount in index order, each row holding its entry's number
// as its item data. The list box sorts its rows itself; no row is selected
// afterwards. Nothing happens when the window is gone.
void refreshVarnListBox(WindowHandle mainWindow);
