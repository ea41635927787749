// Colours as pixels, every primitive's pixels on tiny targets, images read in place from 8-bit bitmap
// bytes (damaged bytes count as no picture), and random arguments thrown at every primitive and the blit.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <tuple>

#include "common/PixelTarget.h"
#include "render/Image.h"
#include "render/ImageRegion.h"
#include "render/Primitives.h"

namespace {

constexpr Rgb red = makeRgb(255, 0, 0);
constexpr uint16_t ink = rgbTo565(red);

// An 8-bit bitmap resource: the header, colour table entry i = colourOf(i), pixel (x, y) = indexOf(x, y).
std::vector<uint8_t> makeBitmap(int32_t width, int32_t height, const std::function<Rgb(int)>& colourOf,
                                const std::function<int(int, int)>& indexOf) {
    std::vector<uint8_t> bytes(40, 0);
    const uint32_t fields[] = {40, static_cast<uint32_t>(width), static_cast<uint32_t>(height), 1u | (8u << 16)};
    for (size_t i = 0; i < 16; ++i) bytes[i] = static_cast<uint8_t>(fields[i / 4] >> (8 * (i % 4)));
    for (int i = 0; i < 256; ++i) {
        const Rgb c = colourOf(i);
        bytes.insert(bytes.end(), {uint8_t(blueOf(c)), uint8_t(greenOf(c)), uint8_t(redOf(c)), 0});
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) bytes.push_back(static_cast<uint8_t>(indexOf(x, y)));
    }
    return bytes;
}

// The test sheet, 20 x 3: every fifth column index 0, the white key colour; elsewhere index
// x + 1 + 20y, whose RGB565 value is the index in the green bits.
int sheetIndex(int x, int y) { return x % 5 == 0 ? 0 : x + 1 + 20 * y; }
Rgb sheetColour(int i) { return i == 0 ? colourWhite() : makeRgb(0, 4 * i, 0); }

// Each channel keeps its top bits and comes back with the low bits clear; every pixel survives the
// way to Rgb and back.
TEST(Colours, ToAndFrom565) {
    const std::tuple<Rgb, uint16_t, Rgb> cases[] = {
        {0x00FFFFFF, 0xFFFF, 0x00F8FCF8}, {0x000000FF, 0xF800, 0x000000F8},
        {0x0000FF00, 0x07E0, 0x0000FC00}, {0x00FF0000, 0x001F, 0x00F80000},
        {makeRgb(7, 3, 7), 0, 0},         {makeRgb(8, 4, 8), 0x0821, makeRgb(8, 4, 8)}};
    for (auto [rgb, pixel, back] : cases) EXPECT_TRUE(rgbTo565(rgb) == pixel && rgbFrom565(pixel) == back) << rgb;
    for (uint32_t p = 0; p <= 0xFFFF; ++p) ASSERT_EQ(rgbTo565(rgbFrom565(static_cast<uint16_t>(p))), p);
}

// A panel's outline covers x .. x + width and y .. y + height, both included, one column and row
// further than its fill; its bands grow inwards and run on past the opposite edge when thicker than
// the panel; NoFill leaves the inside alone.
TEST(Panels, FillTheBoxAndOutlineOneFurtherWithBandsGrowingInwards) {
    PixelTarget target(7, 7);
    drawPanel(0, 0, 6, 6, red, 0, NoFill);
    EXPECT_EQ(target.picture(ink), Rows(7, "......."));
    drawPanel(6, 6, -6, -6, red, 2, NoFill);
    EXPECT_EQ(target.picture(ink), (Rows{"#######", "#######", "##...##", "##...##", "##...##", "#######", "#######"}));
    target.clear();
    drawPanel(1, 1, 1, 1, red, 3, NoFill);
    EXPECT_EQ(target.picture(ink), (Rows{".##....", "####...", "####...", ".##....", ".......", ".......", "......."}));
    target.clear();
    drawPanel(1, 1, 4, 4, red, 1, colourWhite());
    EXPECT_EQ(target.picture(ink), (Rows{".......", ".#####.", ".#???#.", ".#???#.", ".#???#.", ".#####.", "......."}));
}

TEST(LineClipping, ReportsOutsideInsideOrMovedWithTruncatedCrossings) {
    const int32_t cases[][9] = {// x0, y0, x1, y1 in; the result; x0, y0, x1, y1 out
                                {-9, 4, -1, 200, ClipOutside, -9, 4, -1, 200},
                                {3, 4, 9, 9, ClipInside, 3, 4, 9, 9},
                                {-10, 5, 10, 5, ClipMoved, 0, 5, 9, 5},
                                {-1, -4, 4, 6, ClipMoved, 1, 0, 4, 6},      // corner: the top edge is crossed inside
                                {-4, -1, 6, 4, ClipMoved, 0, 1, 6, 4},      // corner: the top edge is crossed at x = -2
                                {-5, 3, 3, -5, ClipOutside, -5, 3, 3, -5},  // passes the corner by
                                {-3, 9, 4, 0, ClipMoved, 0, 6, 4, 0},       // 9 - 27 / 7 truncates to 6
                                {INT_MIN, INT_MIN, INT_MAX, INT_MAX, ClipMoved, 0, 0, 9, 9}};
    PixelTarget target(10, 10);
    for (const auto& c : cases) {
        int32_t p[4] = {c[0], c[1], c[2], c[3]};
        EXPECT_EQ(clipLine(p[0], p[1], p[2], p[3]), c[4]) << c[0] << ", " << c[1];
        EXPECT_TRUE(std::equal(p, p + 4, c + 5)) << p[0] << ", " << p[1] << " - " << p[2] << ", " << p[3];
    }
}

TEST(Circles, MidpointRowsFromRadiusZeroUpAndNothingForNegative) {
    PixelTarget target(8, 8);
    fillCircle(4, 4, 3, red);
    fillCircle(0, 0, 0, red);
    fillCircle(6, 0, -3, red);
    EXPECT_EQ(target.picture(ink),
              (Rows{"#.......", "...###..", "..#####.", ".#######", ".#######", ".#######", "..#####.", "...###.."}));
}

TEST(SmoothLines, StraightDiagonalAndClippedLinesAreSolid) {
    PixelTarget target(10, 10);
    drawSmoothLine(8, 2, 1, 2, red);
    drawSmoothLine(5, 9, 5, 4, red);
    drawSmoothLine(0, 9, 4, 5, red);
    drawSmoothLine(INT_MAX, INT_MIN + 10, 6, 3, red);  // clipped to (9, 0) - (6, 3)
    EXPECT_EQ(target.picture(ink), (Rows{".........#", "........#.", ".########.", "......#...", ".....#....",
                                         "....##....", "...#.#....", "..#..#....", ".#...#....", "#....#...."}));
}

// Wu's weights worked out by hand (as 0x00BBGGRR); every other pixel is left alone. Shallow (dx 5,
// dy 2, the accumulator wrapping between x = 2 and 3), black over white: the line is the darker, so
// each pixel is weighed with w itself. Steep (dx 1, dy 3), red over blue: red is the brighter (weight
// 255 - w), but in the blue channel the background is above the line, so that channel takes the other share.
TEST(SmoothLines, BlendEachChannelByItsOwnOrderWithHandComputedWeights) {
    using Pixels = std::vector<std::tuple<int, int, Rgb>>;  // x, y and the expected colour; the rest untouched
    auto expectOnly = [](const PixelTarget& target, const Pixels& pixels) {
        Rows expected(10, "..........");
        for (auto [x, y, colour] : pixels) {
            EXPECT_EQ(target.at(x, y), rgbTo565(colour)) << "pixel " << x << ", " << y;
            expected[y][x] = '?';
        }
        EXPECT_EQ(target.picture(target.background), expected);
    };
    PixelTarget white(10, 10, 0xFFFF);
    drawSmoothLine(5, 2, 0, 0, 0);
    const Pixels shallow = {{0, 0, 0x000000}, {1, 0, 0x626462}, {1, 1, 0x959795}, {2, 0, 0xC5C8C5}, {2, 1, 0x323332},
                            {3, 1, 0x313231}, {3, 2, 0xC6C9C6}, {4, 1, 0x949694}, {4, 2, 0x636563}, {5, 2, 0x000000}};
    expectOnly(white, shallow);
    PixelTarget blue(10, 10, 0x001F);
    drawSmoothLine(1, 0, 2, 3, red);
    expectOnly(blue,
               {{1, 0, red}, {1, 1, 0xA400A9}, {2, 1, 0x530055}, {1, 2, 0x520054}, {2, 2, 0xA500AA}, {2, 3, red}});
}

TEST(Images, LoadTheHeaderThePaletteAsRgb565AndPixelsInPlace) {
    const std::vector<uint8_t> bytes = makeBitmap(
        8, 2, [](int i) { return i == 1 ? 0x00FFE7DBu : makeRgb(i, 255 - i, 7 * i); },
        [](int x, int y) { return x + 8 * y; });
    Image image;
    ASSERT_TRUE(image.loadImageBytes(bytes, 107, 0x00FFE7DB));
    EXPECT_EQ(std::tuple(image.width(), image.height(), image.bitsPerPixel(), image.pixels(), image.colourKey()),
              std::tuple(8, 2, 8, bytes.data() + 1064, 0x00FFE7DB));
    EXPECT_EQ(std::tuple(image.palette()[0], image.palette()[1], image.palette()[255]),
              std::tuple(0x07E0, 0xDF3F, 0xF81F));
    EXPECT_FALSE(image.loadImageResource(31999, 0));
    EXPECT_TRUE(image.width() == 0 && image.height() == 0 && image.pixels() == nullptr && image.colourKey() == 0);
}

TEST(Images, BytesShorterThanTheHeaderClaimsCountAsMissingAndDeepPicturesAreNotDrawn) {
    auto cut = [](std::vector<uint8_t> bytes, size_t size) {
        bytes.resize(size);
        return bytes;
    };
    auto field = [](std::vector<uint8_t> bytes, size_t at, uint32_t value) {
        for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
        return bytes;
    };
    const std::vector<uint8_t> eight = makeBitmap(8, 8, sheetColour, sheetIndex);
    const std::vector<uint8_t> deep = field(cut(eight, 40 + 8 * 8 * 3), 14, 24);
    const std::vector<uint8_t> damaged[] = {
        cut(eight, 39),                              // no whole header
        cut(eight, 1000),                            // colour table cut short
        cut(eight, eight.size() - 1),                // one pixel short
        field(eight, 4, static_cast<uint32_t>(-8)),  // negative width
        field(eight, 8, static_cast<uint32_t>(-8)),  // negative height
        field(eight, 4, INT_MAX),                    // absurd width
        field(field(eight, 4, 65536), 8, 65536),     // a pixel count past 32 bits
        field(eight, 12, 0xFFFFFFFF),                // absurd depth
        cut(deep, deep.size() - 1)                   // deep pixels one byte short
    };
    PixelTarget target(4, 4);
    for (const std::vector<uint8_t>& bytes : damaged) {
        const std::vector<uint8_t> exact(bytes.begin(), bytes.end());  // no spare capacity to read unnoticed
        Image image;
        EXPECT_FALSE(image.loadImageBytes(exact, 1, NoColourKey)) << bytes.size();
        EXPECT_EQ(image.pixels(), nullptr);
        ImageRegion(image, 0, 0, 4, 4).draw();
    }
    // A deeper picture of the right size loads, pointing just past the header, but is not drawn.
    Image image;
    ASSERT_TRUE(image.loadImageBytes(deep, 5, NoColourKey));
    EXPECT_TRUE(image.bitsPerPixel() == 24 && image.pixels() == deep.data() + 40);
    ImageRegion(image, 0, 0, 4, 2).draw();
    EXPECT_EQ(target.picture(0xFFFF), Rows(4, "...."));
}

struct Area {  // inclusive, 64-bit; solid when every pixel of it is drawn in the colour
    int64_t left = 0, top = 0, right = -1, bottom = -1;
    bool solid = false;
    bool has(int64_t x, int64_t y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

Area span(int64_t x0, int64_t y0, int64_t x1, int64_t y1, bool solid = false) {
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1), solid};
}

// The area of a half-open box, empty when it has no width or height.
Area box(int64_t x, int64_t y, int64_t width, int64_t height, bool solid = false) {
    return width > 0 && height > 0 ? Area{x, y, x + width - 1, y + height - 1, solid} : Area{};
}

// A panel's outline lies on the inclusive edges from (x, y) to (x + width, y + height), its bands
// running on past the opposite edge when thicker than the panel; its fill lies inside.
Area outline(int64_t x, int64_t y, int64_t width, int64_t height, int64_t thickness) {
    const Area edges = span(x, y, x + width, y + height);
    return {std::min(edges.left, edges.right - thickness + 1), std::min(edges.top, edges.bottom - thickness + 1),
            std::max(edges.right, edges.left + thickness - 1), std::max(edges.bottom, edges.top + thickness - 1)};
}

// Random arguments from a fixed seed on a small target: no guard may change and nothing be drawn
// outside the area the arguments describe (which also catches a write that wraps into the next row);
// lines, pixels and fills cover their area, and a blit shows exactly the source pixels of its
// rectangle that lie in the picture and, when keyed, are not the key.
TEST(Fuzz, NothingIsDrawnOutsideTheArgumentsAndFillsAndBlitsAreExact) {
    std::mt19937 random(20240611);
    auto coordinate = [&]() -> int32_t {
        constexpr int32_t extremes[] = {INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX - 1, -1, 0};
        const uint32_t pick = random() % 10;
        if (pick < 6) return static_cast<int32_t>(random() % 50) - 20;
        return pick < 8 ? static_cast<int32_t>(random()) : extremes[random() % 6];
    };
    const std::vector<uint8_t> bytes = makeBitmap(20, 3, sheetColour, sheetIndex);
    Image sheet;
    ASSERT_TRUE(sheet.loadImageBytes(bytes, 1, NoColourKey));
    PixelTarget target(10, 8);

    int32_t a, b, c, d, t;
    int32_t left, top, width, height;  // the blit's source rectangle
    bool fill;
    Rgb colour;
    const std::function<Area()> operations[] = {
        [&] { return drawHLine(a, b, c, colour), span(a, b, c, b, true); },
        [&] { return drawVLine(a, b, c, colour), span(a, b, a, c, true); },
        [&] { return putPixel(a, b, colour), span(a, b, a, b, true); },
        [&] {
            return fillRect(Rect{a, b, c, d}, colour), box(a, b, int64_t{c} - a, int64_t{d} - b, true);
        },
        [&] { return fillBox(a, b, c, d, colour), box(a, b, c, d, true); },
        [&] {
            drawPanel(a, b, c, d, colour, t, fill ? colour : NoFill);
            return t > 0 ? outline(a, b, c, d, t) : fill ? box(a, b, c, d, true) : Area{};
        },
        [&] { return drawSmoothLine(a, b, c, d, colour), span(a, b, c, d); },
        [&] {
            const int64_t radius = t % 2 ? t % 45 : t % 3000;  // keeps the midpoint loop short
            return fillCircle(a, b, radius, colour), box(a - radius, b - radius, 2 * radius + 1, 2 * radius + 1);
        },
        [&] {
            sheet.setColourKey(fill ? static_cast<int32_t>(colourWhite()) : NoColourKey);
            ImageRegion region(sheet, left, top, width, height);
            region.setPosition(a, b);
            region.draw();
            return box(a, b, width, height);
        }};
    const size_t blit = std::size(operations) - 1;
    auto blitted = [&](int64_t x, int64_t y) -> uint16_t {  // what the blit shows at (x, y) of its rectangle
        const int64_t sourceX = x - a + left, sourceY = y - b + top;
        if (sourceX < 0 || sourceX >= 20 || sourceY < 0 || sourceY >= 3) return 0;
        const int index = sheetIndex(int(sourceX), int(sourceY));
        return fill && index == 0 ? 0 : sheet.palette()[index];
    };

    for (int round = 0; round < 30000; ++round) {
        target.clear();
        colour = (random() & 0xFFFFFF) | 0xF8;  // never black in RGB565
        a = coordinate(), b = coordinate(), c = coordinate(), d = coordinate();
        t = random() % 2 ? static_cast<int32_t>(random() % 9) - 2 : coordinate();
        fill = random() % 2;
        const size_t operation = round % std::size(operations);
        // Most blits small and near the target, so that they show something; some of any size anywhere.
        left = static_cast<int32_t>(random() % 30) - 5, top = static_cast<int32_t>(random() % 5) - 1;
        width = random() % 4 ? static_cast<int32_t>(random() % 25) + 1 : c;
        height = random() % 4 ? static_cast<int32_t>(random() % 6) + 1 : d;
        if (operation == blit && random() % 4) a %= 16, b %= 16;
        const Area area = operations[operation]();
        const testing::Message call = testing::Message()
                                      << "round " << round << ", operation " << operation << " (" << a << ", " << b
                                      << ", " << c << ", " << d << ", " << t << "; " << left << ", " << top << ", "
                                      << width << ", " << height << ")";
        ASSERT_TRUE(target.guardsIntact()) << call;
        for (int y = 0; y < target.height; ++y) {
            for (int x = 0; x < target.width; ++x) {
                const bool known = !area.has(x, y) || area.solid || operation == blit;  // else only "inside"
                const uint16_t expected = !area.has(x, y) ? 0 : operation == blit ? blitted(x, y) : rgbTo565(colour);
                ASSERT_TRUE(!known || target.at(x, y) == expected) << call << " at " << x << ", " << y;
            }
        }
    }
}

}  // namespace
