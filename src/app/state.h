#pragma once
// The program-wide settings. The varn list lives in list/varn_list.h and the
// window snapshot in sweep/snapshot.h.
#include <cstdint>

#include "platform/handles.h"

extern WindowHandle mainDialog;
extern float delaySeconds;     // between sweeps, 2 to 60 once the user has set it
extern std::int16_t isActive;  // 1 = counting down and sweeping, 0 = off
extern float lastSweepTime;    // seconds since local midnight at the end of the last sweep
