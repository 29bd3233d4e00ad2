#include <windows.h>

#include "ui/dialog_template_win32.h"

namespace {

void appendDword(DialogTemplate& dialog, DWORD value) {
    dialog.words.push_back(LOWORD(value));
    dialog.words.push_back(HIWORD(value));
}

void appendShort(DialogTemplate& dialog, int value) {
    dialog.words.push_back(static_cast<WORD>(static_cast<short>(value)));
}

// ANSI code-page bytes as a NUL-terminated UTF-16 string.
void appendText(DialogTemplate& dialog, const std::string& text) {
    if (!text.empty()) {
        const int size = static_cast<int>(text.size());
        const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
        if (length > 0) {
            std::vector<wchar_t> wide(static_cast<std::size_t>(length));
            MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
            dialog.words.insert(dialog.words.end(), wide.begin(), wide.end());
        }
    }
    dialog.words.push_back(0);
}

void alignToDword(DialogTemplate& dialog) {
    if (dialog.words.size() % 2 != 0) {
        dialog.words.push_back(0);
    }
}

void appendRectangle(DialogTemplate& dialog, int x, int y, int width, int height) {
    appendShort(dialog, x);
    appendShort(dialog, y);
    appendShort(dialog, width);
    appendShort(dialog, height);
}

}  // namespace

void startDialogTemplate(DialogTemplate& dialog, DWORD style, DWORD extendedStyle, WORD itemCount,
                         int x, int y, int width, int height, const std::string& title,
                         WORD pointSize, const std::string& fontName) {
    dialog.words.clear();
    appendDword(dialog, style);
    appendDword(dialog, extendedStyle);
    dialog.words.push_back(itemCount);
    appendRectangle(dialog, x, y, width, height);
    dialog.words.push_back(0);  // no menu
    dialog.words.push_back(0);  // the standard dialog class
    appendText(dialog, title);
    if (style & DS_SETFONT) {
        dialog.words.push_back(pointSize);
        appendText(dialog, fontName);
    }
}

void appendDialogItem(DialogTemplate& dialog, DWORD style, int x, int y, int width, int height,
                      WORD id, const std::string& className, const std::string& text) {
    alignToDword(dialog);
    appendDword(dialog, style);
    appendDword(dialog, 0);  // extended style
    appendRectangle(dialog, x, y, width, height);
    dialog.words.push_back(id);
    appendText(dialog, className);
    appendText(dialog, text);
    dialog.words.push_back(0);  // no creation data
}
