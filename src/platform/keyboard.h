#pragma once
// The keyboard's state, as far as the start needs it.

// True while Shift is held down (GetAsyncKeyState(VK_SHIFT)).
bool isShiftDown();
