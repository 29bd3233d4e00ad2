#pragma once
// What the dialog services keep for each dialog that newDialog made, shared by
// the files that build, route and run dialogs.
#include <windows.h>

#include <cstdint>
#include <map>

#include "platform/window_handle_win32.h"
#include "ui/ui.h"

struct DialogRecord {
    DialogHandler handler = nullptr;  // attached by showModal
    int showCommand = SW_SHOW;
    HFONT font = nullptr;  // the template's 8-point font as the system made it
    bool modal = false;
    bool closing = false;  // endDialog has sent WM_CLOSE and not yet destroyed the window
    std::int32_t* resultSlot = nullptr;
    HWND focus = nullptr;  // the control that gets the focus when the dialog is next activated
    std::map<HWND, DialogHandler> controlHandlers;  // each control of the dialog, null for none
};

// Null when the window is not (or no longer) one of the service's dialogs. The
// record goes with WM_NCDESTROY, so look it up again after calling a handler.
DialogRecord* findDialogRecord(HWND dialog);

// The two halves of showModal, apart so that a measurement can run the same
// dialog under another loop. startModalRun calls the handler with
// WM_INITDIALOG and WM_SIZE, attaches it, disables the owner and shows the
// dialog in the state its style asks for, whatever state the program's
// starter asked for; it returns the owner (null for none).
HWND startModalRun(HWND dialog, DialogHandler handler, std::int32_t* resultSlot);
// Dispatches every message of the thread until the dialog no longer exists;
// a message for a window in one of the service's dialogs or in an open
// prompt goes through that dialog's keyboard handling first.
void runModalLoop(HWND dialog, HWND owner);
// Whether the window is a prompt that showPrompt has open.
bool isOpenPrompt(HWND window);
// Gives WM_ENDSESSION to the program's session-end handler, if one is set;
// the procedures of the service's dialogs and of the prompt pass every
// message they get.
void passSessionEnd(UINT message, WPARAM wParam);

// Where the keyboard goes in the program's dialogs (the service's and the
// prompt), which answer WM_ACTIVATE themselves; called with every message of
// a dialog before anything else. place holds the dialog's remembered control,
// null while it keeps none (a closing dialog, a prompt not yet set up).
// Losing activation (or being minimised) remembers the focused control;
// activation, or the focus given to the dialog itself, gives it the focus
// back, or to the first tab-stop control when none is remembered (a dialog
// that opens). True when it has put the focus on a control in answer to
// WM_SETFOCUS, which Windows' own dialog handling would move again.
bool keepKeyboardPlace(HWND dialog, HWND* place, UINT message, WPARAM wParam);
