#include "sweep/close_commands.h"

#include <algorithm>
#include <vector>

#include "platform/window_source.h"

namespace {

struct CloseInFlight {
    std::uintptr_t token;
    WindowHandle window;
    std::uint32_t round;
};

std::vector<CloseInFlight> inFlight;
std::uintptr_t nextToken = 1;
std::uint32_t currentRound = 0;
std::uint64_t waitedMilliseconds = 0;

std::vector<CloseInFlight>::iterator findToken(std::uintptr_t token) {
    return std::find_if(inFlight.begin(), inFlight.end(),
                        [token](const CloseInFlight& record) { return record.token == token; });
}

void onCloseHandled(std::uintptr_t token) {
    const auto record = findToken(token);
    if (record != inFlight.end()) {
        inFlight.erase(record);
    }
}

bool busyFromEarlierRound(WindowHandle window) {
    return std::any_of(inFlight.begin(), inFlight.end(), [window](const CloseInFlight& record) {
        return record.window == window && record.round != currentRound;
    });
}

// Waits for the command with this token to be handled, within what is left
// of the round's allowance. The time spent handling messages sent to this
// program's own windows meanwhile counts too, so the bound is on the sweep.
void awaitHandled(std::uintptr_t token) {
    while (findToken(token) != inFlight.end() && waitedMilliseconds < CLOSE_WAIT_MILLISECONDS) {
        const std::uint64_t start = steadyMilliseconds();
        waitForSentMessages(
            static_cast<std::uint32_t>(CLOSE_WAIT_MILLISECONDS - waitedMilliseconds));
        waitedMilliseconds += steadyMilliseconds() - start;
    }
}

}  // namespace

void beginCloseRound() {
    ++currentRound;
    waitedMilliseconds = 0;
    inFlight.erase(
        std::remove_if(inFlight.begin(), inFlight.end(),
                       [](const CloseInFlight& record) { return !windowExists(record.window); }),
        inFlight.end());
}

void closeWindow(WindowHandle window) {
    if (isOwnThreadWindow(window)) {
        sendCloseCommand(window);
        return;
    }
    if (busyFromEarlierRound(window)) {
        return;
    }
    const std::uintptr_t token = nextToken++;
    inFlight.push_back(CloseInFlight{token, window, currentRound});
    if (!startCloseCommand(window, onCloseHandled, token)) {
        onCloseHandled(token);  // never sent: the window has gone
        return;
    }
    awaitHandled(token);
}

std::size_t closesInFlight() {
    return inFlight.size();
}

void resetCloseCommands() {
    inFlight.clear();
    currentRound = 0;
    waitedMilliseconds = 0;
}
