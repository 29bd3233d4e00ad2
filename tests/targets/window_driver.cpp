// Drives the windows of other Wine programs from a shell script, as a person
// would (scripts/screenshots):
//   window_driver wait   <title>                     waits until the window shows
//   window_driver click  <title> <button id>         clicks the button
//   window_driver select <title> <list id> <row>     clicks the list box row with this text
//   window_driver close  <title>                     closes it (OK for a message box)
//                                                     and waits until it has gone
//   window_driver xid    <title>                     prints its X11 window id
// <title> is the whole caption of a visible top-level window; every command
// waits a bounded time for it. Exit code 0 when done, 1 when the window or the
// row did not come, 2 for a wrong command line.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "support/wait_win32.h"

namespace {

constexpr DWORD WAIT_MS = 15000;  // for a window, a row, a close
constexpr int MESSAGE_BOX_TEXT = 0xFFFF;

struct Search {
    const char* title;
    HWND found;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    char caption[512] = {};
    // Another process's caption is read from what the system keeps: no
    // message is sent, so a busy window cannot stall the search.
    GetWindowTextA(window, caption, sizeof caption);
    if (IsWindowVisible(window) && std::strcmp(caption, search->title) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND waitForWindow(const char* title) {
    Search search{title, nullptr};
    waitUntil(
        [&] {
            EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        WAIT_MS);
    if (search.found != nullptr) {
        // Returns once the window's thread takes messages again, so it has
        // finished creating its window.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    }
    return search.found;
}

// The row of a list box with this text, -1 if none. Wine may hand text across
// processes as UTF-16 even to the A messages: read with the W ones.
int findRow(HWND listBox, const char* text) {
    wchar_t wanted[512] = {};
    MultiByteToWideChar(CP_ACP, 0, text, -1, wanted, 512);
    const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        wchar_t shown[512] = {};
        if (SendMessageW(listBox, LB_GETTEXTLEN, row, 0) < 512) {
            SendMessageW(listBox, LB_GETTEXT, row, reinterpret_cast<LPARAM>(shown));
        }
        if (std::wcscmp(shown, wanted) == 0) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

// Posted, never sent: a button may open a modal window and not answer until
// it closes.
void clickButton(HWND window, int id) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

bool selectRow(HWND window, int id, const char* text) {
    HWND listBox = GetDlgItem(window, id);
    int row = -1;
    if (!waitUntil([&] { return (row = findRow(listBox, text)) >= 0; }, WAIT_MS)) {
        return false;
    }
    RECT rect = {};
    SendMessageA(listBox, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    const LPARAM point = MAKELPARAM(rect.left + 2, rect.top + 2);
    PostMessageA(listBox, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(listBox, WM_LBUTTONUP, 0, point);
    return true;
}

// Waits until the window has gone, so a picture taken next cannot show it.
bool closeWindow(HWND window) {
    if (GetDlgItem(window, MESSAGE_BOX_TEXT) != nullptr) {
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    } else {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return waitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, WAIT_MS);
}

// The X11 window Wine made for a top-level window, which it keeps as a
// window property.
bool printXid(HWND window) {
    const auto xid = reinterpret_cast<std::uintptr_t>(GetPropA(window, "__wine_x11_whole_window"));
    if (xid == 0) {
        return false;
    }
    char line[32];
    const int length =
        std::snprintf(line, sizeof line, "0x%llx\n", static_cast<unsigned long long>(xid));
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(length), &written, nullptr);
    return true;
}

// Each command and the number of arguments after its title.
int argumentsOf(const std::string& command) {
    if (command == "wait" || command == "close" || command == "xid") {
        return 0;
    }
    if (command == "click") {
        return 1;
    }
    return command == "select" ? 2 : -1;
}

bool run(const std::string& command, HWND window, char** arguments) {
    if (command == "click") {
        clickButton(window, std::atoi(arguments[0]));
    } else if (command == "select") {
        return selectRow(window, std::atoi(arguments[0]), arguments[1]);
    } else if (command == "close") {
        return closeWindow(window);
    } else if (command == "xid") {
        return printXid(window);
    }
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 3 || argumentsOf(__argv[1]) != __argc - 3) {
        return 2;
    }
    HWND window = waitForWindow(__argv[2]);
    return window != nullptr && run(__argv[1], window, __argv + 3) ? 0 : 1;
}
