// An open dialog left idle under Wine: a 100 ms timer writes a label, as the
// main window's countdown does. Run by the services' modal loop ("services")
// or by the polling loop it replaced ("reference"), for a given number of
// seconds; the process's CPU time over the run is written to a file, and an
// empty file beside it marks the start of the run.
//   idle_dialog_wine.exe services|reference SECONDS OUTPUT-FILE
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ui/dialog_records_win32.h"
#include "ui/ui.h"

namespace {

constexpr int ID_TICKS = 100;
constexpr unsigned TIMER_ID = 1331;
ULONGLONG endTick = 0;
int ticks = 0;

std::int32_t idleDialogCallback(WindowHandle dialog, unsigned message, MessageWParam wParam,
                                MessageLParam) {
    if (message == WM_INITDIALOG) {
        setTimer(dialog, TIMER_ID, 100);
    } else if (message == WM_TIMER && wParam == TIMER_ID) {
        setControlText(dialog, ID_TICKS, "Ticks: " + std::to_string(++ticks));
        if (GetTickCount64() >= endTick) {
            endDialog(dialog, 0);
        }
    } else if (message == WM_DESTROY) {
        killTimer(dialog, TIMER_ID);
    }
    return 0;
}

// The loop as it was: poll, and sleep 1 ms whenever the queue is empty.
void pollingLoop(HWND dialog, HWND owner) {
    for (;;) {
        MSG message;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (owner) {
                SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
            }
            Sleep(1);
            continue;
        }
        if (!IsWindow(dialog)) {
            break;
        }
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (!IsWindow(dialog)) {
            break;
        }
    }
}

double seconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

double processCpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return seconds(kernel) + seconds(user);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc != 4) {
        return 2;
    }
    const bool reference = std::strcmp(__argv[1], "reference") == 0;
    const double runSeconds = std::atof(__argv[2]);

    const WindowHandle dialog =
        newDialog(0, "Idle dialog", -1, -1, 160, 40, WS_SYSMENU | WS_MINIMIZEBOX, 0);
    addControl(dialog, ControlKind::Label, ID_TICKS, "Ticks: 0", 10, 10, 140, 12, 0, 0, nullptr,
               nullptr);
    // Tells the script that the measured part begins.
    if (FILE* started = std::fopen((std::string(__argv[3]) + ".started").c_str(), "w")) {
        std::fclose(started);
    }
    const double cpuBefore = processCpuSeconds();
    const ULONGLONG start = GetTickCount64();
    endTick = start + static_cast<ULONGLONG>(runSeconds * 1000);
    if (reference) {
        HWND window = reinterpret_cast<HWND>(dialog);
        pollingLoop(window, startModalRun(window, idleDialogCallback, nullptr));
    } else {
        showModal(dialog, idleDialogCallback, nullptr);
    }
    const double cpu = processCpuSeconds() - cpuBefore;
    const double wall = static_cast<double>(GetTickCount64() - start) / 1000;

    FILE* output = std::fopen(__argv[3], "w");
    if (!output) {
        return 1;
    }
    std::fprintf(output, "%s %.3f %.3f %d\n", reference ? "reference" : "services", cpu, wall,
                 ticks);
    std::fclose(output);
    return 0;
}
