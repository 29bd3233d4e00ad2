#include "app/shutdown.h"

#include "list/varn_list.h"
#include "ui/ui.h"
#include "ui/win_constants.h"

namespace {

const char* failureCause(SaveResult result) {
    switch (result) {
        case SaveResult::Saved:
            break;
        case SaveResult::NotReadWhole:
            return "it could not be read whole when Brimlock started, so it is kept as it was";
        case SaveResult::NotInCodePage:
            return "it is Unicode text with characters that Windows' ANSI code page lacks, so it "
                   "is kept as it was";
        case SaveResult::ReadOnly:
            return "the file is read-only";
        case SaveResult::CannotCreate:
            return "it could not be created in this folder";
        case SaveResult::CannotOpen:
            return "it could not be opened for writing";
        case SaveResult::TemporaryInTheWay:
            return "a brimlock.ini.tmp left beside it could not be replaced";
        case SaveResult::CannotCreateTemporary:
            return "brimlock.ini.tmp could not be created beside it";
        case SaveResult::WriteFailed:
            return "writing failed; the disk may be full";
        case SaveResult::ReplaceFailed:
            return "the new list could not be put in place of the old one, and is left in "
                   "brimlock.ini.tmp";
        case SaveResult::TemporaryNotRenamed:
            return "it is missing, and brimlock.ini.tmp, which holds the list, could not be "
                   "renamed to it";
    }
    return "";
}

bool isRename(SaveResult result) {
    return result == SaveResult::ReplaceFailed || result == SaveResult::TemporaryNotRenamed;
}

// Why the open or the rename named above failed, where Windows said. Windows
// refuses a rename over a file that another program has open as access denied.
std::string errorCause(SaveResult result, FileError error) {
    switch (error) {
        case FileError::AccessDenied:
            return std::string(": access was denied, ") +
                   (isRename(result) ? "by another program that has the file open, " : "") +
                   "by the permissions of the file or its folder, or by Windows' Controlled "
                   "folder access";
        case FileError::InUse:
            return ": another program is using it";
        case FileError::None:
        case FileError::Other:
            break;
    }
    return "";
}

// What the load made of the file stands for the whole run: saving again
// would only fail again.
bool retryCanHelp(SaveResult result) {
    return result != SaveResult::NotReadWhole && result != SaveResult::NotInCodePage;
}

}  // namespace

std::string saveFailureMessage(SaveResult result, FileError error) {
    return std::string("The list of varns could not be saved to ") + LIST_FILE_NAME + ": " +
           failureCause(result) + errorCause(result, error) + "." +
           (retryCanHelp(result)
                ? "\n\nRetry saves again. Cancel ends Brimlock without saving, and the varns "
                  "added, edited or removed since it started are lost."
                : "\n\nThe varns added, edited or removed since Brimlock started are lost.");
}

void saveVarnListAtExit() {
    for (;;) {
        FileError error = FileError::None;
        const SaveResult result = saveVarnList(&error);
        if (result == SaveResult::Saved || !varnListChanged) {
            return;
        }
        // The main window is gone, and the close often came from a sweep or
        // the taskbar: without these the question may open behind other
        // windows, and the program look hung.
        const std::uint32_t buttons = retryCanHelp(result) ? MB_RETRYCANCEL : MB_OK;
        if (showMessage(saveFailureMessage(result, error), "Brimlock",
                        buttons | MB_ICONHAND | MB_TASKMODAL | MB_SETFOREGROUND | MB_TOPMOST) !=
            IDRETRY) {
            return;
        }
    }
}

void onSessionEnd(bool ending) {
    if (!ending) {
        listSavedForSessionEnd = false;
        return;
    }
    if (listSavedForSessionEnd) {
        return;
    }
    listSavedForSessionEnd = true;
    // Once in the file, the changes are no longer at risk: a failing save
    // at a later exit then has nothing to lose.
    if (saveVarnList() == SaveResult::Saved) {
        varnListChanged = false;
    }
}
