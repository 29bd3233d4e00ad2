#include <windows.h>

#include "platform/keyboard.h"

bool isShiftDown() {
    // The high bit is the key's state now; the low bit says nothing useful.
    return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
}
