#include "game/CountdownClock.h"
#include "platform/headless/HeadlessBackend.h"
#include "text/TextDraw.h"
#include "ui/WidgetFixture.h"

namespace {

class CountdownClockTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        backend = &platform::resetHeadlessBackend();  // a fresh virtual clock and sound log
        tick.makeResourceSound(114);
        clock.setTickSound(&tick);
        clock.setWidth(80);
    }
    static void wait(uint32_t ms) { platform::sleepMs(ms); }
    size_t ticks() const { return backend->sounds().size(); }

    platform::HeadlessBackend* backend = nullptr;
    Sound tick;
    CountdownClock clock;
};

TEST_F(CountdownClockTest, TicksOnceForEachChangeOfTheShownSecond) {
    EXPECT_EQ(tick.playFlags, platform::SND_NOSTOP);
    clock.startClock(30, 60);
    EXPECT_EQ(clockText(clock.secondsLeft()), u"0:30");
    clock.draw();
    wait(999);
    clock.draw();
    EXPECT_EQ(ticks(), 0u);
    wait(1);
    clock.draw();
    clock.draw();
    EXPECT_EQ(clock.secondsLeft(), 29);
    ASSERT_EQ(ticks(), 1u);
    EXPECT_EQ(backend->sounds()[0].id, 114);
    wait(2500);  // two seconds between frames: one tick
    clock.draw();
    EXPECT_EQ(ticks(), 2u);

    clock.addTime(3000);  // jumps do not tick
    clock.draw();
    clock.addTime(-5000);
    clock.draw();
    EXPECT_EQ(clock.secondsLeft(), 25);
    EXPECT_EQ(ticks(), 2u);
}

TEST_F(CountdownClockTest, BonusFillsUpToTheCapacityAndPenaltyNeedsTheTimeLeft) {
    clock.startClock(58, 60);
    clock.addTime(4000);
    EXPECT_EQ(clock.secondsLeft(), 60);
    EXPECT_EQ(clockText(clock.secondsLeft()), u"1:00");
    EXPECT_EQ(clockText(7), u"0:07");
    wait(10'000);
    clock.addTime(3000);
    EXPECT_EQ(clock.secondsLeft(), 53);

    clock.startClock(3, 60);
    clock.addTime(-4000);
    EXPECT_EQ(clock.secondsLeft(), 3);
    clock.startClock(5, 60);
    clock.addTime(-4000);
    EXPECT_EQ(clock.secondsLeft(), 1);
}

TEST_F(CountdownClockTest, NeverReadsBelowZeroNorAboveItsCapacity) {
    clock.startClock(2, 60);
    wait(3'000'000);
    EXPECT_EQ(clock.secondsLeft(), 0);
    clock.startClock(90, 60);
    EXPECT_EQ(clock.secondsLeft(), 60);
    clock.pauseCountdown();
    wait(5000);
    EXPECT_EQ(clock.secondsLeft(), 60);
}

TEST_F(CountdownClockTest, TimeIsCentredOverTheClock) {
    Font& f = useFontWithAscent(13);
    clock.startClock(7, 60);
    clock.draw();
    const std::vector<uint16_t> drawn = pixels;
    useTarget(240, 160);
    TextStyle style;
    style.boxWidth = 80;
    drawTextStyled(f, u"0:07", 0, 0, style);
    EXPECT_EQ(drawn, pixels);
    EXPECT_EQ(hitListCount(), 0);
}

}  // namespace
