#include "sweep/countdown.h"

#include <gtest/gtest.h>

#include "fakes/clock_fake.h"

namespace {

TEST(SecondsSinceMidnight, KeepsTheMilliseconds) {
    const struct {
        int hour, minute, second, millisecond;
        double expected;
    } cases[] = {
        {0, 0, 0, 0, 0.0},
        {0, 0, 0, 1, 0.001},
        {12, 34, 56, 789, 45296.789},
        {23, 59, 59, 999, 86399.999},  // single precision would make this 86400
    };
    for (const auto& c : cases) {
        fakeclock::setTime(c.hour, c.minute, c.second, c.millisecond);
        EXPECT_DOUBLE_EQ(c.expected, secondsSinceMidnight());
    }
}

// The countdown at one time of day: what it shows, whether a sweep is due.
TEST(CountdownAt, ShowsTheTimeLeftAndSaysWhenToSweep) {
    const struct {
        const char* what;
        float lastSweep;
        double now;
        float delay;
        bool sweeps;
        float shown;
    } cases[] = {
        {"start-up", -10000.0f, 43200.0, 6.0f, true, 0.0f},
        {"time left", 1000.0f, 1003.5, 6.0f, false, 2.5f},
        {"difference equal to the delay", 1000.0f, 1006.0, 6.0f, false, 0.0f},
        {"difference just above the delay", 1000.0f, 1006.001, 6.0f, true, 0.0f},
        {"fractional delay reached exactly", 1000.0f, 1002.5, 2.5f, false, 0.0f},
        {"start-up just after midnight", -10000.0f, 5.0, 6.0f, false, 0.0f},
        {"midnight after a late sweep", 86399.0f, 3.0, 6.0f, false, 0.0f},
        {"time of day equal to the delay", 86399.0f, 6.0, 6.0f, false, 0.0f},
        {"time of day past the delay", 86399.0f, 6.1, 6.0f, true, 0.0f},
        {"clock set back by more than the delay", 1000.0f, 990.0, 6.0f, true, 0.0f},
        {"clock set back by less than the delay", 1000.0f, 997.0, 6.0f, false, 3.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Countdown countdown = countdownAt(c.now, c.lastSweep, c.delay);
        EXPECT_FLOAT_EQ(c.shown, countdown.shown);
        EXPECT_EQ(c.sweeps, countdown.delayPassed && countdown.clearOfStart);
    }
}

}  // namespace
