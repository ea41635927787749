#include "game/CountdownClock.h"

#include "support/NumberText.h"

void CountdownClock::startClock(int32_t left, int32_t newCapacity) {
    capacity = newCapacity;
    if (left > capacity) left = capacity;  // the clock never holds more than its capacity
    stopwatch.restart();
    // Moving the start makes capacity - left seconds appear to have passed already.
    stopwatch.shiftStart(static_cast<uint32_t>((left - capacity) * 1000));
    shownSeconds = secondsLeft();
}

int32_t CountdownClock::secondsLeft() const {
    // elapsedSeconds is at most 2^32 / 1000, so the difference cannot overflow.
    const int32_t left = capacity - static_cast<int32_t>(stopwatch.elapsedSeconds());
    return left < 0 ? 0 : left;
}

void CountdownClock::addTime(int32_t ms) {
    const int64_t msLeft = int64_t{capacity} * 1000 - stopwatch.elapsedMs();
    if (ms < 0 && msLeft + ms < 0) return;
    stopwatch.shiftStart(static_cast<uint32_t>(ms));
    // A bonus larger than the elapsed time wraps the elapsed count round to a huge value: the
    // clock is then simply full.
    if (stopwatch.elapsedMs() > static_cast<uint32_t>(capacity) * 1000u) stopwatch.restart();
    shownSeconds = secondsLeft();
}

bool CountdownClock::tick() {
    if (secondsLeft() == shownSeconds) return false;
    shownSeconds = secondsLeft();
    return true;
}

bool CountdownClock::blinkPhase() const {
    const auto phase = static_cast<uint32_t>(static_cast<float>(stopwatch.elapsedMs()) * 0.004f);
    return phase % 2 == 0;
}

WString clockText(int32_t seconds) {
    WString text;
    appendDecimal(text, seconds / 60);
    text += u':';
    if (seconds % 60 < 10) text += u'0';
    appendDecimal(text, seconds % 60);
    return text;
}
