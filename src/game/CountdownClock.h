#pragma once
// The round's whole-second countdown. It also holds the time rules at its edges: it never holds more
// than its capacity, and a penalty larger than the time left is not applied. It ticks once each time the
// shown second changes by running down, never when a bonus or penalty moves it.
#include "app/TickTimer.h"
#include "support/WString.h"

class CountdownClock {
public:
    CountdownClock() { stopwatch.restart(); }

    // Starts with `left` seconds on a clock that holds at most `newCapacity`.
    void startClock(int32_t left, int32_t newCapacity);
    // Never below 0, however long the stopwatch runs.
    int32_t secondsLeft() const;
    // A bonus (ms > 0) up to the capacity, or a penalty (ms < 0) unless it exceeds the time left.
    void addTime(int32_t ms);
    void pauseCountdown() { stopwatch.pause(); }
    void resumeCountdown() { stopwatch.resume(); }
    // True when the shown second has run down since the last call: once, however many seconds passed.
    bool tick();
    // Flips every 250 ms, for lights that blink while time runs out.
    bool blinkPhase() const;

private:
    int32_t capacity = 30;
    TickTimer stopwatch;
    int32_t shownSeconds = 0;
};

// "m:ss", as in "0:07" and "1:00".
WString clockText(int32_t seconds);
