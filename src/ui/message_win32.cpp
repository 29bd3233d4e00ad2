#include <windows.h>

#include "ui/ui.h"

int showMessage(const std::string& text, const std::string& title, std::uint32_t style) {
    Sleep(5);
    return MessageBoxA(nullptr, text.c_str(), title.c_str(), style);
}
