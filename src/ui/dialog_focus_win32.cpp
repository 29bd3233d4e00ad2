#include <windows.h>

#include "ui/dialog_records_win32.h"

// The service answers WM_ACTIVATE itself, so Windows' dialog handling never
// keeps a dialog's place for the keyboard. It is kept here instead, as that
// handling would: the focused control is remembered when the dialog loses
// activation and gets the focus back when the dialog is activated again.

namespace {

bool isLiveChild(HWND dialog, HWND control) {
    return control && IsWindow(control) && IsChild(dialog, control);
}

void rememberFocus(HWND dialog) {
    DialogRecord* record = findDialogRecord(dialog);
    HWND focused = GetFocus();
    if (record && isLiveChild(dialog, focused)) {
        record->focus = focused;
    }
}

// The first control that Tab reaches, its text selected as the dialog manager
// does it, so that typing replaces it. With no tab stop the system's own
// dialog handling decides (the dialog or its first control).
void focusFirstTabStop(HWND dialog) {
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (!isLiveChild(dialog, first) || !(GetWindowLongA(first, GWL_STYLE) & WS_TABSTOP)) {
        return;
    }
    if (SendMessageA(first, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageA(first, EM_SETSEL, 0, -1);
    }
    SetFocus(first);
}

void onActivated(HWND dialog) {
    // A minimised dialog is activated again when it is restored; a closing
    // one gives the focus to nobody. On a click, the click's own focus change
    // comes after this and wins.
    const DialogRecord* record = findDialogRecord(dialog);
    if (!record || record->closing || IsIconic(dialog)) {
        return;
    }
    if (isLiveChild(dialog, record->focus)) {
        SetFocus(record->focus);
    } else if (!isLiveChild(dialog, GetFocus())) {
        focusFirstTabStop(dialog);  // a dialog that opens, or whose control went
    }
}

}  // namespace

void keepKeyboardPlace(HWND dialog, UINT message, WPARAM wParam) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                // The focus is still where the user left it: it moves on after this.
                rememberFocus(dialog);
            } else if (LOWORD(wParam) <= WA_CLICKACTIVE) {
                onActivated(dialog);
            }
            break;
        case WM_SIZE:
            // Minimised, a dialog may stay the active window (Wine keeps it so
            // when no other window takes over); restoring it then focuses the
            // dialog itself before it is activated again.
            if (wParam == SIZE_MINIMIZED) {
                rememberFocus(dialog);
            }
            break;
        default:
            break;
    }
}
