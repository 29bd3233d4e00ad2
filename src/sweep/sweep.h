#pragma once
// The sweep: a fresh snapshot of the visible top-level windows that have a
// caption, then for each varn in list order a close command to the last
// window in the snapshot whose caption it matches. The windows are chosen at
// once; their commands go out one after another while the program's message
// loop runs (sweep/close_commands.h).
#include <cstdint>
#include <string>

#include "platform/handles.h"
#include "sweep/close_commands.h"

// Refills the snapshot and starts the close commands; ended runs once they
// have all gone out, perhaps before this returns. Does nothing while the
// commands of a sweep are still going out: the snapshot stays the one they
// were chosen from. Nothing is reported.
void sweepWindows(CloseCommandsEnded ended = nullptr);

// The per-window step of the enumeration: keeps the window in the snapshot
// when it has a caption, is visible, isn't the desktop ("PROGMAN") and isn't
// cloaked. The context plays no part. Always returns 1 so the enumeration runs
// to its end; once the snapshot is full, further windows are passed over
// unread.
std::int32_t collectWindow(WindowHandle window, std::intptr_t context);

// The window's class name, empty when it can't be read.
std::string windowClassName(WindowHandle window);
// The window's caption as the snapshot keeps it: at most 255 bytes, up to the
// first NUL; empty when it can't be read or the window has gone.
std::string windowCaption(WindowHandle window);
