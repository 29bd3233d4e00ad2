#include <windows.h>

#include "ui/dialog_records_win32.h"

// The program's dialogs, the service's and the prompt, answer WM_ACTIVATE
// themselves, so Windows' dialog handling never keeps their place for the
// keyboard. It is kept here instead, as that handling would: the focused
// control is remembered when the dialog loses activation and gets the focus
// back when the dialog is activated again, or is given the focus itself.

namespace {

bool isLiveChild(HWND dialog, HWND control) {
    return control && IsWindow(control) && IsChild(dialog, control);
}

void rememberFocus(HWND dialog, HWND* place) {
    HWND focused = GetFocus();
    if (isLiveChild(dialog, focused)) {
        *place = focused;
    }
}

// The first control that Tab reaches: the first child, in creation order,
// that is visible, enabled and a tab stop.
HWND firstTabStop(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) {
            return child;
        }
    }
    return nullptr;
}

bool hasDefaultButton(HWND dialog) {
    const LRESULT defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    return HIWORD(defaultId) == DC_HASDEFID && GetDlgItem(dialog, LOWORD(defaultId));
}

// The first tab stop gets the focus, its text selected as the dialog manager
// does it, so that typing replaces it. In a dialog with a default button the
// dialog manager itself moves it (WM_NEXTDLGCTL), and the default border
// follows the focus; in one without (the main window) it would make a
// focused push button the default, which Enter would then press. With no tab
// stop the system's own dialog handling decides (the dialog or its first
// control).
void focusFirstTabStop(HWND dialog) {
    HWND first = firstTabStop(dialog);
    if (!first) {
        return;
    }
    if (hasDefaultButton(dialog)) {
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
        return;
    }
    if (SendMessageA(first, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageA(first, EM_SETSEL, 0, -1);
    }
    SetFocus(first);
}

void onActivated(HWND dialog, HWND place) {
    // A minimised dialog is activated again when it is restored. On a click,
    // the click's own focus change comes after this and wins.
    if (IsIconic(dialog)) {
        return;
    }
    if (isLiveChild(dialog, place)) {
        SetFocus(place);
    } else if (!isLiveChild(dialog, GetFocus())) {
        focusFirstTabStop(dialog);  // a dialog that opens, or whose control went
    }
}

}  // namespace

bool keepKeyboardPlace(HWND dialog, HWND* place, UINT message, WPARAM wParam) {
    if (!place) {
        return false;
    }
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                // The focus is still where the user left it: it moves on after this.
                rememberFocus(dialog, place);
            } else if (LOWORD(wParam) <= WA_CLICKACTIVE) {
                onActivated(dialog, *place);
            }
            break;
        case WM_SETFOCUS:
            // A dialog that stayed active gets the focus alone, without
            // WM_ACTIVATE, when Windows restores it from the taskbar.
            onActivated(dialog, *place);
            return isLiveChild(dialog, GetFocus());
        case WM_SIZE:
            // Minimised, a dialog may stay the active window (Wine keeps it so
            // when no other window takes over); restoring it then focuses the
            // dialog itself before it is activated again.
            if (wParam == SIZE_MINIMIZED) {
                rememberFocus(dialog, place);
            }
            break;
        default:
            break;
    }
    return false;
}
