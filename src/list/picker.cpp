#include "list/picker.h"

#include <string>

#include "list/varn_list.h"
#include "list/varn_list_box.h"
#include "sweep/snapshot.h"
#include "ui/message_styles.h"
#include "ui/ui.h"

namespace {

// Several pickers can be open at once (the main window stays usable under
// each), so the maximum is checked again when one of them adds.
bool refusedAsFull() {
    if (varnCount < MAX_VARNS) {
        return false;
    }
    showMessage("Sorry, maximum varns reached (1,000).", "Maximum varns Reached", REFUSED_STYLE);
    return true;
}

}  // namespace

std::int32_t onAddVarnClicked(WindowHandle dialog, unsigned, MessageWParam, MessageLParam) {
    if (refusedAsFull()) {
        return 0;
    }
    // No owner: the main window, its countdown and its buttons go on meanwhile.
    const WindowHandle picker = newDialog(0, "Enter New varn", -1, -1, 300, 230,
                                          WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFOREGROUND, 0);
    addControl(picker, ControlKind::TextBox, IDC_PICK_CAPTION, "enter new varn here", 20, 20, 260,
               14, 0, 0, nullptr, nullptr);
    // Rows in the snapshot's order, up to its first empty slot: an earlier,
    // longer sweep's captions may follow the last one's.
    addControl(picker, ControlKind::ListBox, IDC_PICK_WINDOWS, "", 20, 40, 260, 150, WS_VSCROLL, 0,
               onPickerSelectionChanged, &snapshotTitles);
    addControl(picker, ControlKind::PushButton, IDC_PICK_ADD, "Add This varn", 20, 193, 260, 14, 0,
               0, onAddThisVarnClicked, nullptr);
    showModal(picker, nullptr, nullptr);
    refreshVarnListBox(dialog);
    return 0;
}

std::int32_t onPickerSelectionChanged(WindowHandle dialog, unsigned, MessageWParam wParam,
                                      MessageLParam) {
    if (((wParam >> 16) & 0xFFFF) == LBN_SELCHANGE) {
        setControlText(dialog, IDC_PICK_CAPTION, listBoxSelectedText(dialog, IDC_PICK_WINDOWS));
    }
    return 0;
}

std::int32_t onAddThisVarnClicked(WindowHandle dialog, unsigned, MessageWParam, MessageLParam) {
    const std::string varn = withoutTrailingSpaces(getControlText(dialog, IDC_PICK_CAPTION));
    if (varn.empty()) {
        showMessage("Please select a varn to add.", "Select varn", REFUSED_STYLE);
        return 0;
    }
    if (refusedAsFull()) {
        return 0;
    }
    ++varnCount;
    varnList[varnCount] = varn;
    sortVarnsCaseSensitive();
    varnListChanged = true;
    showMessage("Added.", "Added", INFORMATION_STYLE);
    endDialog(dialog, 0);
    return 0;
}
