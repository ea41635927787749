// The round's clock on the headless virtual clock: its ticks, and the time rules at its edges.
#include <gtest/gtest.h>

#include "game/CountdownClock.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

class CountdownClockTest : public ::testing::Test {
protected:
    void SetUp() override { platform::resetHeadlessBackend(); }  // a fresh virtual clock
    CountdownClock clock;
};

TEST_F(CountdownClockTest, TicksOnceForEachChangeOfTheShownSecondButNotForJumps) {
    clock.startClock(30, 60);
    platform::sleepMs(999);
    EXPECT_FALSE(clock.tick());
    platform::sleepMs(1);
    EXPECT_TRUE(clock.tick());
    EXPECT_FALSE(clock.tick());
    platform::sleepMs(2500);  // two seconds between frames: one tick
    EXPECT_TRUE(clock.tick());
    EXPECT_FALSE(clock.tick());
    clock.addTime(3000);
    EXPECT_FALSE(clock.tick());
    clock.addTime(-5000);
    EXPECT_FALSE(clock.tick());
    EXPECT_EQ(clock.secondsLeft(), 25);
}

// Each case starts a clock of some seconds (of 60 at most), adds or takes some, then lets time pass.
TEST_F(CountdownClockTest, NeverHoldsMoreThanItsCapacityNorLessThanNothing) {
    EXPECT_EQ(clockText(7) + u" " + clockText(60) + u" " + clockText(125), u"0:07 1:00 2:05");
    struct Case {
        int32_t start, addMs, waitMs, left;
        const char* why;
    };
    for (const Case& c : {Case{58, 4000, 0, 60, "capped"}, Case{58, 4000, 10'000, 50, "capped before the wait"},
                          Case{3, -4000, 0, 3, "a penalty larger than the time left is not applied"},
                          Case{5, -4000, 0, 1, "a penalty smaller is"}, Case{2, 0, 3'000'000, 0, "never below 0"},
                          Case{90, 0, 0, 60, "started over the capacity"}}) {
        clock.startClock(c.start, 60);
        clock.addTime(c.addMs);
        platform::sleepMs(c.waitMs);
        EXPECT_EQ(clock.secondsLeft(), c.left) << c.why;
    }
    clock.pauseCountdown();
    platform::sleepMs(5000);
    EXPECT_EQ(clock.secondsLeft(), 60) << "paused";
}

}  // namespace
