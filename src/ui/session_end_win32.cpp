#include <windows.h>

#include "ui/dialog_records_win32.h"
#include "ui/ui.h"

namespace {

// One for the program, not one per dialog: the main window may be gone while
// a picker or a prompt is still open when the session ends.
SessionEndHandler sessionEndHandler = nullptr;

}  // namespace

void setSessionEndHandler(SessionEndHandler handler) {
    sessionEndHandler = handler;
}

void passSessionEnd(UINT message, WPARAM wParam) {
    if (message == WM_ENDSESSION && sessionEndHandler) {
        sessionEndHandler(wParam != FALSE);
    }
}
