// A program that, on the close command, keeps its user busy for a while as
// with a "save changes?" question: it runs a nested message loop for the
// given time and then refuses to close. With a time of 0 it closes at once.
// busy_target.exe <milliseconds> <caption>
// Sent WM_APP it answers how many close commands reached it, sent WM_APP + 1
// how many it has finished handling.
#include "target_window.h"

namespace {

DWORD busyMilliseconds = 0;
LRESULT closesReceived = 0;
LRESULT closesFinished = 0;

// The nested loop of a modal question: everything is dispatched meanwhile,
// including further close commands.
void askTheUser() {
    const ULONGLONG end = GetTickCount64() + busyMilliseconds;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        target::pumpPending();
    }
}

LRESULT CALLBACK targetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_APP:
            return closesReceived;
        case WM_APP + 1:
            return closesFinished;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                ++closesReceived;
                if (busyMilliseconds > 0) {
                    askTheUser();
                    ++closesFinished;
                    return 0;
                }
                ++closesFinished;
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    busyMilliseconds = static_cast<DWORD>(std::atol(target::argument(1)));
    target::openWindow(target::argument(2), targetProcedure);
    SetTimer(nullptr, 0, target::LIFETIME_MS, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr) {
            break;
        }
        DispatchMessageA(&message);
    }
    return 0;
}
