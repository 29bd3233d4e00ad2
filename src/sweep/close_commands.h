#pragma once
// The close commands of a sweep, one after another, without ever holding up
// the program. A window of the program itself gets its command at once, in a
// nested call. Any other window gets it without blocking; the next command
// goes out once that window has handled it, or once it has had
// CLOSE_WAIT_MILLISECONDS to do so, whichever comes first. Meanwhile the
// message loop runs as ever, so a hung program, or one asking its user
// whether to save, holds up no click.
// At its turn a window is sent its command only if the sweep would still
// choose it: the varn that chose it is still in the list, and its caption,
// read again, still matches that varn. A program answers one command at a
// time: while a window has not handled one of ours, no window of its thread
// is sent another, by this sweep or a later one; it is passed over. A window
// that has stopped reading its messages (hung, or the ghost Windows shows in
// its place) is asked nothing, since a close command to a ghost offers to end
// its program.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/handles.h"

constexpr std::uint32_t CLOSE_WAIT_MILLISECONDS = 2000;

// Runs once the commands of a sweep have all been handled, passed over, or
// dropped, from whichever message loop the last reply came in.
using CloseCommandsEnded = void (*)();

// A window the sweep chose, and the varn (as the list held it) that chose it.
struct CloseTarget {
    WindowHandle window;
    std::string varn;
};

// One command to each window in turn; a window may come more than once.
// Sends what can go now and returns.
void startCloseCommands(const std::vector<CloseTarget>& targets, CloseCommandsEnded ended);
// Sends the next commands once the allowance has run out; the countdown's
// tick calls it, since a window that never answers sends no reply to wake it.
void continueCloseCommands();
// Drops the commands not yet sent; those in flight stay recorded.
void dropCloseCommands();
// The main window is going, so the program ends. When a command of the sweep
// closed it, the commands still to go are sent in order, without waiting for
// their replies: the sweep had chosen them. Only a window whose thread is
// still handling an earlier command waits for that reply, for at most the
// allowance. Closed any other way, the program drops them.
void endCloseCommands();
bool closeCommandsUnderWay();

struct CloseInFlight {
    std::uintptr_t token;
    WindowHandle window;
    std::uint32_t thread;  // the window's: it is sent nothing else meanwhile
};

// Program-wide, defined with the rest of the program's state.
struct CloseCommandRecords {
    std::vector<CloseInFlight> inFlight;
    std::vector<CloseTarget> queue;  // the sweep's windows, in order
    std::size_t next = 0;            // the first of queue not yet sent
    std::uintptr_t awaited = 0;      // the command the next one waits for
    std::uint64_t deadline = 0;      // steady time when waiting for it ends
    bool underWay = false;
    bool sending = false;  // a sending loop is further up the stack
    bool rushing = false;  // the program ends: the rest go without waiting
    CloseCommandsEnded ended = nullptr;
};
extern CloseCommandRecords closeCommandRecords;
