#include <windows.h>

#include "ui/dialog_records_win32.h"
#include "ui/dialog_template_win32.h"
#include "ui/ui.h"

namespace {

constexpr std::size_t MAX_CAPTION = 256;
constexpr WORD DIALOG_FONT_SIZE = 8;
const char* const DIALOG_FONT = "MS Sans Serif";

std::map<HWND, DialogRecord>& dialogRecords() {
    static std::map<HWND, DialogRecord> records;
    return records;
}

int showCommandFor(DWORD style) {
    if (style & WS_MAXIMIZE) {
        return SW_SHOWMAXIMIZED;
    }
    return (style & WS_MINIMIZE) ? SW_MINIMIZE : SW_SHOW;
}

DialogHandler controlHandler(HWND dialog, HWND control) {
    const DialogRecord* record = findDialogRecord(dialog);
    if (!record || !control) {
        return nullptr;
    }
    const auto found = record->controlHandlers.find(control);
    return found == record->controlHandlers.end() ? nullptr : found->second;
}

// The control's handler first (for its commands and scroll messages), then the
// dialog's; 0 when neither handled the message.
std::int32_t routeMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowHandle handle = fromWindow(dialog);
    HWND control = nullptr;
    if (message == WM_COMMAND) {
        control = GetDlgItem(dialog, LOWORD(wParam));
    } else if (message == WM_HSCROLL || message == WM_VSCROLL) {
        control = reinterpret_cast<HWND>(lParam);
    }
    if (const DialogHandler handler = controlHandler(dialog, control)) {
        const std::int32_t result = handler(handle, message, wParam, lParam);
        if (result != 0) {
            return result;
        }
    }
    // Looked up again: the control's handler may have ended the dialog.
    const DialogRecord* record = findDialogRecord(dialog);
    if (record && record->handler) {
        return record->handler(handle, message, wParam, lParam);
    }
    return 0;
}

INT_PTR CALLBACK serviceDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogRecord* record = findDialogRecord(dialog);
    // A closing dialog gives the focus to nobody.
    const bool focusPlaced = keepKeyboardPlace(
        dialog, record && !record->closing ? &record->focus : nullptr, message, wParam);
    passSessionEnd(message, wParam);
    // Windows' own handling of activation would move the focus again.
    if (message == WM_ACTIVATE && LOWORD(wParam) <= WA_CLICKACTIVE) {
        return TRUE;
    }
    const std::int32_t result = routeMessage(dialog, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        dialogRecords().erase(dialog);
    }
    if (result != 0) {
        // The dialog manager clears the message result before each message,
        // so a non-zero one was set by the handler itself and stands.
        if (IsWindow(dialog) && GetWindowLongPtrA(dialog, DWLP_MSGRESULT) == 0) {
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
        }
        return result;
    }
    if (message == WM_SYSCOMMAND && LOWORD(wParam) == SC_CLOSE) {
        endDialog(fromWindow(dialog), 0);
        return TRUE;
    }
    // Windows' handling of WM_SETFOCUS gives the focus to the control it saved
    // on WM_ACTIVATE, which it never sees here, so to the first control.
    return focusPlaced ? TRUE : FALSE;
}

}  // namespace

DialogRecord* findDialogRecord(HWND dialog) {
    auto& records = dialogRecords();
    const auto found = records.find(dialog);
    return found == records.end() ? nullptr : &found->second;
}

WindowHandle newDialog(WindowHandle parent, const std::string& caption, int x, int y, int width,
                       int height, std::uint32_t style, std::uint32_t extendedStyle) {
    DWORD dialogStyle = (style | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK) &
                        ~static_cast<DWORD>(WS_VISIBLE | DS_SYSMODAL);
    if (x == -1 || y == -1) {
        dialogStyle |= DS_CENTER;
    }
    std::string title = cutText(caption, MAX_CAPTION);
    if (title.empty()) {
        title = " ";
    }
    DialogTemplate dialogTemplate;
    startDialogTemplate(dialogTemplate, dialogStyle, extendedStyle, 0, x, y, width, height, title,
                        DIALOG_FONT_SIZE, DIALOG_FONT);
    HWND dialog =
        CreateDialogIndirectParamA(GetModuleHandleA(nullptr), templateData(dialogTemplate),
                                   toWindow(parent), serviceDialogProcedure, 0);
    if (!dialog) {
        return 0;
    }
    DialogRecord& record = dialogRecords()[dialog];
    record = DialogRecord();
    record.showCommand = showCommandFor(dialogStyle);
    record.font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    return fromWindow(dialog);
}
