#include "app/main_window.h"

// The main window arrives with the dialog services; until then the program
// goes straight from loading to saving.
void runMainWindow() {}
