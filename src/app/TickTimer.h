#pragma once
// A millisecond stopwatch on the system tick count. All arithmetic is unsigned 32-bit, so
// differences stay right across the wrap of the tick count.
#include <cstdint>

class TickTimer {
public:
    TickTimer();

    uint32_t restart();            // keeps a paused timer paused, reading 0 until resumed
    void shiftStart(uint32_t ms);  // the elapsed time shrinks by ms
    uint32_t elapsedMs() const;
    uint32_t elapsedSeconds() const { return elapsedMs() / 1000; }
    uint32_t pause();
    void resume();  // continues the count where pause froze it

private:
    uint32_t startTick;
    uint32_t frozenMs;
    bool paused;
};
