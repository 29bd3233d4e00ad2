// A program whose only thread stops handling messages right after it has
// shown its window: hung_target.exe <caption>.
#include "target_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    target::openWindow(target::argument(1), DefWindowProcA);
    target::pumpPending();
    Sleep(target::LIFETIME_MS);
    return 0;
}
