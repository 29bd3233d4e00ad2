#include <windows.h>

#include "ui/dialog_records_win32.h"
#include "ui/ui.h"

namespace {

WPARAM sizeKindFor(int showCommand) {
    if (showCommand == SW_SHOWMAXIMIZED) {
        return SIZE_MAXIMIZED;
    }
    return showCommand == SW_MINIMIZE ? SIZE_MINIMIZED : SIZE_RESTORED;
}

HWND ownerOf(HWND dialog) {
    return reinterpret_cast<HWND>(GetWindowLongPtrA(dialog, GWLP_HWNDPARENT));
}

// The dialog of ours that holds the message's window, null when none does.
// Ours are the service's dialogs and the open prompts: only they are known
// to want the dialog manager's keys, and any of them may be under the
// dialog this loop runs, since the program's dialogs have no owner. A window
// made elsewhere gets its messages as they come, as it would in a plain loop.
HWND keyboardDialogOf(HWND window) {
    HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    return root && (findDialogRecord(root) || isOpenPrompt(root)) ? root : nullptr;
}

}  // namespace

HWND startModalRun(HWND dialog, DialogHandler handler, std::int32_t* resultSlot) {
    const DialogRecord* shown = findDialogRecord(dialog);
    const int showCommand = shown ? shown->showCommand : SW_SHOW;
    if (handler) {
        // Windows' own WM_INITDIALOG came while the dialog was created, before
        // any handler was attached: these are the handler's first messages.
        const WindowHandle handle = fromWindow(dialog);
        handler(handle, WM_INITDIALOG, handle, 0);
        RECT client = {};
        GetClientRect(dialog, &client);
        handler(handle, WM_SIZE, sizeKindFor(showCommand),
                MAKELPARAM(client.right - client.left, client.bottom - client.top));
    }
    DialogRecord* record = findDialogRecord(dialog);  // the handler may have ended it
    if (!record) {
        return nullptr;
    }
    record->handler = handler;
    record->modal = true;
    record->resultSlot = resultSlot;

    HWND owner = ownerOf(dialog);
    if (owner) {
        SendMessageA(owner, WM_CANCELMODE, 0, 0);
        EnableWindow(owner, FALSE);
    }
    ShowWindow(dialog, showCommand);
    // Windows replaces a program's first SW_SHOW of a top-level window with
    // the show state its starter asked for (STARTUPINFO), such as a shortcut
    // set to run minimised or maximised, or a script's hidden start. A dialog
    // asked to show as it was made comes up visible and restored all the
    // same, where newDialog put it.
    if (showCommand == SW_SHOW &&
        (!IsWindowVisible(dialog) || IsIconic(dialog) || IsZoomed(dialog))) {
        ShowWindow(dialog, SW_RESTORE);
    }
    return owner;
}

void runModalLoop(HWND dialog, HWND owner) {
    // The dialog's existence is checked before each message is taken, never
    // between taking and dispatching it, so a message for another window is
    // not lost when the dialog ends. When the queue is empty the thread sleeps
    // until input arrives instead of polling. Each message goes through the
    // keyboard handling of the dialog that holds its window, so Tab, Enter
    // and Esc work in every dialog of the program, not only in this one.
    while (IsWindow(dialog)) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            HWND keyboardDialog = keyboardDialogOf(message.hwnd);
            if (!keyboardDialog || !IsDialogMessageA(keyboardDialog, &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            continue;
        }
        // Messages sent from other threads are handled inside PeekMessageA
        // and may have ended the dialog; so may the owner's idle handling.
        if (!IsWindow(dialog)) {
            break;
        }
        if (owner) {
            SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
            if (!IsWindow(dialog)) {
                break;
            }
        }
        // MWMO_INPUTAVAILABLE also wakes for input already in the queue, such
        // as a message posted by the owner's idle handling.
        MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void showModal(WindowHandle dialog, DialogHandler handler, std::int32_t* resultSlot) {
    HWND window = toWindow(dialog);
    HWND owner = startModalRun(window, handler, resultSlot);
    runModalLoop(window, owner);
    if (owner) {
        SetFocus(owner);
    }
}

void endDialog(WindowHandle dialog, std::int32_t result) {
    HWND window = toWindow(dialog);
    if (!IsWindow(window)) {
        return;
    }
    DialogRecord* record = findDialogRecord(window);
    // A handler that ends its dialog on WM_CLOSE calls back in here; sending
    // WM_CLOSE again would recurse without end.
    if (!record || !record->closing) {
        if (record) {
            record->closing = true;
        }
        SendMessageA(window, WM_CLOSE, 0, 0);
        if (!IsWindow(window)) {
            return;  // ended by its handler meanwhile
        }
    }
    HWND owner = ownerOf(window);
    const bool ownerWasDisabled = owner && !IsWindowEnabled(owner);
    if (owner) {
        EnableWindow(owner, TRUE);
    }
    record = findDialogRecord(window);
    if (record && record->modal && record->resultSlot) {
        *record->resultSlot = result;
    }
    if (!DestroyWindow(window)) {
        if (ownerWasDisabled) {
            EnableWindow(owner, FALSE);
        }
        if ((record = findDialogRecord(window)) != nullptr) {
            record->closing = false;
        }
    }
}
