#include "support/remote_window_win32.h"

#include "support/wait_win32.h"

namespace {

std::string narrow(const wchar_t* wide) {
    char text[8192] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

struct DialogSearch {
    DWORD processId;
    const std::string* title;
    HWND except;
    HWND found;
};

BOOL CALLBACK findDialog(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<DialogSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && window != search->except && IsWindowVisible(window) &&
        classOf(window) == "#32770" && textOf(window) == *search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string textOf(HWND window) {
    wchar_t wide[4096] = {};  // the help message is over 1,000 characters
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(wide), SMTO_BLOCK, 2000,
                        &length);
    return narrow(wide);
}

void setTextOf(HWND window, const std::string& text) {
    wchar_t wide[1024] = {};
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 1024);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide), SMTO_BLOCK, 2000,
                        &result);
}

std::string classOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<std::string> listBoxRows(HWND listBox) {
    std::vector<std::string> rows;
    const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t wide[1024] = {};
        SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
        rows.push_back(narrow(wide));
    }
    return rows;
}

HWND waitForDialog(DWORD processId, const std::string& title, DWORD milliseconds, HWND except) {
    DialogSearch search{processId, &title, except, nullptr};
    waitUntil(
        [&] {
            EnumWindows(findDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        milliseconds);
    return search.found;
}

std::string messageBoxText(HWND box) {
    return textOf(GetDlgItem(box, 0xFFFF));
}
