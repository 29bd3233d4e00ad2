#pragma once
// In-memory dialog templates (DLGTEMPLATE followed by DLGITEMTEMPLATEs). The
// system reads every string in a template as UTF-16, even through the A
// functions, and wants each item to start on a DWORD boundary.
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "ui/cut_text.h"

struct DialogTemplate {
    std::vector<WORD> words;
};

// The header: no menu, the standard dialog class. fontName is written, with
// pointSize, only when the style holds DS_SETFONT.
void startDialogTemplate(DialogTemplate& dialog, DWORD style, DWORD extendedStyle, WORD itemCount,
                         int x, int y, int width, int height, const std::string& title,
                         WORD pointSize, const std::string& fontName);
// One control, by class name, with no creation data.
void appendDialogItem(DialogTemplate& dialog, DWORD style, int x, int y, int width, int height,
                      WORD id, const std::string& className, const std::string& text);

inline LPCDLGTEMPLATEA templateData(const DialogTemplate& dialog) {
    return reinterpret_cast<LPCDLGTEMPLATEA>(dialog.words.data());
}
