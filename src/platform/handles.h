#pragma once
// Handles and message parameters as the logic sees them: plain integers wide
// enough for the platform's pointers, so the logic needs no Windows header.
#include <cstdint>

using WindowHandle = std::uintptr_t;
using MessageWParam = std::uintptr_t;
using MessageLParam = std::intptr_t;
