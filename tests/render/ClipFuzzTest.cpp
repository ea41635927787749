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
    bool empty() const { return right < left || bottom < top; }
};

Area span(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

// The fill of the half-open rectangle (l, t, r, b) when fill is set, and its outline thickness thick
// (thicker bands run on past the opposite edge).
Area framed(int64_t l, int64_t t, int64_t r, int64_t b, int64_t thickness, bool fill) {
    const Area inside = fill ? Area{l, t, r - 1, b - 1} : Area{};
    if (thickness <= 0) return inside;
    const Area box = span(l, t, r, b);
    const Area frame{std::min(box.left, box.right - thickness + 1), std::min(box.top, box.bottom - thickness + 1),
                     std::max(box.right, box.left + thickness - 1), std::max(box.bottom, box.top + thickness - 1)};
    if (inside.empty()) return frame;
    return span(std::min(frame.left, inside.left), std::min(frame.top, inside.top), std::max(frame.right, inside.right),
                std::max(frame.bottom, inside.bottom));
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
    auto blit = [&] {
        sheet.setColourKey(fill ? makeRgb(8, 0, 255) : NoColourKey);
        ImageRegion region(sheet, c % 30, d % 5, c, d);
        region.setPosition(a, b);
        region.draw();
        return region.frameWidth() > 0 ? Area{a, b, int64_t{a} + region.frameWidth() - 1, int64_t{b} + d - 1} : Area{};
    };
    auto circle = [&] {
        const int32_t radius = t % 2 ? t % 45 : t % 3000;  // keeps the midpoint loop short
        fillCircle(a, b, radius, colour);
        return radius < 0 ? Area{}
                          : span(int64_t{a} - radius, int64_t{b} - radius, int64_t{a} + radius, int64_t{b} + radius);
    };
    const std::function<Area()> operations[] = {
        [&] { return drawHLine(a, b, c, colour), span(a, b, c, b); },
        [&] { return drawVLine(a, b, c, colour), span(a, b, a, c); },
        [&] { return putPixel(a, b, colour), span(a, b, a, b); },
        [&] {
            return fillRect(Rect{a, b, c, d}, colour), framed(a, b, c, d, 0, true);
        },
        [&] { return fillBox(a, b, c, d, colour), framed(a, b, int64_t{a} + c, int64_t{b} + d, 0, true); },
        [&] {
            return drawFrame(Rect{a, b, c, d}, t, colour), framed(a, b, c, d, t, false);
        },
        [&] {
            return drawFramedRect(Rect{a, b, c, d}, colour, t, fill ? colour : NoFill), framed(a, b, c, d, t, fill);
        },
        [&] { return drawPanel(a, b, c, d, colour, t, colour), framed(a, b, int64_t{a} + c, int64_t{b} + d, t, true); },
        [&] { return drawSmoothLine(a, b, c, d, colour), span(a, b, c, d); },
        circle,
        blit};

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
                if (x >= area.left && x <= area.right && y >= area.top && y <= area.bottom) continue;
                ASSERT_EQ(target.at(x, y), 0) << call << " drew " << x << ", " << y;
            }
        }
    }
}

}  // namespace
