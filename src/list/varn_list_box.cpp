#include "list/varn_list_box.h"

#include "list/varn_list.h"
#include "ui/ui.h"

void refreshVarnListBox(WindowHandle mainWindow) {
    // A visible list box repaints after every row otherwise: seconds for a
    // long list, during which the program answers nothing.
    setControlRedraw(mainWindow, IDC_VARN_LIST, false);
    listBoxReset(mainWindow, IDC_VARN_LIST);
    for (int i = 1; i <= varnCount; ++i) {
        listBoxAdd(mainWindow, IDC_VARN_LIST, varnList[i], i);
    }
    setControlRedraw(mainWindow, IDC_VARN_LIST, true);
}
