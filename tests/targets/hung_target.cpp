// A program whose only thread stops handling messages right after it has
// shown its window: hung_target.exe <caption>. It then sets the event named
// after the caption, if the test made one: until then a close command sent
// to it could still be handled.
#include "target_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    target::openWindow(target::argument(1), DefWindowProcA);
    target::pumpPending();
    if (HANDLE hung = OpenEventA(EVENT_MODIFY_STATE, FALSE, target::argument(1))) {
        SetEvent(hung);
    }
    Sleep(target::LIFETIME_MS);
    return 0;
}
