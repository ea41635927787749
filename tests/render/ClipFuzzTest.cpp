// Random arguments from a fixed seed, thrown at every primitive and at the blit on a small target with
// guard pixels around it: no guard may change, and nothing may be drawn outside the area the arguments
// describe (which also catches a write that wraps into the next row).
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>

#include "render/ImageRegion.h"
#include "render/Primitives.h"
#include "render/TinyTarget.h"

namespace {

struct Area {  // inclusive, 64-bit
    int64_t left = 0, top = 0, right = -1, bottom = -1;
};

Area span(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

// A panel at x, y: the fill of the half-open box (when filled) and the outline on its inclusive edges,
// whose bands run on past the opposite edge when thicker than the panel.
Area panel(int64_t x, int64_t y, int64_t width, int64_t height, int64_t thickness, bool fill) {
    const Area box = span(x, y, x + width, y + height);
    Area area =
        thickness <= 0
            ? Area{}
            : Area{std::min(box.left, box.right - thickness + 1), std::min(box.top, box.bottom - thickness + 1),
                   std::max(box.right, box.left + thickness - 1), std::max(box.bottom, box.top + thickness - 1)};
    if (!fill || width <= 0 || height <= 0) return area;
    if (thickness <= 0) return {x, y, x + width - 1, y + height - 1};
    return {std::min(area.left, x), std::min(area.top, y), std::max(area.right, x + width - 1),
            std::max(area.bottom, y + height - 1)};
}

TEST(Fuzz, NothingIsDrawnOutsideTheArgumentsOrTheTarget) {
    std::mt19937 random(20240611);
    auto coordinate = [&]() -> int32_t {
        constexpr int32_t extremes[] = {INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX - 1, -1, 0};
        const uint32_t pick = random() % 10;
        if (pick < 6) return static_cast<int32_t>(random() % 50) - 20;
        return pick < 8 ? static_cast<int32_t>(random()) : extremes[random() % 6];
    };
    const std::vector<uint8_t> bytes = makeBitmap(
        20, 3, [](int i) { return makeRgb(8, i, 255); }, [](int x, int y) { return x % 7 ? x + y : 0; });
    Image sheet;
    sheet.loadImageBytes(bytes, 1, makeRgb(8, 0, 255));
    TinyTarget target(10, 8);

    int32_t a, b, c, d, t;
    bool fill;
    Rgb colour;
    const std::function<Area()> operations[] = {
        [&] { return drawHLine(a, b, c, colour), span(a, b, c, b); },
        [&] { return drawVLine(a, b, c, colour), span(a, b, a, c); },
        [&] { return putPixel(a, b, colour), span(a, b, a, b); },
        [&] {
            return fillRect(Rect{a, b, c, d}, colour), panel(a, b, int64_t{c} - a, int64_t{d} - b, 0, true);
        },
        [&] { return fillBox(a, b, c, d, colour), panel(a, b, c, d, 0, true); },
        [&] { return drawPanel(a, b, c, d, colour, t, fill ? colour : NoFill), panel(a, b, c, d, t, fill); },
        [&] { return drawSmoothLine(a, b, c, d, colour), span(a, b, c, d); },
        [&] {
            const int32_t radius = t % 2 ? t % 45 : t % 3000;  // keeps the midpoint loop short
            fillCircle(a, b, radius, colour);
            return radius < 0
                       ? Area{}
                       : span(int64_t{a} - radius, int64_t{b} - radius, int64_t{a} + radius, int64_t{b} + radius);
        },
        [&] {
            sheet.setColourKey(fill ? makeRgb(8, 0, 255) : NoColourKey);
            ImageRegion region(sheet, c % 30, d % 5, c, d);
            region.setPosition(a, b);
            region.draw();
            return c > 0 ? Area{a, b, int64_t{a} + c - 1, int64_t{b} + d - 1} : Area{};
        }};

    for (int round = 0; round < 30000; ++round) {
        target.clear();
        colour = (random() & 0xFFFFFF) | 0xF8;  // never black in RGB565
        a = coordinate(), b = coordinate(), c = coordinate(), d = coordinate();
        t = random() % 2 ? static_cast<int32_t>(random() % 9) - 2 : coordinate();
        fill = random() % 2;
        const size_t operation = round % std::size(operations);
        const Area area = operations[operation]();
        const testing::Message call = testing::Message()
                                      << "round " << round << ", operation " << operation << " (" << a << ", " << b
                                      << ", " << c << ", " << d << ", " << t << ")";
        ASSERT_TRUE(target.guardsIntact()) << call;
        for (int y = 0; y < target.height; ++y) {
            for (int x = 0; x < target.width; ++x) {
                const bool inside = x >= area.left && x <= area.right && y >= area.top && y <= area.bottom;
                ASSERT_TRUE(inside || target.at(x, y) == 0) << call << " drew " << x << ", " << y;
            }
        }
    }
}

}  // namespace
