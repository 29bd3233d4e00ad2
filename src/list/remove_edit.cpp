#include "list/remove_edit.h"

#include <cstddef>
#include <cstdint>
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

// The exact bytes of the varn the selected row shows. Every fill of ours gives
// a row its entry's number, which holds until the next change, as each change
// fills the box anew. The row's text is no sure way back to the bytes: the
// list box holds Unicode, and bytes that are no text in the code page (a
// caption cut inside a character) come back as other bytes. A row without a
// number (another program's) is known by its text alone.
std::string selectedVarn(WindowHandle dialog) {
    const std::intptr_t entry = listBoxSelectedData(dialog, IDC_VARN_LIST);
    if (entry >= 1 && entry <= varnCount) {
        return varnList[static_cast<std::size_t>(entry)];
    }
    return listBoxSelectedText(dialog, IDC_VARN_LIST);
}

}  // namespace

std::int32_t onRemoveVarnClicked(WindowHandle dialog, unsigned, MessageWParam, MessageLParam) {
    const std::string selected = selectedVarn(dialog);
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
    const std::string selected = selectedVarn(dialog);
    if (selected.empty()) {
        showMessage("Please select item to edit first.", "Select Item", REFUSED_STYLE);
        return 0;
    }
    // The edit box shows the varn as well as it can; an OK gives back what it shows.
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
