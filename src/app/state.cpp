#include "app/state.h"

WindowHandle mainDialog = 0;
float delaySeconds = 6.0f;
std::int16_t isActive = 1;
float lastSweepTime = -10000.0f;
