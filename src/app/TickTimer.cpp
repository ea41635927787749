#include "app/TickTimer.h"

#include "platform/Platform.h"

TickTimer::TickTimer() : startTick(platform::tickCount()), frozenMs(0), paused(false) {}

uint32_t TickTimer::restart() {
    startTick = platform::tickCount();
    frozenMs = 0;
    return startTick;
}

void TickTimer::shiftStart(uint32_t ms) { startTick += ms; }

uint32_t TickTimer::elapsedMs() const { return paused ? frozenMs : platform::tickCount() - startTick; }

uint32_t TickTimer::pause() {
    frozenMs = elapsedMs();
    paused = true;
    return frozenMs;
}

void TickTimer::resume() {
    if (!paused) return;
    paused = false;
    startTick = platform::tickCount() - frozenMs;
}
