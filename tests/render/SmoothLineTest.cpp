#include <gtest/gtest.h>

#include <climits>

#include "render/Primitives.h"
#include "render/TinyTarget.h"

namespace {

constexpr Rgb red = makeRgb(255, 0, 0);

struct Expected {
    int x, y;
    Rgb colour;
};

// The listed pixels in their colours, every other pixel untouched.
void expectOnly(const TinyTarget& target, std::initializer_list<Expected> pixels) {
    Rows drawn = target.picture(target.background);
    for (const Expected& p : pixels) {
        EXPECT_EQ(target.at(p.x, p.y), rgbTo565(p.colour)) << "pixel " << p.x << ", " << p.y;
        drawn[p.y][p.x] = '?';
    }
    EXPECT_EQ(target.picture(target.background), drawn);
}

TEST(SmoothLines, StraightDiagonalAndClippedLinesAreSolid) {
    TinyTarget target(10, 10);
    drawSmoothLine(8, 2, 1, 2, red);
    drawSmoothLine(5, 9, 5, 4, red);
    drawSmoothLine(0, 9, 4, 5, red);
    drawSmoothLine(INT_MAX, INT_MIN + 10, 6, 3, red);  // clipped to (9, 0) - (6, 3)
    EXPECT_EQ(target.picture(rgbTo565(red)),
              (Rows{".........#", "........#.", ".########.", "......#...", ".....#....", "....##....", "...#.#....",
                    "..#..#....", ".#...#....", "#....#...."}));
}

// Shallow (dx 5, dy 2, the accumulator wrapping between x = 2 and 3), black over white: the line is
// the darker, so each pixel is weighed with w itself.
TEST(SmoothLines, ShallowLineMatchesHandComputedWeights) {
    TinyTarget target(10, 10, 0xFFFF);
    drawSmoothLine(5, 2, 0, 0, 0);
    expectOnly(target, {{0, 0, 0},
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

// Steep (dx 1, dy 3), red over blue: red is the brighter (weight 255 - w), but in the blue channel
// the background is above the line, so that channel takes the other share.
TEST(SmoothLines, SteepLineBlendsEachChannelByItsOwnOrder) {
    TinyTarget target(10, 10, 0x001F);
    drawSmoothLine(1, 0, 2, 3, red);
    expectOnly(target, {{1, 0, red},
                        {1, 1, makeRgb(169, 0, 164)},
                        {2, 1, makeRgb(85, 0, 83)},
                        {1, 2, makeRgb(84, 0, 82)},
                        {2, 2, makeRgb(170, 0, 165)},
                        {2, 3, red}});
}

}  // namespace
