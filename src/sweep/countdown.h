#pragma once
// When the sweep runs, as a rule over times of day so that it needs no clock:
// the main window's tick reads the clock and asks this.

// Local time of day in seconds, millisecond resolution, read afresh each call.
double secondsSinceMidnight();

struct Countdown {
    float shown;        // seconds left until the next sweep, never below 0
    bool delayPassed;   // more than the delay since the last sweep
    bool clearOfStart;  // the time of day is past the delay
};

// The countdown at time of day `now` (seconds since midnight). A sweep is due
// when both tests hold; both are strict. The second keeps the first
// delaySeconds after midnight free of sweeps, since the time of day starts
// again at 0 and every earlier sweep then looks long past.
Countdown countdownAt(double now, float lastSweepTime, float delaySeconds);
