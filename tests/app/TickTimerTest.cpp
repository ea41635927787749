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

TEST_F(TickTimers, PauseFreezesAndResumeContinuesWhereItStopped) {
    clock.advance(1000);
    TickTimer timer;
    EXPECT_EQ(timer.elapsedMs(), 0u);
    clock.advance(300);
    EXPECT_EQ(timer.pause(), 300u);
    clock.advance(500);
    EXPECT_EQ(timer.pause(), 300u);  // pausing again keeps the frozen time
    EXPECT_EQ(timer.elapsedMs(), 300u);
    timer.resume();
    EXPECT_EQ(timer.elapsedMs(), 300u);
    clock.advance(20);
    EXPECT_EQ(timer.elapsedMs(), 320u);
    timer.resume();  // not paused: changes nothing
    EXPECT_EQ(timer.elapsedMs(), 320u);
}

TEST_F(TickTimers, RestartOfAPausedTimerReadsZeroUntilResumed) {
    TickTimer timer;
    clock.advance(700);
    timer.pause();
    clock.advance(100);
    EXPECT_EQ(timer.restart(), 800u);
    EXPECT_TRUE(timer.isPaused());
    clock.advance(400);
    EXPECT_EQ(timer.elapsedMs(), 0u);
    timer.resume();
    clock.advance(60);
    EXPECT_EQ(timer.elapsedMs(), 60u);
}

// Shifting the start gives time back; past the elapsed time the unsigned difference wraps.
TEST_F(TickTimers, ShiftStartShrinksTheElapsedTimeAndWraps) {
    TickTimer timer;
    clock.advance(5000);
    timer.shiftStart(2000);
    EXPECT_EQ(timer.elapsedMs(), 3000u);
    timer.shiftStart(3001);
    EXPECT_EQ(timer.elapsedMs(), 0xFFFFFFFFu);
    EXPECT_EQ(timer.elapsedSeconds(), 0xFFFFFFFFu / 1000);
}

TEST_F(TickTimers, WholeSecondsAndTheTickCountWrap) {
    clock.advance(0xFFFFFFFFu - 400);  // the tick count wraps 401 ms from now
    TickTimer timer;
    clock.advance(999);
    EXPECT_EQ(timer.elapsedMs(), 999u);
    EXPECT_EQ(timer.elapsedSeconds(), 0u);
    clock.advance(1);
    EXPECT_EQ(timer.elapsedSeconds(), 1u);
    EXPECT_LT(clock.tickCount(), 1000u);
}
