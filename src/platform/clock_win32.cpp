#include <windows.h>

#include "platform/clock.h"

LocalTimeOfDay localTimeOfDay() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return LocalTimeOfDay{now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}
