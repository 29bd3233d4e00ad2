// How long the real brimlock.exe takes to answer a click, with no sweep under
// way and while a sweep's close commands go to three programs that each take
// 1.5 s over them, as programs asking "save changes?" do. The click is
// posted to "?", and answered once the help message is on screen. Prints
// each run's milliseconds, then the medians.
//   sweep_latency_wine.exe [RUNS]     (default 5)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "support/remote_window_win32.h"
#include "support/temp_folder_win32.h"
#include "support/test_process_win32.h"

namespace {

constexpr int HELP_BUTTON = 344;
constexpr int SAVE_MILLISECONDS = 1500;

// Milliseconds from the posted click to the help message, -1 if none came.
long long answerToClick(const BrimlockProcess& brimlock, HWND window) {
    const ULONGLONG start = GetTickCount64();
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(HELP_BUTTON, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, HELP_BUTTON)));
    HWND box = waitForDialog(brimlock.processId(), "Help / About", 10000);
    const long long took = static_cast<long long>(GetTickCount64() - start);
    if (box == nullptr) {
        return -1;
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    waitUntil([&] { return !IsWindow(box); });
    return took;
}

// One run: the program started on a list that matches the targets (none for
// the idle run), the click made once the first target has its command.
long long oneRun(bool duringSweep, int run) {
    const std::string tag = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(run);
    std::vector<std::unique_ptr<TargetProcess>> targets;
    std::string list;
    for (int k = 1; k <= 3 && duringSweep; ++k) {
        const std::string caption = "Latency save " + std::to_string(k) + " " + tag;
        targets.push_back(std::make_unique<TargetProcess>(SAVE_MILLISECONDS, caption));
        list += caption + "\r\n";
    }
    if (!duringSweep) {
        list = "Latency nothing " + tag + "\r\n";
    }
    TempFolder folder;
    writeWholeFile(folder.file("brimlock.ini"), list);
    BrimlockProcess brimlock;
    if (!brimlock.start(folder.path())) {
        return -1;
    }
    HWND window = brimlock.waitForMainWindow();
    if (window == nullptr) {
        return -1;
    }
    // The first sweep is at the start: past it, or inside it.
    if (duringSweep) {
        waitUntil([&] { return targets[0]->ask(WM_APP) == 1; });
    } else {
        Sleep(1000);
    }
    const long long took = answerToClick(brimlock, window);
    brimlock.closeAndWait();
    return took;
}

long long median(std::vector<long long> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<long long> idle;
    std::vector<long long> during;
    for (int run = 0; run < runs; ++run) {
        idle.push_back(oneRun(false, run));
        during.push_back(oneRun(true, run));
        std::printf("run %d: idle %lld ms, during a sweep %lld ms\n", run + 1, idle.back(),
                    during.back());
        std::fflush(stdout);
    }
    const long long idleMedian = median(idle);
    const long long duringMedian = median(during);
    std::printf("during a sweep: %lld ms; idle: %lld ms; difference: %lld ms\n", duringMedian,
                idleMedian, duringMedian - idleMedian);
    return 0;
}
