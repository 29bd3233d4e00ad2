#pragma once
// The program-wide state. Every program-wide variable is defined in state.cpp
// and given its initial value there, by resetProgramState, and nowhere else.
// The settings below are declared here; the rest where the subsystem that
// keeps it is: the varn list (list/varn_list.h), what the load made of the
// list file (list/list_file.h), whether the session's end saved the list
// (app/shutdown.h), the ticks since a held list file was last tried
// (app/main_dialog.h), the window snapshot (sweep/snapshot.h) and the sweep's
// close commands (sweep/close_commands.h).
#include <cstdint>

#include "platform/handles.h"

extern WindowHandle mainDialog;
extern float delaySeconds;     // between sweeps, 2 to 60 once the user has set it
extern std::int16_t isActive;  // 1 = counting down and sweeping, 0 = off
extern float lastSweepTime;    // seconds since local midnight at the end of the last sweep

// Every list allocated and empty, every setting at its initial value: the
// state of a program that has just started and not yet read its list file.
void resetProgramState();
