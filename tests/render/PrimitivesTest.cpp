#include <gtest/gtest.h>

#include <climits>

#include "render/Primitives.h"
#include "render/TinyTarget.h"

namespace {

constexpr Rgb red = makeRgb(255, 0, 0);
constexpr uint16_t ink = rgbTo565(red);

TEST(Lines, RunBetweenEndsInEitherOrderAndStopAtTheClipAsPixelsDo) {
    TinyTarget wide(10, 12);
    drawHLine(5, 10, 2, red);
    EXPECT_EQ(wide.picture(ink)[10], "..####....");
    TinyTarget narrow(4, 3);
    drawHLine(5, 1, 2, red);
    drawVLine(0, INT_MAX, INT_MIN, red);
    for (int outside : {-1, 3, INT_MIN, INT_MAX}) drawHLine(INT_MIN, outside, INT_MAX, red);
    drawVLine(4, 0, 2, red);
    putPixel(3, 2, colourWhite());
    putPixel(4, 0, red);
    EXPECT_EQ(narrow.picture(ink), (Rows{"#...", "#.##", "#..?"}));
    EXPECT_EQ(narrow.at(3, 2), 0xFFFF);
}

TEST(Fills, HalfOpenClippedAndNothingWhenEmptyOrReversed) {
    TinyTarget target(10, 4);
    fillBox(0, 0, 10, 0, red);
    fillRect(Rect{0, -5, 10, 0}, red);  // bottom on the clip's top
    fillRect(Rect{6, 1, 3, 3}, red);
    fillBox(INT_MAX, 0, INT_MAX, 4, red);
    fillBox(0, 0, 10, 1, red);
    fillRect(Rect{2, 2, 5, 3}, red);
    fillBox(7, 3, INT_MAX, INT_MAX, red);
    EXPECT_EQ(target.picture(ink), (Rows{"##########", "..........", "..###.....", ".......###"}));
    EXPECT_TRUE(target.guardsIntact());
}

TEST(Frames, BandsGrowInwardsAndRunOnPastTheOppositeEdge) {
    TinyTarget target(10, 10);
    drawFrame(Rect{0, 0, 9, 9}, 0, red);
    EXPECT_EQ(target.picture(ink), Rows(10, ".........."));
    drawFrame(Rect{9, 9, 0, 0}, 2, red);
    EXPECT_EQ(target.picture(ink), (Rows{"##########", "##########", "##......##", "##......##", "##......##",
                                         "##......##", "##......##", "##......##", "##########", "##########"}));
    target.clear();
    drawFrame(Rect{2, 2, 4, 4}, 5, red);
    EXPECT_EQ(target.picture(ink), (Rows{"..###.....", "..###.....", "#######...", "#######...", "#######...",
                                         "..###.....", "..###.....", "..........", "..........", ".........."}));
}

TEST(Panels, FillTheBoxAndOutlineOneColumnAndRowFurther) {
    TinyTarget target(40, 40, 0x1234);
    drawPanel(10, 10, 20, 20, 0, 1, colourWhite());
    const Rows drawn = target.picture(0xFFFF);
    EXPECT_EQ(drawn[9], std::string(40, '.'));
    EXPECT_EQ(drawn[10], std::string(10, '.') + std::string(21, '?') + std::string(9, '.'));
    EXPECT_EQ(drawn[29], std::string(10, '.') + '?' + std::string(19, '#') + '?' + std::string(9, '.'));
    EXPECT_EQ(drawn[30], drawn[10]);
    EXPECT_EQ(drawn[31], drawn[9]);
    EXPECT_EQ(target.at(30, 30), 0);

    TinyTarget keep(5, 5, 0xFFFF);
    drawPanel(0, 0, 4, 4, red, 1, NoFill);
    EXPECT_EQ(keep.picture(ink), (Rows{"#####", "#...#", "#...#", "#...#", "#####"}));
}

TEST(LineClipping, ReportsOutsideInsideOrMovedWithTruncatedCrossings) {
    struct Case {
        int32_t in[4];
        int result;
        int32_t out[4];
    };
    const Case cases[] = {
        {{-9, 4, -1, 200}, ClipOutside, {-9, 4, -1, 200}},
        {{3, 4, 9, 9}, ClipInside, {3, 4, 9, 9}},
        {{-1, -4, 4, 6}, ClipMoved, {1, 0, 4, 6}},      // corner: the top edge is crossed inside
        {{-4, -1, 6, 4}, ClipMoved, {0, 1, 6, 4}},      // corner: the top edge is crossed at x = -2
        {{-5, 3, 3, -5}, ClipOutside, {-5, 3, 3, -5}},  // passes the corner by
        {{-3, 9, 4, 0}, ClipMoved, {0, 6, 4, 0}},       // 9 - 27 / 7 truncates to 6
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, ClipMoved, {0, 0, 9, 9}},
    };
    TinyTarget target(10, 10);
    for (const Case& c : cases) {
        int32_t p[4] = {c.in[0], c.in[1], c.in[2], c.in[3]};
        EXPECT_EQ(clipLine(p[0], p[1], p[2], p[3]), c.result) << c.in[0] << ", " << c.in[1];
        EXPECT_TRUE(std::equal(p, p + 4, c.out)) << p[0] << ", " << p[1] << " - " << p[2] << ", " << p[3];
    }
    TinyTarget screen(240, 320);
    int32_t x0 = -10, y0 = 5, x1 = 10, y1 = 5;
    EXPECT_EQ(clipLine(x0, y0, x1, y1), ClipMoved);
    EXPECT_TRUE(x0 == 0 && y0 == 5 && x1 == 10 && y1 == 5);
}

TEST(Circles, MidpointRowsFromRadiusZeroUpAndNothingForNegative) {
    TinyTarget target(8, 8);
    fillCircle(1, 1, 0, red);
    fillCircle(1, 1, -3, red);
    EXPECT_EQ(target.picture(ink)[1], ".#......");
    EXPECT_EQ(std::count(target.memory.begin(), target.memory.end(), ink), 1);
    target.clear();
    fillCircle(4, 4, 3, red);
    EXPECT_EQ(target.picture(ink),
              (Rows{"........", "...###..", "..#####.", ".#######", ".#######", ".#######", "..#####.", "...###.."}));
}

}  // namespace
