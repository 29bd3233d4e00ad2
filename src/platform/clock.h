#pragma once
// The local clock (GetLocalTime), reduced to the time of day.

struct LocalTimeOfDay {
    int hour;
    int minute;
    int second;
    int millisecond;
};

LocalTimeOfDay localTimeOfDay();
