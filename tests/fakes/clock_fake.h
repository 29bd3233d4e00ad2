#pragma once
// Control of the settable clock behind platform/clock.h in native tests. The
// time of day is kept in whole milliseconds and wraps at midnight. A step
// moves the clock on after every reading, so code that reads the clock more
// than once can be seen to use each reading where it should.

namespace fakeclock {

// 12:00:00.000, no step, no readings counted.
void reset();
void setTime(int hour, int minute, int second, int millisecond);
// Seconds since midnight, rounded to the millisecond.
void setSeconds(double seconds);
void advanceMilliseconds(long long milliseconds);
// Each later reading moves the clock on by this much once it has been taken.
void setStepMilliseconds(long long milliseconds);
// Readings since reset().
int readings();

}  // namespace fakeclock
