#include "platform/keyboard.h"

// No native test holds Shift: the end-to-end test does, with a real key.
bool isShiftDown() {
    return false;
}
