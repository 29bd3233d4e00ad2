#include <windows.h>

#include <set>

#include "ui/dialog_records_win32.h"
#include "ui/dialog_template_win32.h"
#include "ui/ui.h"

namespace {

constexpr WORD ID_PROMPT_EDIT = 101;
constexpr WORD ID_PROMPT_TEXT = 102;
constexpr std::size_t MAX_PROMPT_TITLE = 60;
constexpr std::size_t MAX_PROMPT_TEXT = 256;
constexpr int ANSWER_BUFFER = 256;  // so at most 255 bytes come back

struct PromptRun {
    int x;
    int y;
    std::string answer;
    HWND focus;  // the control that gets the focus back, as in the services' dialogs
};

// Each prompt from its WM_INITDIALOG to its WM_NCDESTROY, for the modal loops.
std::set<HWND>& openPrompts() {
    static std::set<HWND> prompts;
    return prompts;
}

// The prompt ends by destroying itself, its answer stored: the modal loop
// that runs it returns once the window is gone.
void endPrompt(HWND prompt, PromptRun* run, const std::string& answer) {
    run->answer = answer;
    DestroyWindow(prompt);
}

INT_PTR CALLBACK promptProcedure(HWND prompt, UINT message, WPARAM wParam, LPARAM lParam) {
    passSessionEnd(message, wParam);
    // Null until WM_INITDIALOG.
    PromptRun* run = reinterpret_cast<PromptRun*>(GetWindowLongPtrA(prompt, DWLP_USER));
    // Windows' own handling of activation, and of the focus given to the
    // prompt itself, would move the focus again.
    if (keepKeyboardPlace(prompt, run ? &run->focus : nullptr, message, wParam) ||
        (message == WM_ACTIVATE && LOWORD(wParam) <= WA_CLICKACTIVE)) {
        return TRUE;
    }
    switch (message) {
        case WM_INITDIALOG: {
            openPrompts().insert(prompt);
            SetWindowLongPtrA(prompt, DWLP_USER, lParam);
            run = reinterpret_cast<PromptRun*>(lParam);
            if (run->x >= 0 && run->y >= 0) {
                SetWindowPos(prompt, nullptr, run->x, run->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            }
            // Its text selected, so that typing replaces it.
            SendMessageA(prompt, WM_NEXTDLGCTL,
                         reinterpret_cast<WPARAM>(GetDlgItem(prompt, ID_PROMPT_EDIT)), TRUE);
            return FALSE;
        }
        case WM_COMMAND: {
            if (LOWORD(wParam) == IDOK) {
                char buffer[ANSWER_BUFFER] = {};
                const int got =
                    GetWindowTextA(GetDlgItem(prompt, ID_PROMPT_EDIT), buffer, ANSWER_BUFFER);
                endPrompt(prompt, run,
                          std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0));
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                endPrompt(prompt, run, std::string());
                return TRUE;
            }
            return FALSE;
        }
        case WM_NCDESTROY:
            openPrompts().erase(prompt);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

bool isOpenPrompt(HWND window) {
    return openPrompts().count(window) != 0;
}

std::string showPrompt(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, int x, int y) {
    // Dialog units of the system font: the template names no font.
    DialogTemplate promptTemplate;
    startDialogTemplate(promptTemplate,
                        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 0, 4, 65,
                        65, 150, 100, cutText(title, MAX_PROMPT_TITLE), 0, std::string());
    appendDialogItem(promptTemplate,
                     WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 4, 82, 140,
                     12, ID_PROMPT_EDIT, "EDIT", cutText(defaultText, MAX_PROMPT_TEXT));
    appendDialogItem(promptTemplate, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 104, 5,
                     40, 10, IDOK, "BUTTON", "OK");
    appendDialogItem(promptTemplate, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 104, 19, 40, 10, IDCANCEL,
                     "BUTTON", "Cancel");
    appendDialogItem(promptTemplate, WS_CHILD | WS_VISIBLE | SS_LEFT, 5, 5, 95, 72, ID_PROMPT_TEXT,
                     "STATIC", cutText(prompt, MAX_PROMPT_TEXT));

    PromptRun run = {x, y, std::string(), nullptr};
    // No owner: the program's other windows stay usable while the prompt waits.
    // Run by the services' own loop rather than the system's dialog box
    // loop, which would give the keyboard to the prompt alone.
    HWND window =
        CreateDialogIndirectParamA(GetModuleHandleA(nullptr), templateData(promptTemplate), nullptr,
                                   promptProcedure, reinterpret_cast<LPARAM>(&run));
    if (window) {
        ShowWindow(window, SW_SHOWNORMAL);
        runModalLoop(window, nullptr);
    }
    return run.answer;
}
