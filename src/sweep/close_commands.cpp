#include "sweep/close_commands.h"

#include <algorithm>
#include <vector>

#include "list/varn_list.h"
#include "platform/window_source.h"
#include "sweep/last_match.h"
#include "sweep/sweep.h"

namespace {

// Not part of the records and never reset: a reply to a command sent before a
// reset may still arrive, and must not be taken for a newer command's.
std::uintptr_t nextToken = 1;

CloseCommandRecords& records = closeCommandRecords;

std::vector<CloseInFlight>::iterator findToken(std::uintptr_t token) {
    return std::find_if(records.inFlight.begin(), records.inFlight.end(),
                        [token](const CloseInFlight& record) { return record.token == token; });
}

// A program that has not yet handled one command, perhaps because it is
// asking its user about it, would get the next inside that question.
bool threadBusy(std::uint32_t thread) {
    return std::any_of(records.inFlight.begin(), records.inFlight.end(),
                       [thread](const CloseInFlight& record) { return record.thread == thread; });
}

// The list may have changed and the window may have taken another caption
// since the snapshot. The varn is looked for by its text, not its entry
// number: every change re-sorts the list. An equal varn still in the list
// would choose the window all the same.
bool stillChosen(const CloseTarget& target) {
    const int entry = findVarn(target.varn);
    return entry != 0 && entry <= varnCount &&
           captionMatches(windowCaption(target.window), target.varn);
}

bool waitingForReply() {
    return !records.rushing && records.awaited != 0 &&
           findToken(records.awaited) != records.inFlight.end() &&
           steadyMilliseconds() < records.deadline;
}

void finish() {
    records.underWay = false;
    records.rushing = false;
    records.queue.clear();
    records.next = 0;
    records.awaited = 0;
    if (records.ended) {
        records.ended();
    }
}

void onCloseHandled(std::uintptr_t token);

// The program ends, so no later sweep would ask a window passed over now:
// one whose thread is still inside an earlier command has its reply waited
// for, up to the allowance, and is then sent its own.
void awaitThreadOf(WindowHandle window) {
    const std::uint32_t thread = windowThreadId(window);
    const std::uint64_t until = steadyMilliseconds() + CLOSE_WAIT_MILLISECONDS;
    while (thread != 0 && threadBusy(thread) && steadyMilliseconds() < until) {
        waitForCloseReply(static_cast<std::uint32_t>(until - steadyMilliseconds()));
    }
}

// A window that has gone by its turn has no caption, so no longer matches.
void sendOne(const CloseTarget& target) {
    const WindowHandle window = target.window;
    if (records.rushing) {
        awaitThreadOf(window);
    }
    if (!stillChosen(target)) {
        return;
    }
    if (isOwnThreadWindow(window)) {
        sendCloseCommand(window);
        return;
    }
    const std::uint32_t thread = windowThreadId(window);
    if (thread == 0 || (threadBusy(thread) && !records.rushing) || isWindowHung(window)) {
        return;
    }
    const std::uintptr_t token = nextToken++;
    records.inFlight.push_back(CloseInFlight{token, window, thread});
    if (!startCloseCommand(window, onCloseHandled, token)) {
        records.inFlight.erase(findToken(token));
        return;
    }
    records.awaited = token;
    records.deadline = steadyMilliseconds() + CLOSE_WAIT_MILLISECONDS;
}

// Sends while nothing is awaited. A close command handled at once, or a
// reply, may come back in here from a nested message loop; the loop further
// up then carries on with whatever that call changed.
void sendWhatCanGo() {
    if (records.sending) {
        return;
    }
    records.sending = true;
    while (records.underWay && !waitingForReply()) {
        if (records.next >= records.queue.size()) {
            finish();
            break;
        }
        sendOne(records.queue[records.next++]);
    }
    records.sending = false;
}

void onCloseHandled(std::uintptr_t token) {
    const auto record = findToken(token);
    if (record != records.inFlight.end()) {
        records.inFlight.erase(record);
    }
    if (token == records.awaited) {
        sendWhatCanGo();
    }
}

}  // namespace

void startCloseCommands(const std::vector<CloseTarget>& targets, CloseCommandsEnded ended) {
    // A window that has gone (with its thread, perhaps) will never reply to
    // what it was sent, and leaves its thread free for the next command.
    records.inFlight.erase(
        std::remove_if(records.inFlight.begin(), records.inFlight.end(),
                       [](const CloseInFlight& record) { return !windowExists(record.window); }),
        records.inFlight.end());
    records.queue = targets;
    records.next = 0;
    records.awaited = 0;
    records.ended = ended;
    records.underWay = true;
    sendWhatCanGo();
}

void continueCloseCommands() {
    sendWhatCanGo();
}

void dropCloseCommands() {
    if (records.underWay) {
        finish();
    }
}

void endCloseCommands() {
    // Only the command to the program's own window can end it while a
    // sending loop is further up the stack; that loop sends the rest.
    if (records.sending) {
        records.rushing = true;
    } else {
        dropCloseCommands();
    }
}

bool closeCommandsUnderWay() {
    return records.underWay;
}
