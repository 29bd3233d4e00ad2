#include "list/remove_edit.h"

#include <string>

#include "list/varn_list.h"
#include "list/varn_list_box.h"
#include "ui/message_styles.h"
#include "ui/ui.h"

namespace {

void afterChange(WindowHandle mainWindow) {
    sortVarnsFolded();
    varnListChanged = true;
    refreshVarnListBox(mainWindow);
}

}  // namespace

std::int32_t onRemoveVarnClicked(WindowHandle dialog, unsigned, MessageWParam, MessageLParam) {
    const std::string selected = listBoxSelectedText(dialog, IDC_VARN_LIST);
    const int position = findVarn(selected);
    if (position == 0 || selected.empty()) {
        showMessage("Please select item to remove first.", "Select Item First", REFUSED_STYLE);
        return 0;
    }
    varnList.erase(varnList.begin() + position);
    varnList.emplace_back();  // the last slot becomes empty
    --varnCount;
    afterChange(dialog);
    return 0;
}

std::int32_t onEditVarnClicked(WindowHandle dialog, unsigned, MessageWParam, MessageLParam) {
    const std::string selected = listBoxSelectedText(dialog, IDC_VARN_LIST);
    if (selected.empty()) {
        showMessage("Please select item to edit first.", "Select Item", REFUSED_STYLE);
        return 0;
    }
    const std::string answer = showPrompt("Enter Info", "Edit varn", selected, -1, -1);
    if (withoutTrailingSpaces(answer).empty()) {
        return 0;
    }
    // The main window stays usable while the prompt is open, so the list may
    // have changed under it: the selected text is looked up now, and an entry
    // removed meanwhile is not brought back in another's place.
    const int position = findVarn(selected);
    if (position == 0 || position > varnCount) {
        return 0;
    }
    varnList[position] = answer;
    afterChange(dialog);
    return 0;
}
