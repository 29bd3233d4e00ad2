#pragma once
// The close commands of a sweep, sent so that no other program can hold this
// one up. A window of the program itself gets the command at once, in a
// nested call. Any other window gets it without blocking, and the
// sweep then waits for that window to handle it, but for no more than
// CLOSE_WAIT_MILLISECONDS in all per sweep: a hung program, or one still
// asking its user whether to save, is simply left behind. Its command stays
// in flight; until the window has handled it (or has gone), later sweeps send
// that window nothing more, so it never sees a pile of close commands.
#include <cstdint>
#include <vector>

#include "platform/handles.h"

constexpr std::uint32_t CLOSE_WAIT_MILLISECONDS = 2000;

// Starts the close commands of one sweep: a fresh waiting allowance, and the
// records of windows that no longer exist are dropped.
void beginCloseRound();

// One close command to the window, unless it is another program's window still
// handling a command of an earlier sweep. Within one sweep every call sends,
// so a window chosen by two varns gets two commands.
void closeWindow(WindowHandle window);

struct CloseInFlight {
    std::uintptr_t token;
    WindowHandle window;
    std::uint32_t round;
};

// The commands in flight and the current sweep's round and waiting so far;
// program-wide, defined with the rest of the program's state.
struct CloseCommandRecords {
    std::vector<CloseInFlight> inFlight;
    std::uint32_t currentRound = 0;
    std::uint64_t waitedMilliseconds = 0;
};
extern CloseCommandRecords closeCommandRecords;
