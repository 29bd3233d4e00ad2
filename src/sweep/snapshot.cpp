#include "sweep/snapshot.h"

std::vector<std::string> snapshotTitles;
std::vector<WindowHandle> snapshotHandles;
std::int16_t snapshotCount = 0;
