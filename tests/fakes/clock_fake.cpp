#include "fakes/clock_fake.h"

#include <cmath>

#include "platform/clock.h"

namespace {

constexpr long long MILLISECONDS_PER_DAY = 24LL * 60 * 60 * 1000;

struct Clock {
    long long now = 12LL * 60 * 60 * 1000;
    long long step = 0;
    int readings = 0;
};

Clock theClock;

void setNow(long long milliseconds) {
    theClock.now =
        ((milliseconds % MILLISECONDS_PER_DAY) + MILLISECONDS_PER_DAY) % MILLISECONDS_PER_DAY;
}

}  // namespace

namespace fakeclock {

void reset() {
    theClock = Clock();
}

void setTime(int hour, int minute, int second, int millisecond) {
    setNow(((hour * 60LL + minute) * 60 + second) * 1000 + millisecond);
}

void setSeconds(double seconds) {
    setNow(std::llround(seconds * 1000.0));
}

void advanceMilliseconds(long long milliseconds) {
    setNow(theClock.now + milliseconds);
}

void setStepMilliseconds(long long milliseconds) {
    theClock.step = milliseconds;
}

int readings() {
    return theClock.readings;
}

}  // namespace fakeclock

LocalTimeOfDay localTimeOfDay() {
    const long long now = theClock.now;
    ++theClock.readings;
    setNow(now + theClock.step);
    return LocalTimeOfDay{static_cast<int>(now / 3600000), static_cast<int>(now / 60000 % 60),
                          static_cast<int>(now / 1000 % 60), static_cast<int>(now % 1000)};
}
