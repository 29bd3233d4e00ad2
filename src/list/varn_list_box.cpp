#include "list/varn_list_box.h"

#include "list/varn_list.h"
#include "ui/ui.h"

void refreshVarnListBox(WindowHandle mainWindow) {
    listBoxReset(mainWindow, IDC_VARN_LIST);
    for (int i = 1; i <= varnCount; ++i) {
        listBoxAdd(mainWindow, IDC_VARN_LIST, varnList[i]);
    }
}
