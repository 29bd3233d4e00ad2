#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/dialog_template_win32.h"

namespace {

// The title and the first item's text leave the next piece off a DWORD
// boundary: a misaligned item would come out with the wrong class, id or text.
TEST(DialogTemplate, ItemsAfterOddLengthStringsComeOutWhole) {
    DialogTemplate built;
    startDialogTemplate(built, WS_POPUP | DS_SETFONT, 0, 2, 0, 0, 100, 50, "odds", 8,
                        "MS Sans Serif");
    appendDialogItem(built, WS_CHILD | SS_LEFT, 1, 2, 30, 10, 7, "STATIC", "abc");
    appendDialogItem(built, WS_CHILD | BS_PUSHBUTTON, 1, 20, 30, 10, 8, "BUTTON", "OK");
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), templateData(built),
                                             nullptr, nullptr, 0);
    ASSERT_NE(nullptr, dialog);
    char text[64] = {};
    GetWindowTextA(dialog, text, sizeof text);
    EXPECT_STREQ("odds", text);
    const struct {
        int id;
        const char* className;
        const char* text;
    } items[] = {{7, "Static", "abc"}, {8, "Button", "OK"}};
    for (const auto& item : items) {
        HWND control = GetDlgItem(dialog, item.id);
        ASSERT_NE(nullptr, control);
        GetClassNameA(control, text, sizeof text);
        EXPECT_STREQ(item.className, text);
        GetWindowTextA(control, text, sizeof text);
        EXPECT_STREQ(item.text, text);
    }
    DestroyWindow(dialog);
}

}  // namespace
