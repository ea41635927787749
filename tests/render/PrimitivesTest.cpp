#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "render/Primitives.h"
#include "render/TinyTarget.h"

namespace {

using Rows = std::vector<std::string>;

constexpr Rgb red = makeRgb(255, 0, 0);
constexpr uint16_t ink = rgbTo565(red);

// The 10 x 10 picture of what drew, '#' the ink.
Rows blank10() { return Rows(10, std::string(10, '.')); }

TEST(Lines, HorizontalRunsFromTheSmallerToTheLargerEndAndStopsAtTheClip) {
    TinyTarget target(10, 12);
    drawHLine(5, 10, 2, red);
    Rows expected(12, std::string(10, '.'));
    expected[10] = "..####....";
    EXPECT_EQ(target.picture(ink), expected);

    TinyTarget narrow(4, 3);
    drawHLine(5, 1, 2, red);
    EXPECT_EQ(narrow.picture(ink), (Rows{"....", "..##", "...."}));
}

TEST(Lines, HorizontalOutsideTheClipOrWithExtremeEndsStaysInside) {
    TinyTarget target(10, 10);
    drawHLine(0, -1, 9, red);
    drawHLine(0, 10, 9, red);
    drawHLine(10, 3, 20, red);
    drawHLine(-20, 3, -1, red);
    EXPECT_EQ(target.countNot(0), 0);
    drawHLine(INT_MIN, 4, INT_MAX, red);
    Rows expected = blank10();
    expected[4] = "##########";
    EXPECT_EQ(target.picture(ink), expected);
    EXPECT_TRUE(target.guardsIntact());
}

TEST(Lines, VerticalRunsBothWaysAndClips) {
    TinyTarget target(10, 10);
    drawVLine(3, 7, 2, red);
    drawVLine(8, INT_MAX, INT_MIN, red);
    drawVLine(10, 0, 9, red);
    drawVLine(-1, 0, 9, red);
    Rows expected = blank10();
    for (int y = 0; y < 10; ++y) expected[y][8] = '#';
    for (int y = 2; y <= 7; ++y) expected[y][3] = '#';
    EXPECT_EQ(target.picture(ink), expected);
}

TEST(Pixels, PutInsideOnlyAndReadBackAsWidenedRgb) {
    TinyTarget target(10, 10);
    putPixel(0, 0, red);
    putPixel(9, 9, colourWhite());
    putPixel(10, 0, red);
    putPixel(-1, 5, red);
    putPixel(3, 10, red);
    EXPECT_EQ(target.countNot(0), 2);
    EXPECT_EQ(target.at(0, 0), 0xF800);
    EXPECT_EQ(getPixel(9, 9), 0x00F8FCF8u);
    EXPECT_EQ(getPixel(0, 0), 0x000000F8u);
    EXPECT_EQ(getPixel(10, 0), 0u);
    EXPECT_EQ(getPixel(INT_MIN, INT_MAX), 0u);
}

TEST(Fills, BoxesOfZeroHeightDrawNothingAndOfOneRowDrawTen) {
    TinyTarget target(10, 10);
    fillBox(0, 0, 10, 0, red);
    EXPECT_EQ(target.countNot(0), 0);
    fillBox(0, 0, 10, 1, red);
    Rows expected = blank10();
    expected[0] = "##########";
    EXPECT_EQ(target.picture(ink), expected);
}

TEST(Fills, RectanglesEndBeforeTheirRightAndBottomEdges) {
    TinyTarget target(10, 10);
    fillRect(Rect{2, 3, 5, 5}, red);
    Rows expected = blank10();
    expected[3] = "..###.....";
    expected[4] = "..###.....";
    EXPECT_EQ(target.picture(ink), expected);
}

TEST(Fills, EmptyReversedAndOutsideRectanglesDrawNothing) {
    TinyTarget target(10, 10);
    fillRect(Rect{0, -5, 10, 0}, red);  // bottom on the clip's top
    fillRect(Rect{10, 0, 20, 10}, red);
    fillRect(Rect{6, 2, 3, 8}, red);
    fillRect(Rect{2, 8, 6, 3}, red);
    fillRect(Rect{INT_MAX, INT_MAX, INT_MIN, INT_MIN}, red);
    fillBox(INT_MAX, 0, INT_MAX, 10, red);
    fillBox(0, 0, -5, 5, red);
    EXPECT_EQ(target.countNot(0), 0);
}

TEST(Fills, HugeSizesAreClippedWithoutOverflow) {
    TinyTarget target(10, 10);
    fillBox(5, 8, INT_MAX, INT_MAX, red);
    fillBox(-3, -3, 5, 5, red);
    Rows expected = blank10();
    expected[0] = "##........";
    expected[1] = "##........";
    expected[8] = ".....#####";
    expected[9] = ".....#####";
    EXPECT_EQ(target.picture(ink), expected);
    fillRect(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, red);
    EXPECT_EQ(target.countNot(ink), 0);
    EXPECT_TRUE(target.guardsIntact());
}

TEST(Frames, ThicknessZeroDrawsNothingAndTwoDrawsTwoBandsEachSide) {
    TinyTarget target(10, 10);
    drawFrame(Rect{0, 0, 9, 9}, 0, red);
    drawFrame(Rect{0, 0, 9, 9}, -3, red);
    EXPECT_EQ(target.countNot(0), 0);
    const Rows expected{"##########", "##########", "##......##", "##......##", "##......##",
                        "##......##", "##......##", "##......##", "##########", "##########"};
    drawFrame(Rect{0, 0, 9, 9}, 2, red);
    EXPECT_EQ(target.picture(ink), expected);
    target.clear();
    drawFrame(Rect{9, 9, 0, 0}, 2, red);  // corners are put in order first
    EXPECT_EQ(target.picture(ink), expected);
}

TEST(Frames, BandsThickerThanTheRectangleRunOnPastItsOppositeEdge) {
    TinyTarget target(10, 10);
    drawFrame(Rect{2, 2, 4, 4}, 5, red);
    Rows expected = blank10();
    expected[0] = "..###.....";
    expected[1] = "..###.....";
    expected[2] = "#######...";
    expected[3] = "#######...";
    expected[4] = "#######...";
    expected[5] = "..###.....";
    expected[6] = "..###.....";
    EXPECT_EQ(target.picture(ink), expected);
    // Bands of 2^31 - 1 from either side of the widest rectangle meet everywhere but column and row 0.
    target.clear();
    drawFrame(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, INT_MAX, red);
    EXPECT_EQ(target.countNot(ink), 1);
    EXPECT_EQ(target.at(0, 0), 0);
    EXPECT_TRUE(target.guardsIntact());
}

TEST(Panels, FillInsideAndOutlineOneColumnAndRowFurther) {
    const uint16_t grey = 0x1234;
    TinyTarget target(40, 40, grey);
    drawPanel(10, 10, 20, 20, 0, 1, colourWhite());
    EXPECT_EQ(target.at(11, 11), 0xFFFF);
    EXPECT_EQ(target.at(29, 29), 0xFFFF);
    for (int i = 10; i <= 30; ++i) {
        EXPECT_EQ(target.at(i, 10), 0) << i;
        EXPECT_EQ(target.at(i, 30), 0) << i;
        EXPECT_EQ(target.at(10, i), 0) << i;
        EXPECT_EQ(target.at(30, i), 0) << i;
    }
    EXPECT_EQ(target.at(31, 20), grey);
    EXPECT_EQ(target.at(20, 31), grey);
    EXPECT_EQ(target.at(9, 9), grey);
    EXPECT_EQ(target.countNot(grey), 21 * 21);
}

TEST(Panels, NoFillLeavesTheInsideUntouched) {
    TinyTarget target(10, 10);
    fillRect(Rect{0, 0, 10, 10}, colourWhite());
    drawPanel(1, 1, 7, 7, red, 1, NoFill);
    for (int y = 2; y <= 7; ++y) {
        for (int x = 2; x <= 7; ++x) EXPECT_EQ(target.at(x, y), 0xFFFF);
    }
    EXPECT_EQ(target.at(1, 1), ink);
    EXPECT_EQ(target.at(8, 8), ink);
    EXPECT_EQ(target.countNot(0xFFFF), 4 * 7);
}

struct Segment {
    int32_t x0, y0, x1, y1;
    bool operator==(const Segment&) const = default;
};

int clip(Segment& s) { return clipLine(s.x0, s.y0, s.x1, s.y1); }

TEST(LineClipping, ReportsOutsideInsideAndMoved) {
    TinyTarget target(240, 320);
    Segment left{-9, 4, -1, 200};
    EXPECT_EQ(clip(left), ClipOutside);
    EXPECT_EQ(left, (Segment{-9, 4, -1, 200}));
    Segment inside{3, 4, 239, 319};
    EXPECT_EQ(clip(inside), ClipInside);
    EXPECT_EQ(inside, (Segment{3, 4, 239, 319}));
    Segment crossing{-10, 5, 10, 5};
    EXPECT_EQ(clip(crossing), ClipMoved);
    EXPECT_EQ(crossing, (Segment{0, 5, 10, 5}));
}

TEST(LineClipping, CornerPointsTryTheHorizontalEdgeFirst) {
    TinyTarget target(10, 10);
    Segment viaTop{-1, -4, 4, 6};  // crosses the top edge at x = 1
    EXPECT_EQ(clip(viaTop), ClipMoved);
    EXPECT_EQ(viaTop, (Segment{1, 0, 4, 6}));
    Segment viaLeft{-4, -1, 6, 4};  // crosses the top edge at x = -2, so the left edge is taken
    EXPECT_EQ(clip(viaLeft), ClipMoved);
    EXPECT_EQ(viaLeft, (Segment{0, 1, 6, 4}));
    Segment pastCorner{-5, 3, 3, -5};  // misses the box at its top-left corner
    EXPECT_EQ(clip(pastCorner), ClipOutside);
    EXPECT_EQ(pastCorner, (Segment{-5, 3, 3, -5}));
}

TEST(LineClipping, DivisionTruncatesTowardZeroAndExtremesDoNotOverflow) {
    TinyTarget target(10, 10);
    Segment falling{-3, 0, 4, 9};  // y = 27 / 7 at the left edge
    EXPECT_EQ(clip(falling), ClipMoved);
    EXPECT_EQ(falling, (Segment{0, 3, 4, 9}));
    Segment rising{-3, 9, 4, 0};  // y = 9 - 27 / 7: truncation gives 6, flooring would give 5
    EXPECT_EQ(clip(rising), ClipMoved);
    EXPECT_EQ(rising, (Segment{0, 6, 4, 0}));
    Segment diagonal{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    EXPECT_EQ(clip(diagonal), ClipMoved);
    EXPECT_EQ(diagonal, (Segment{0, 0, 9, 9}));
}

TEST(Circles, RadiusZeroIsOnePixelAndNegativeIsNothing) {
    TinyTarget target(10, 10);
    fillCircle(4, 4, -3, red);
    EXPECT_EQ(target.countNot(0), 0);
    fillCircle(4, 4, 0, red);
    EXPECT_EQ(target.countNot(0), 1);
    EXPECT_EQ(target.at(4, 4), ink);
}

TEST(Circles, SmallRadiiGiveTheMidpointRows) {
    TinyTarget target(10, 10);
    fillCircle(4, 4, 3, red);
    EXPECT_EQ(target.picture(ink), (Rows{"..........", "...###....", "..#####...", ".#######..", ".#######..",
                                         ".#######..", "..#####...", "...###....", "..........", ".........."}));
    target.clear();
    fillCircle(4, 4, 2, red);
    EXPECT_EQ(target.picture(ink), (Rows{"..........", "..........", "...###....", "..#####...", "..#####...",
                                         "..#####...", "...###....", "..........", "..........", ".........."}));
}

TEST(Circles, DiscsOverTheEdgeAreClipped) {
    TinyTarget target(10, 10);
    fillCircle(0, 9, 3, red);
    EXPECT_EQ(target.picture(ink), (Rows{"..........", "..........", "..........", "..........", "..........",
                                         "..........", "##........", "###.......", "####......", "####......"}));
    EXPECT_TRUE(target.guardsIntact());
}

}  // namespace
