#include "app/main_window.h"

#include <string>

#include "app/delay.h"
#include "app/main_controls.h"
#include "app/main_dialog.h"
#include "app/state.h"
#include "help/help.h"
#include "help/notice.h"
#include "help/version.h"
#include "list/picker.h"
#include "list/remove_edit.h"
#include "list/varn_list.h"
#include "ui/number_text.h"
#include "ui/ui.h"
#include "ui/win_constants.h"

namespace {

// A sweep sees this caption like any other, so a varn matching it closes the
// program's own window.
constexpr const char* MAIN_WINDOW_CAPTION = "Brimlock - " BRIMLOCK_VERSION;

void addButton(int id, const std::string& caption, int x, int y, int width, int height,
               DialogHandler handler) {
    addControl(mainDialog, ControlKind::PushButton, id, caption, x, y, width, height, 0, 0, handler,
               nullptr);
}

}  // namespace

void runMainWindow() {
    // Centred (-1, -1); neither WS_POPUP nor WS_CHILD, so an overlapped window
    // with a title bar, a minimise box and no sizing border.
    mainDialog =
        newDialog(0, MAIN_WINDOW_CAPTION, -1, -1, 253, 150, WS_SYSMENU | WS_MINIMIZEBOX, 0);
    setBigIconFromModule(mainDialog, "brimlock.exe", "AAA");

    // Created in tab order.
    addButton(IDC_ADD_VARN, "Add new varn", 10, 77, 80, 14, onAddVarnClicked);
    addButton(IDC_EDIT_VARN, "Edit varn", 10, 94, 80, 14, onEditVarnClicked);
    addButton(IDC_REMOVE_VARN, "Remove varn", 10, 111, 80, 14, onRemoveVarnClicked);
    addButton(IDC_DELAY, "Delay: " + formatNumber(delaySeconds, "###0.0"), 95, 77, 45, 14,
              onDelayClicked);
    // Empty until the first tick writes the countdown; a start switched off
    // shows at once what a click would switch on.
    addButton(IDC_ACTIVATE, isActive == 1 ? "" : "Activate", 95, 94, 45, 14, onActivateClicked);
    addButton(IDC_HELP, "?", 177, 77, 63, 47, onHelpClicked);
    // A sorted list box: the rows show in its order, varnList keeps its own.
    addControl(mainDialog, ControlKind::ListBox, IDC_VARN_LIST, "", 10, 14, 230, 65, 0, 0, nullptr,
               &varnList);
    addControl(mainDialog, ControlKind::Label, IDC_NOTICE, NOTICE_TEXT, 10, 0, 230, 11, 0, 0,
               nullptr, nullptr);

    showModal(mainDialog, mainDialogCallback, nullptr);
}
