#include <windows.h>

#include "app/startup.h"

// The command line and show state are ignored: the program takes no options
// and always shows its window normally.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return runBrimlock();
}
