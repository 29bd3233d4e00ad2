#include "sweep/close_commands.h"

#include <algorithm>
#include <vector>

#include "platform/window_source.h"

namespace {

// Not part of the records and never reset: a reply to a command sent before a
// reset may still arrive, and must not be taken for a newer command's.
std::uintptr_t nextToken = 1;

std::vector<CloseInFlight>::iterator findToken(std::uintptr_t token) {
    return std::find_if(closeCommandRecords.inFlight.begin(), closeCommandRecords.inFlight.end(),
                        [token](const CloseInFlight& record) { return record.token == token; });
}

void onCloseHandled(std::uintptr_t token) {
    const auto record = findToken(token);
    if (record != closeCommandRecords.inFlight.end()) {
        closeCommandRecords.inFlight.erase(record);
    }
}

bool busyFromEarlierRound(WindowHandle window) {
    return std::any_of(closeCommandRecords.inFlight.begin(), closeCommandRecords.inFlight.end(),
                       [window](const CloseInFlight& record) {
                           return record.window == window &&
                                  record.round != closeCommandRecords.currentRound;
                       });
}

// Waits for the command with this token to be handled, within what is left
// of the round's allowance. The time spent handling messages sent to this
// program's own windows meanwhile counts too, so the bound is on the sweep.
void awaitHandled(std::uintptr_t token) {
    while (findToken(token) != closeCommandRecords.inFlight.end() &&
           closeCommandRecords.waitedMilliseconds < CLOSE_WAIT_MILLISECONDS) {
        const std::uint64_t start = steadyMilliseconds();
        waitForSentMessages(static_cast<std::uint32_t>(CLOSE_WAIT_MILLISECONDS -
                                                       closeCommandRecords.waitedMilliseconds));
        closeCommandRecords.waitedMilliseconds += steadyMilliseconds() - start;
    }
}

}  // namespace

void beginCloseRound() {
    ++closeCommandRecords.currentRound;
    closeCommandRecords.waitedMilliseconds = 0;
    closeCommandRecords.inFlight.erase(
        std::remove_if(closeCommandRecords.inFlight.begin(), closeCommandRecords.inFlight.end(),
                       [](const CloseInFlight& record) { return !windowExists(record.window); }),
        closeCommandRecords.inFlight.end());
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
    closeCommandRecords.inFlight.push_back(
        CloseInFlight{token, window, closeCommandRecords.currentRound});
    if (!startCloseCommand(window, onCloseHandled, token)) {
        onCloseHandled(token);  // never sent: the window has gone
        return;
    }
    awaitHandled(token);
}
