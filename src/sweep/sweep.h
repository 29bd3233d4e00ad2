#pragma once
// The sweep: a fresh snapshot of the visible top-level windows that have a
// caption, then for each varn in list order a close command to the last
// window in the snapshot whose caption it matches.
#include <cstdint>
#include <string>

#include "platform/handles.h"

// Set while a sweep runs: a nested message loop reached from a close command
// could deliver a tick, and that must not start a second sweep over the
// snapshot the first is still reading.
extern bool sweepRunning;

// Refills the snapshot and sends the close commands. Nothing is reported.
void sweepWindows();

// The per-window step of the enumeration: keeps the window in the snapshot
// when it has a caption, is visible and isn't the desktop ("PROGMAN"). The
// context plays no part. Always returns 1 so the enumeration runs to its end;
// once the snapshot is full, further windows are passed over unread.
std::int32_t collectWindow(WindowHandle window, std::intptr_t context);

// The window's class name, empty when it can't be read.
std::string windowClassName(WindowHandle window);
