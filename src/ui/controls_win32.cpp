#include <windows.h>

#include "ui/dialog_records_win32.h"
#include "ui/ui.h"

namespace {

struct KindTraits {
    const char* className;
    DWORD defaultStyle;
    DWORD alwaysAdded;
    bool borderBecomesEdge;  // a sunken client edge instead of a flat border
};

KindTraits traitsOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::PushButton:
            return {"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                    WS_CHILD | WS_VISIBLE, false};
        case ControlKind::Label:
            return {"STATIC", WS_CHILD | WS_VISIBLE | SS_LEFT, WS_CHILD | WS_VISIBLE, false};
        case ControlKind::TextBox:
            return {"EDIT", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                    WS_CHILD | WS_VISIBLE, true};
        case ControlKind::ListBox:
            break;
    }
    return {"LISTBOX",
            WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT,
            WS_CHILD | WS_VISIBLE | LBS_NOTIFY, true};
}

HWND controlOf(WindowHandle dialog, int id) {
    return GetDlgItem(toWindow(dialog), id);
}

void addRow(HWND listBox, const std::string& text, std::intptr_t itemData) {
    const LRESULT row =
        SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (row >= 0 && itemData != 0) {
        SendMessageA(listBox, LB_SETITEMDATA, static_cast<WPARAM>(row), itemData);
    }
}

// Row 1 onwards, up to the first empty row (or one that starts with a NUL
// byte) or the end of the list; slot 0 is unused.
void fillListBox(HWND listBox, const std::vector<std::string>& rows) {
    for (std::size_t row = 1; row < rows.size(); ++row) {
        if (rows[row].empty() || rows[row][0] == '\0') {
            break;
        }
        addRow(listBox, rows[row], static_cast<std::intptr_t>(row));
    }
}

}  // namespace

void addControl(WindowHandle dialog, ControlKind kind, int id, const std::string& text, int x,
                int y, int width, int height, std::uint32_t style, std::uint32_t extendedStyle,
                DialogHandler handler, const std::vector<std::string>* rows) {
    const KindTraits traits = traitsOf(kind);
    DWORD controlStyle = (style == 0 ? traits.defaultStyle : style) | traits.alwaysAdded;
    DWORD controlExtendedStyle = extendedStyle;
    if (traits.borderBecomesEdge && (controlStyle & WS_BORDER)) {
        controlStyle &= ~static_cast<DWORD>(WS_BORDER);
        controlExtendedStyle |= WS_EX_CLIENTEDGE;
    }

    HWND parent = toWindow(dialog);
    RECT pixels = {x, y, x + width, y + height};
    MapDialogRect(parent, &pixels);
    HWND control = CreateWindowExA(
        controlExtendedStyle, traits.className, text.c_str(), controlStyle, pixels.left, pixels.top,
        pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!control) {
        return;
    }
    DialogRecord* record = findDialogRecord(parent);
    const HFONT font =
        record ? record->font : reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (record) {
        record->controlHandlers[control] = handler;
    }

    if (kind == ControlKind::ListBox && rows) {
        fillListBox(control, *rows);
    }
    if (kind == ControlKind::PushButton && (controlStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        SendMessageA(parent, DM_SETDEFID, static_cast<WPARAM>(id), 0);
    }
}

void setControlText(WindowHandle dialog, int id, const std::string& text) {
    SetWindowTextA(controlOf(dialog, id), text.c_str());
}

std::string getControlText(WindowHandle dialog, int id) {
    HWND control = controlOf(dialog, id);
    const int length = GetWindowTextLengthA(control);
    if (length <= 0) {
        return std::string();
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(control, &text[0], length + 1);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

void listBoxAdd(WindowHandle dialog, int id, const std::string& text, std::intptr_t itemData) {
    addRow(controlOf(dialog, id), text, itemData);
}

void listBoxReset(WindowHandle dialog, int id) {
    SendMessageA(controlOf(dialog, id), LB_RESETCONTENT, 0, 0);
}

void setControlRedraw(WindowHandle dialog, int id, bool redraw) {
    HWND control = controlOf(dialog, id);
    if (!control) {
        return;  // RedrawWindow would repaint the whole desktop
    }
    SendMessageA(control, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
    if (redraw) {
        // Switching redraw on paints nothing by itself. The frame holds the
        // scroll bar, which the new rows may have changed.
        RedrawWindow(control, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
    }
}

std::string listBoxSelectedText(WindowHandle dialog, int id) {
    HWND listBox = controlOf(dialog, id);
    const LRESULT row = SendMessageA(listBox, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) {
        return std::string();
    }
    const LRESULT length = SendMessageA(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR || length <= 0) {
        return std::string();
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(listBox, LB_GETTEXT, static_cast<WPARAM>(row),
                                     reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

std::intptr_t listBoxSelectedData(WindowHandle dialog, int id) {
    HWND listBox = controlOf(dialog, id);
    const LRESULT row = SendMessageA(listBox, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) {
        return 0;
    }
    const LRESULT data = SendMessageA(listBox, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
    return data == LB_ERR ? 0 : static_cast<std::intptr_t>(data);
}
