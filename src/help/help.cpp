#include "help/help.h"

#include "help/notice.h"
#include "help/version.h"
#include "ui/message_styles.h"
#include "ui/ui.h"

namespace {

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

// A message box breaks lines at a CR alone.
std::string breaks(std::size_t count) {
    return std::string(count, '\r');
}

const char* const VERSION_LINE = "Version " BRIMLOCK_VERSION;
const char* const SIGNATURE = "-The Brimlock developers";
const char* const ADDRESS = "brimlock@example.org";

}  // namespace

std::string helpText() {
    return "Brimlock" + breaks(2) + NOTICE_TEXT + breaks(2) +
           "Here is a small application which simply sends close commands to other application "
           "Windows.  This may be useful in some instances.  For example, when inserting a DVD a "
           "program may auto-start." +
           "  This program can then close this program as soon as it rears it's ugly head." +
           breaks(2) + "Brimlock " +
           "is configurable to learn specific windows you want blocked.  These windows are "
           "refered to as " +
           quoted("Varns") + ".  Just run (or allow to run) a Window you want blocked, click " +
           quoted("Add new varn") +
           ", and then select that window from the resulting list.  You may also enter the "
           "beginning text of the Window caption in lieu of the complete text." +
           breaks(2) +
           "This application should be fairly self-explanatory, but one Caveat.  Be careful not "
           "a add " +
           quoted("Brimlock") + " as a varn, or the " + "program will force itself closed." +
           breaks(2) +
           "Luckily, if this happens, you can restart and click the countdown button to "
           "deactivate, then remove that varn.  These directions are far more difficult to "
           "understand than the program, so enjoy." +
           breaks(2) + VERSION_LINE + breaks(3) + SIGNATURE + breaks(1) + ADDRESS;
}

std::int32_t onHelpClicked(WindowHandle, unsigned, MessageWParam, MessageLParam) {
    showMessage(helpText(), "Help / About", INFORMATION_STYLE);
    return 0;
}
