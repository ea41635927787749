// The stopwatch on the headless backend's virtual tick count.
#include <gtest/gtest.h>

#include "app/TickTimer.h"
#include "platform/headless/HeadlessBackend.h"

using platform::HeadlessBackend;

class TickTimers : public ::testing::Test {
protected:
    HeadlessBackend& clock = platform::resetHeadlessBackend();
    void TearDown() override { platform::resetHeadlessBackend(); }
};

TEST_F(TickTimers, PauseFreezesResumeContinuesAndRestartWhilePausedReadsZero) {
    clock.advance(1000);
    TickTimer timer;
    clock.advance(300);
    EXPECT_EQ(timer.pause(), 300u);
    clock.advance(500);
    EXPECT_EQ(timer.pause(), 300u);  // paused again: still frozen
    timer.resume();
    clock.advance(20);
    EXPECT_EQ(timer.elapsedMs(), 320u);
    timer.resume();  // not paused: changes nothing
    EXPECT_EQ(timer.elapsedMs(), 320u);
    timer.pause();
    timer.restart();
    clock.advance(400);
    EXPECT_EQ(timer.elapsedMs(), 0u);
    timer.resume();
    clock.advance(60);
    EXPECT_EQ(timer.elapsedMs(), 60u);
}

// Shifting the start gives time back; past the elapsed time the unsigned difference wraps, and so
// does the tick count without disturbing the count.
TEST_F(TickTimers, ShiftStartAndTheTickCountWrap) {
    clock.advance(0xFFFFFFFFu - 400);
    TickTimer timer;
    clock.advance(1000);
    EXPECT_EQ(timer.elapsedSeconds(), 1u);
    timer.shiftStart(400);
    EXPECT_EQ(timer.elapsedMs(), 600u);
    timer.shiftStart(601);
    EXPECT_EQ(timer.elapsedMs(), 0xFFFFFFFFu);
}
