#include "sweep/countdown.h"

#include <algorithm>
#include <cmath>

#include "platform/clock.h"

double secondsSinceMidnight() {
    const LocalTimeOfDay now = localTimeOfDay();
    const long long milliseconds =
        now.hour * 3600000LL + now.minute * 60000LL + now.second * 1000LL + now.millisecond;
    return static_cast<double>(milliseconds) / 1000.0;
}

Countdown countdownAt(double now, float lastSweepTime, float delaySeconds) {
    const double sinceLastSweep = std::fabs(now - lastSweepTime);
    const float remaining = static_cast<float>(delaySeconds - sinceLastSweep);
    return Countdown{std::max(remaining, 0.0f), sinceLastSweep > delaySeconds, now > delaySeconds};
}
