#include <windows.h>

#include "platform/window_handle_win32.h"
#include "ui/ui.h"

// No timer procedure: WM_TIMER reaches the window's handler like any message.
void setTimer(WindowHandle window, unsigned id, unsigned periodMs) {
    SetTimer(toWindow(window), id, periodMs, nullptr);
}

void killTimer(WindowHandle window, unsigned id) {
    KillTimer(toWindow(window), id);
}

// Without the module or the icon the window simply has no big icon of its
// own. An exe renamed by the user is no module of that name: the icon is
// then looked up in the exe itself.
void setBigIconFromModule(WindowHandle window, const std::string& moduleName,
                          const std::string& iconName) {
    HMODULE module = GetModuleHandleA(moduleName.c_str());
    HICON icon = module ? LoadIconA(module, iconName.c_str()) : nullptr;
    if (!icon) {
        icon = LoadIconA(GetModuleHandleA(nullptr), iconName.c_str());
    }
    SendMessageA(toWindow(window), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}
