#pragma once
// The styles of the program's message boxes: a refused action gets the error
// icon, a completed one (and the help) the information icon. Task-modal: the
// program's windows take no input while one is open; their timers still tick.
#include <cstdint>

#include "ui/win_constants.h"

constexpr std::uint32_t REFUSED_STYLE = MB_OK | MB_ICONHAND | MB_TASKMODAL;
constexpr std::uint32_t INFORMATION_STYLE = MB_OK | MB_ICONINFORMATION | MB_TASKMODAL;
