#pragma once
// The windows the last sweep found, entries 1 to snapshotCount, slot 0
// unused. A sweep overwrites from entry 1 upward and never clears the rest.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/handles.h"

constexpr int MAX_SNAPSHOT = 1000;

extern std::vector<std::string> snapshotTitles;    // MAX_SNAPSHOT + 1 slots once allocated
extern std::vector<WindowHandle> snapshotHandles;  // MAX_SNAPSHOT + 1 slots once allocated
extern std::int16_t snapshotCount;
