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
    EXPECT_EQ(clock.secondsLeft(), 29);
    platform::sleepMs(2500);  // two seconds between frames: one tick
    EXPECT_TRUE(clock.tick());
    EXPECT_FALSE(clock.tick());
    clock.addTime(3000);
    EXPECT_FALSE(clock.tick());
    clock.addTime(-5000);
    EXPECT_FALSE(clock.tick());
    EXPECT_EQ(clock.secondsLeft(), 25);
}

TEST_F(CountdownClockTest, NeverHoldsMoreThanItsCapacityNorLessThanNothing) {
    EXPECT_EQ(clockText(7) + u" " + clockText(60) + u" " + clockText(125), u"0:07 1:00 2:05");
    clock.startClock(58, 60);
    clock.addTime(4000);
    EXPECT_EQ(clock.secondsLeft(), 60);
    platform::sleepMs(10'000);
    clock.addTime(3000);
    EXPECT_EQ(clock.secondsLeft(), 53);
    clock.startClock(3, 60);
    clock.addTime(-4000);
    EXPECT_EQ(clock.secondsLeft(), 3) << "a penalty larger than the time left is not applied";
    clock.startClock(5, 60);
    clock.addTime(-4000);
    EXPECT_EQ(clock.secondsLeft(), 1);
    clock.startClock(2, 60);
    platform::sleepMs(3'000'000);
    EXPECT_EQ(clock.secondsLeft(), 0);
    clock.startClock(90, 60);
    clock.pauseCountdown();
    platform::sleepMs(5000);
    EXPECT_EQ(clock.secondsLeft(), 60);
}

}  // namespace
