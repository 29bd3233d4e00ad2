#pragma once
// The main window: built hidden, filled with its controls, run modally until
// it no longer exists.
void runMainWindow();
