#include "WidgetFixture.h"
#include "ui/Palette.h"
#include "ui/Widget.h"

namespace {

// A plain widget that registers when drawn and counts what reaches it.
struct Probe : Widget {
    Probe(int32_t left, int32_t top, int32_t w, int32_t h) {
        setPosition(left, top);
        setSize(w, h);
    }
    void draw() override { registerForInput(); }
    void onPress(const Point&) override { ++presses; }
    void onClick(const Point&) override { ++clicks; }
    int presses = 0;
    int clicks = 0;
};

using PointerModelTest = WidgetTest;

TEST_F(PointerModelTest, WidgetWithoutAreaIsNeverHit) {
    Probe flat(10, 10, 20, 0), thin(10, 10, 0, 20);
    flat.draw();
    thin.draw();
    EXPECT_FALSE(press(10, 10));
    EXPECT_EQ(flat.presses + thin.presses, 0);
    EXPECT_FALSE(flat.pressed || thin.pressed);
}

TEST_F(PointerModelTest, EdgesAreInsideOnTheLeftAndTopOnly) {
    Probe box(10, 20, 30, 40);
    box.draw();
    for (Point inside : {Point{10, 20}, Point{39, 59}}) {
        EXPECT_TRUE(dispatchPress(inside));
        EXPECT_TRUE(dispatchRelease(inside));
    }
    for (Point outside : {Point{40, 30}, Point{20, 60}, Point{9, 30}, Point{20, 19}})
        EXPECT_FALSE(dispatchPress(outside));
    EXPECT_EQ(box.presses, 2);
    EXPECT_EQ(box.clicks, 2);
}

TEST_F(PointerModelTest, FirstDrawnOfOverlappingWidgetsTakesThePress) {
    Probe first(0, 0, 50, 50), second(20, 20, 50, 50);
    first.draw();
    second.draw();
    EXPECT_TRUE(press(30, 30));
    EXPECT_TRUE(first.pressed);
    EXPECT_FALSE(second.pressed);
    EXPECT_TRUE(release(30, 30));
    EXPECT_EQ(first.clicks, 1);
    EXPECT_EQ(second.presses + second.clicks, 0);
    EXPECT_FALSE(first.pressed);
}

TEST_F(PointerModelTest, PassThroughLetsThePressReachTheWidgetBehind) {
    Probe item(10, 10, 20, 20), row(0, 0, 100, 40);
    item.passThrough = true;
    item.draw();
    row.draw();

    EXPECT_TRUE(press(15, 15));
    EXPECT_EQ(item.presses, 1);
    EXPECT_EQ(row.presses, 1);
    EXPECT_TRUE(release(15, 15));
    EXPECT_EQ(item.clicks, 1);
    EXPECT_EQ(row.clicks, 1);

    // With nothing behind it, a pass-through widget still takes the press but does not consume it.
    clearHitList();
    item.draw();
    EXPECT_FALSE(press(15, 15));
    EXPECT_EQ(item.presses, 2);
    EXPECT_FALSE(release(15, 15));
    EXPECT_EQ(item.clicks, 2);
}

TEST_F(PointerModelTest, ReleaseOutsideCancelsTheClickSilently) {
    Probe box(10, 10, 20, 20);
    box.draw();
    EXPECT_TRUE(press(15, 15));
    EXPECT_TRUE(release(100, 100));  // consumed, though it missed
    EXPECT_FALSE(box.pressed);
    EXPECT_EQ(box.clicks, 0);
    EXPECT_FALSE(release(15, 15));  // nothing is pressed any more
    EXPECT_EQ(box.clicks, 0);
}

TEST_F(PointerModelTest, FirstPressedWidgetEndsTheReleaseEvenWhenMissed) {
    Probe left(0, 0, 20, 20), right(50, 0, 20, 20);
    left.draw();
    right.draw();
    press(5, 5);
    press(55, 5);
    EXPECT_TRUE(release(55, 5));
    EXPECT_FALSE(left.pressed);
    EXPECT_EQ(left.clicks, 0);
    EXPECT_TRUE(right.pressed);  // the release never reached it
    EXPECT_EQ(right.clicks, 0);
}

TEST_F(PointerModelTest, HitAreaIsCutAtTheClipTopAndBottomButNotAtItsSides) {
    useTarget(100, 50);
    Probe above(-10, -10, 30, 30), below(90, 40, 30, 30);
    above.draw();
    below.draw();
    EXPECT_EQ(above.clipRect, (Rect{0, 0, 100, 50}));
    EXPECT_EQ(above.hitRect(), (Rect{-10, 0, 20, 20}));
    EXPECT_EQ(below.hitRect(), (Rect{90, 40, 120, 50}));

    EXPECT_FALSE(press(5, -1));  // above the clip
    EXPECT_TRUE(press(-5, 0));   // left of the target, but inside the widget
    EXPECT_TRUE(press(110, 49));
    EXPECT_FALSE(press(95, 50));
    EXPECT_EQ(above.presses, 1);
    EXPECT_EQ(below.presses, 1);
}

TEST_F(PointerModelTest, OnlyAHundredWidgetsTakeTheStylusInOneFrame) {
    std::vector<Probe> probes;
    for (int32_t i = 0; i < 101; ++i) probes.emplace_back(2 * i, 0, 2, 2);
    useTarget(10, 10);  // the clip every registration records
    for (Probe& probe : probes) probe.draw();

    EXPECT_EQ(hitListCount(), HitListCapacity);
    EXPECT_EQ(hitListEntry(99), &probes[99]);
    EXPECT_EQ(probes[100].clipRect, (Rect{0, 0, 10, 10}));  // recorded though not listed
    EXPECT_FALSE(press(200, 0));
    EXPECT_EQ(probes[100].presses, 0);
    EXPECT_TRUE(press(198, 0));
    EXPECT_EQ(probes[99].presses, 1);
}

TEST_F(PointerModelTest, DispatchSeesOnlyTheLastFrameDrawn) {
    Probe box(0, 0, 20, 20);
    box.draw();
    press(5, 5);
    clearHitList();  // the next frame does not draw it
    EXPECT_FALSE(release(5, 5));
    EXPECT_TRUE(box.pressed);  // stays held until a release finds it registered again
    EXPECT_FALSE(press(5, 5));

    box.draw();
    EXPECT_TRUE(release(5, 5));
    EXPECT_EQ(box.clicks, 1);
}

TEST_F(PointerModelTest, BoxShowsThePressedState) {
    Probe box(10, 10, 20, 10);
    box.drawBox();
    EXPECT_EQ(pixel(10, 10), stored(inkColour));
    EXPECT_EQ(pixel(30, 20), stored(inkColour));  // the outline encloses one more column and row
    EXPECT_EQ(pixel(15, 15), stored(paletteLightBlue));

    box.pressed = true;
    box.bordered = false;
    box.drawBox();
    EXPECT_EQ(pixel(10, 10), stored(paletteLightGreen));  // no outline without a border
    EXPECT_EQ(pixel(15, 15), stored(paletteLightGreen));
    EXPECT_EQ(box.outlineColour(), paletteGreen);
}

}  // namespace
