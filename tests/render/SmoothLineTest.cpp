#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "render/Primitives.h"
#include "render/TinyTarget.h"

namespace {

constexpr Rgb red = makeRgb(255, 0, 0);
constexpr uint16_t blue565 = 0x001F;

struct Expected {
    int x, y;
    Rgb colour;
};

// Every pixel of the target: the listed ones in their colour, the rest untouched.
void expectPixels(const TinyTarget& target, const std::vector<Expected>& pixels) {
    int listed = 0;
    for (const Expected& p : pixels) {
        EXPECT_EQ(target.at(p.x, p.y), rgbTo565(p.colour)) << "pixel " << p.x << ", " << p.y;
        listed += target.at(p.x, p.y) != target.background();
    }
    EXPECT_EQ(target.countNot(target.background()), listed) << "pixels drawn beyond the expected ones";
}

Rgb grey(uint32_t level) { return makeRgb(level, level, level); }

TEST(SmoothLines, StraightAndDiagonalLinesAreSolid) {
    TinyTarget target(10, 10);
    drawSmoothLine(8, 2, 1, 2, red);
    drawSmoothLine(5, 9, 5, 4, red);
    drawSmoothLine(0, 9, 4, 5, red);
    drawSmoothLine(9, 0, 6, 3, red);
    const uint16_t ink = rgbTo565(red);
    EXPECT_EQ(target.picture(ink),
              (std::vector<std::string>{".........#", "........#.", ".########.", "......#...", ".....#....",
                                        "....##....", "...#.#....", "..#..#....", ".#...#....", "#....#...."}));
}

// Shallow (dx 5, dy 2): the accumulator wraps once, between x = 2 and x = 3. A white line on black
// weighs each pixel with 255 - w.
TEST(SmoothLines, ShallowLineMatchesHandComputedWeights) {
    TinyTarget target(10, 10);
    drawSmoothLine(0, 0, 5, 2, colourWhite());
    expectPixels(target, {{0, 0, colourWhite()},
                          {1, 0, grey(152)},
                          {1, 1, grey(102)},
                          {2, 0, grey(50)},
                          {2, 1, grey(204)},
                          {3, 1, grey(203)},
                          {3, 2, grey(51)},
                          {4, 1, grey(101)},
                          {4, 2, grey(153)},
                          {5, 2, colourWhite()}});
}

// A black line on white is darker than its background, so each pixel is weighed with w itself.
TEST(SmoothLines, DarkLineOnLightBackgroundUsesTheOtherWeight) {
    TinyTarget target(10, 10, 0xFFFF);
    drawSmoothLine(0, 0, 5, 2, 0);
    expectPixels(target, {{0, 0, 0},
                          {1, 0, makeRgb(98, 100, 98)},
                          {1, 1, makeRgb(149, 151, 149)},
                          {2, 0, makeRgb(197, 200, 197)},
                          {2, 1, makeRgb(50, 51, 50)},
                          {3, 1, makeRgb(49, 50, 49)},
                          {3, 2, makeRgb(198, 201, 198)},
                          {4, 1, makeRgb(148, 150, 148)},
                          {4, 2, makeRgb(99, 101, 99)},
                          {5, 2, 0}});
}

// Steep (dx 1, dy 3), red over blue: red is the brighter, but in the blue channel the background is
// above the line, so that channel takes the other share.
TEST(SmoothLines, SteepLineBlendsEachChannelByItsOwnOrder) {
    TinyTarget target(10, 10, blue565);
    drawSmoothLine(1, 0, 2, 3, red);
    expectPixels(target, {{1, 0, red},
                          {1, 1, makeRgb(169, 0, 164)},
                          {2, 1, makeRgb(85, 0, 83)},
                          {1, 2, makeRgb(84, 0, 82)},
                          {2, 2, makeRgb(170, 0, 165)},
                          {2, 3, red}});
}

TEST(SmoothLines, EndPointOrderDoesNotMatterAndLeftwardLinesMirror) {
    TinyTarget forward(10, 10);
    drawSmoothLine(0, 0, 5, 2, colourWhite());
    const std::vector<std::string> drawn = forward.picture(0xFFFF);
    std::vector<uint16_t> pixels;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) pixels.push_back(forward.at(x, y));
    }

    TinyTarget backward(10, 10);
    drawSmoothLine(5, 2, 0, 0, 77, colourWhite());  // the extra argument changes nothing
    TinyTarget mirrored(10, 10);
    drawSmoothLine(9, 0, 4, 2, colourWhite());
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const uint16_t expected = pixels[static_cast<size_t>(y * 10 + x)];
            EXPECT_EQ(backward.at(x, y), expected) << x << ", " << y;
            EXPECT_EQ(mirrored.at(9 - x, y), expected) << x << ", " << y;
        }
    }
}

TEST(SmoothLines, LinesFromFarOutsideAreClippedFirst) {
    TinyTarget target(10, 10);
    drawSmoothLine(-10, 5, 20, 5, red);
    drawSmoothLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX, red);
    drawSmoothLine(-30, -1, -2, 40, red);
    EXPECT_TRUE(target.guardsIntact());
    const uint16_t ink = rgbTo565(red);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(target.at(x, 5), ink);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(target.at(i, i), ink);
    EXPECT_EQ(target.countNot(0), 19);
}

}  // namespace
