#include "WidgetFixture.h"

namespace {

// A plain widget that registers when drawn and counts what reaches it.
struct Probe : Widget {
    Probe(int32_t left, int32_t top, int32_t w, int32_t h) { setPosition(left, top), setSize(w, h), draw(); }
    void draw() override { registerForInput(); }
    void onPress(const Point&) override { ++presses; }
    void onClick(const Point&) override { ++clicks; }
    int presses = 0;
    int clicks = 0;
};

using PointerModelTest = WidgetTest;

// The area takes its left and top edges only, and the clip cuts it at its top and bottom but not at its sides.
TEST_F(PointerModelTest, AreaIncludesLeftAndTopEdgesOnlyAndIsCutAtTheClipTopAndBottom) {
    Probe flat(10, 20, 30, 0), box(10, 20, 30, 40);
    EXPECT_TRUE(tap(10, 20) && tap(39, 59));
    for (Point outside : {Point{40, 30}, Point{20, 60}, Point{9, 30}, Point{20, 19}})
        EXPECT_FALSE(dispatchPress(outside));
    EXPECT_EQ(flat.presses, 0);  // without area it is never hit
    EXPECT_EQ(box.clicks, 2);

    useTarget(100, 50);
    Probe above(-10, -10, 30, 30), below(90, 40, 30, 30);
    EXPECT_EQ(above.hitRect(), (Rect{-10, 0, 20, 20}));
    EXPECT_EQ(below.hitRect(), (Rect{90, 40, 120, 50}));
    EXPECT_TRUE(press(-5, 0) && press(110, 49));
    EXPECT_FALSE(press(5, -1) || press(95, 50));
}

TEST_F(PointerModelTest, EarlierWidgetWinsUnlessItPassesThePressOn) {
    Probe item(10, 10, 20, 20), row(0, 0, 100, 40), behind(0, 0, 100, 40);
    EXPECT_TRUE(tap(15, 15));
    EXPECT_EQ(row.presses, 0);
    item.passThrough = true;
    EXPECT_TRUE(tap(15, 15));
    EXPECT_EQ(item.clicks, 2);
    EXPECT_EQ(row.clicks, 1);
    EXPECT_EQ(behind.presses, 0);
}

TEST_F(PointerModelTest, ReleaseGoesToTheFirstPressedWidgetOfTheLastFrame) {
    Probe left(0, 0, 20, 20), right(50, 0, 20, 20);
    press(5, 5);
    EXPECT_TRUE(release(100, 100));  // lifted outside: consumed, not clicked
    EXPECT_FALSE(left.pressed);
    press(5, 5), press(55, 5);
    EXPECT_TRUE(release(55, 5));  // the missed left one ends the dispatch
    EXPECT_TRUE(right.pressed);
    EXPECT_EQ(left.clicks + right.clicks, 0);
    clearHitList();  // a frame that does not draw it: it stays held
    EXPECT_FALSE(release(55, 5));
    right.draw();
    EXPECT_TRUE(release(55, 5));
    EXPECT_EQ(right.clicks, 1);
}

TEST_F(PointerModelTest, OnlyAHundredWidgetsTakeTheStylusInOneFrame) {
    useTarget(10, 10);
    std::vector<Probe> probes;
    probes.reserve(101);  // they register as they are made
    for (int32_t i = 0; i < 101; ++i) probes.emplace_back(2 * i, 0, 2, 2);
    EXPECT_EQ(hitListCount(), HitListCapacity);
    EXPECT_EQ(probes[100].clipRect, (Rect{0, 0, 10, 10}));  // recorded though not listed
    EXPECT_FALSE(press(200, 0));
    EXPECT_TRUE(press(198, 0));
}

}  // namespace
