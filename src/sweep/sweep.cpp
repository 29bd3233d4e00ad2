#include "sweep/sweep.h"

#include <cstring>
#include <vector>

#include "list/varn_list.h"
#include "platform/window_source.h"
#include "sweep/close_commands.h"
#include "sweep/last_match.h"
#include "sweep/normalise.h"
#include "sweep/snapshot.h"

namespace {

constexpr int CAPTION_BUFFER = 256;
constexpr int CLASS_BUFFER = 128;

// The buffer's bytes up to the first NUL, and never past its last byte,
// whatever the platform left there.
std::string textBefore(const char* buffer, int size) {
    const void* nul = std::memchr(buffer, '\0', static_cast<std::size_t>(size - 1));
    return std::string(buffer, nul ? static_cast<const char*>(nul) : buffer + size - 1);
}

}  // namespace

std::string windowClassName(WindowHandle window) {
    char buffer[CLASS_BUFFER] = {};
    if (getClassName(window, buffer, CLASS_BUFFER) == 0) {
        return std::string();
    }
    return textBefore(buffer, CLASS_BUFFER);
}

std::int32_t collectWindow(WindowHandle window, std::intptr_t /*context*/) {
    if (snapshotCount >= MAX_SNAPSHOT) {
        return 1;
    }
    char buffer[CAPTION_BUFFER] = {};
    getWindowText(window, buffer, CAPTION_BUFFER);
    std::string caption = textBefore(buffer, CAPTION_BUFFER);
    if (caption.empty()) {
        return 1;
    }
    if (!isWindowVisible(window)) {
        return 1;
    }
    if (normaliseText(windowClassName(window)) == "PROGMAN") {
        return 1;
    }
    ++snapshotCount;
    snapshotTitles[snapshotCount] = std::move(caption);
    snapshotHandles[snapshotCount] = window;
    return 1;
}

void sweepWindows() {
    if (sweepRunning) {
        return;
    }
    sweepRunning = true;
    snapshotCount = 0;
    enumWindows(collectWindow, 0);

    const int count = varnCount;
    const std::vector<int> chosen = findLastMatches(snapshotTitles, snapshotCount, varnList, count);
    beginCloseRound();
    for (int i = 1; i <= count; ++i) {
        if (chosen[i] != 0) {
            closeWindow(snapshotHandles[chosen[i]]);
        }
    }
    sweepRunning = false;
}
