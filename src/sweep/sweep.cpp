#include "sweep/sweep.h"

#include <vector>

#include "list/varn_list.h"
#include "platform/window_source.h"
#include "sweep/last_match.h"
#include "sweep/normalise.h"
#include "sweep/snapshot.h"
#include "ui/cut_text.h"

namespace {

// The texts read end at the first NUL, and never past a buffer's last byte,
// whatever the platform left there.
constexpr int CAPTION_BUFFER = 256;
constexpr int CLASS_BUFFER = 128;

}  // namespace

std::string windowClassName(WindowHandle window) {
    char buffer[CLASS_BUFFER] = {};
    if (getClassName(window, buffer, CLASS_BUFFER) == 0) {
        return std::string();
    }
    return cutText(std::string_view(buffer, CLASS_BUFFER - 1));
}

std::string windowCaption(WindowHandle window) {
    char buffer[CAPTION_BUFFER] = {};
    getWindowText(window, buffer, CAPTION_BUFFER);
    return cutText(std::string_view(buffer, CAPTION_BUFFER - 1));
}

std::int32_t collectWindow(WindowHandle window, std::intptr_t /*context*/) {
    if (snapshotCount >= MAX_SNAPSHOT) {
        return 1;
    }
    std::string caption = windowCaption(window);
    if (caption.empty()) {
        return 1;
    }
    if (!isWindowVisible(window)) {
        return 1;
    }
    if (normaliseText(windowClassName(window)) == "PROGMAN") {
        return 1;
    }
    // Cloaked windows are nowhere on screen: suspended apps, windows on
    // other virtual desktops. Alt+Tab and the taskbar leave them out too.
    if (isWindowCloaked(window)) {
        return 1;
    }
    ++snapshotCount;
    snapshotTitles[snapshotCount] = std::move(caption);
    snapshotHandles[snapshotCount] = window;
    return 1;
}

void sweepWindows(CloseCommandsEnded ended) {
    if (closeCommandsUnderWay()) {
        return;
    }
    snapshotCount = 0;
    enumWindows(collectWindow, 0);

    const int count = varnCount;
    const std::vector<int> chosen = findLastMatches(snapshotTitles, snapshotCount, varnList, count);
    std::vector<CloseTarget> targets;
    for (int i = 1; i <= count; ++i) {
        if (chosen[i] != 0) {
            targets.push_back(CloseTarget{snapshotHandles[chosen[i]], varnList[i]});
        }
    }
    startCloseCommands(targets, ended);
}
