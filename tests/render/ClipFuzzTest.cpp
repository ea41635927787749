// Random arguments, from a fixed seed, thrown at every primitive and at the image blit on a small target
// with guard pixels around it: no guard may change, and nothing may be drawn outside the area that the
// arguments describe (which catches a write that wraps into the next row as well).
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <sstream>

#include "render/BitmapBytes.h"
#include "render/Image.h"
#include "render/ImageRegion.h"
#include "render/Primitives.h"
#include "render/TinyTarget.h"

namespace {

// An inclusive area in 64 bits; empty when right < left or bottom < top.
struct Area {
    int64_t left = 0, top = 0, right = -1, bottom = -1;
    bool empty() const { return right < left || bottom < top; }
    bool contains(int64_t x, int64_t y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

Area unite(const Area& a, const Area& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

Area span(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

// The area a half-open rectangle fills (nothing when reversed).
Area filled(int64_t left, int64_t top, int64_t right, int64_t bottom) { return {left, top, right - 1, bottom - 1}; }

// The area an outline of thickness t on the edges of box covers, bands thicker than the rectangle included.
Area framed(const Area& box, int64_t t) {
    if (t <= 0) return {};
    return {std::min(box.left, box.right - t + 1), std::min(box.top, box.bottom - t + 1),
            std::max(box.right, box.left + t - 1), std::max(box.bottom, box.top + t - 1)};
}

class Arguments {
public:
    // Mostly near the target, sometimes anywhere in 32 bits, sometimes at the extremes.
    int32_t coordinate() {
        const uint32_t pick = engine() % 10;
        if (pick < 6) return static_cast<int32_t>(engine() % 50) - 20;
        if (pick < 8) return static_cast<int32_t>(engine());
        constexpr int32_t extremes[] = {INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX - 1, -1, 0};
        return extremes[engine() % 6];
    }
    int32_t thickness() { return engine() % 2 ? static_cast<int32_t>(engine() % 9) - 2 : coordinate(); }
    int32_t radius() {
        return engine() % 8 ? static_cast<int32_t>(engine() % 45) - 5 : static_cast<int32_t>(engine() % 3000);
    }
    int32_t small(int32_t low, int32_t high) {
        return low + static_cast<int32_t>(engine() % static_cast<uint32_t>(high - low + 1));
    }
    // Never black in RGB565, so every written pixel shows.
    Rgb colour() { return (engine() & 0x00FFFFFF) | 0xF8; }
    Rect rect() { return Rect{coordinate(), coordinate(), coordinate(), coordinate()}; }
    uint32_t next() { return engine(); }

private:
    std::mt19937 engine{20240611};
};

class Fuzz : public ::testing::Test {
protected:
    Fuzz()
        : sheetBytes(paletteBitmap(
              20, 3, [](int i) { return makeRgb(8, static_cast<uint32_t>(i), 255); },
              [](int x, int y) { return static_cast<uint8_t>(x % 7 == 0 ? 0 : 1 + x + y); })) {
        sheet.loadImageBytes(sheetBytes, 1, makeRgb(8, 0, 255));
    }

    // Every pixel outside the area untouched, the guards intact; when solid, every pixel inside it written.
    void check(const Area& area, bool solid, uint16_t ink, const std::string& what) {
        ASSERT_TRUE(target.guardsIntact()) << what;
        for (int y = 0; y < target.height(); ++y) {
            for (int x = 0; x < target.width(); ++x) {
                const bool inside = area.contains(x, y);
                if (!inside) {
                    ASSERT_EQ(target.at(x, y), 0) << what << " drew " << x << ", " << y;
                } else if (solid) {
                    ASSERT_EQ(target.at(x, y), ink) << what << " missed " << x << ", " << y;
                }
            }
        }
    }

    // Draws one random primitive and returns the area it may touch; solid when it must fill all of it.
    Area drawOne(int operation, Rgb colour, bool& solid, std::ostringstream& what) {
        solid = false;
        switch (operation) {
            case 0: {
                const int32_t x0 = args.coordinate(), y = args.coordinate(), x1 = args.coordinate();
                what << "drawHLine " << x0 << " " << y << " " << x1;
                drawHLine(x0, y, x1, colour);
                solid = true;
                return span(x0, y, x1, y);
            }
            case 1: {
                const int32_t x = args.coordinate(), y0 = args.coordinate(), y1 = args.coordinate();
                what << "drawVLine " << x << " " << y0 << " " << y1;
                drawVLine(x, y0, y1, colour);
                solid = true;
                return span(x, y0, x, y1);
            }
            case 2: {
                const int32_t x = args.coordinate(), y = args.coordinate();
                what << "putPixel " << x << " " << y;
                putPixel(x, y, colour);
                solid = true;
                return span(x, y, x, y);
            }
            case 3: {
                const Rect r = args.rect();
                what << "fillRect " << r.left << " " << r.top << " " << r.right << " " << r.bottom;
                fillRect(r, colour);
                solid = true;
                return filled(r.left, r.top, r.right, r.bottom);
            }
            case 4: {
                const int32_t x = args.coordinate(), y = args.coordinate(), w = args.coordinate(),
                              h = args.coordinate();
                what << "fillBox " << x << " " << y << " " << w << " " << h;
                fillBox(x, y, w, h, colour);
                solid = true;
                return filled(x, y, int64_t{x} + w, int64_t{y} + h);
            }
            case 5: {
                const Rect r = args.rect();
                const int32_t t = args.thickness();
                what << "drawFrame " << r.left << " " << r.top << " " << r.right << " " << r.bottom << " " << t;
                drawFrame(r, t, colour);
                return framed(span(r.left, r.top, r.right, r.bottom), t);
            }
            case 6: {
                const Rect r = args.rect();
                const int32_t t = args.thickness();
                const Rgb fill = args.next() % 2 ? NoFill : colour;
                what << "drawFramedRect " << r.left << " " << r.top << " " << r.right << " " << r.bottom << " " << t;
                drawFramedRect(r, colour, t, fill);
                const Area inside = fill == NoFill ? Area{} : filled(r.left, r.top, r.right, r.bottom);
                return unite(inside, framed(span(r.left, r.top, r.right, r.bottom), t));
            }
            case 7: {
                const int32_t x = args.coordinate(), y = args.coordinate(), w = args.coordinate(),
                              h = args.coordinate();
                const int32_t t = args.thickness();
                what << "drawPanel " << x << " " << y << " " << w << " " << h << " " << t;
                drawPanel(x, y, w, h, colour, t, colour);
                const int64_t right = int64_t{x} + w, bottom = int64_t{y} + h;
                return unite(filled(x, y, right, bottom), framed(span(x, y, right, bottom), t));
            }
            case 8: {
                const int32_t x0 = args.coordinate(), y0 = args.coordinate(), x1 = args.coordinate(),
                              y1 = args.coordinate();
                what << "drawSmoothLine " << x0 << " " << y0 << " " << x1 << " " << y1;
                drawSmoothLine(x0, y0, x1, y1, colour);
                return span(x0, y0, x1, y1);
            }
            case 9: {
                const int32_t cx = args.coordinate(), cy = args.coordinate(), r = args.radius();
                what << "fillCircle " << cx << " " << cy << " " << r;
                fillCircle(cx, cy, r, colour);
                return r < 0 ? Area{} : span(int64_t{cx} - r, int64_t{cy} - r, int64_t{cx} + r, int64_t{cy} + r);
            }
            default: {
                ImageRegion region(sheet, args.small(-10, 30), args.small(-5, 8), args.coordinate(), args.coordinate(),
                                   args.small(-1, 4));
                region.setFrame(args.small(-1, 4));
                region.setKeyEnabled(args.next() % 2);
                region.setPosition(args.coordinate(), args.coordinate());
                what << "blit at " << region.x() << " " << region.y() << " frame width " << region.frameWidth()
                     << " height " << region.height();
                region.draw();
                if (region.frameWidth() <= 0 || region.height() <= 0) return {};
                return {region.x(), region.y(), int64_t{region.x()} + region.frameWidth() - 1,
                        int64_t{region.y()} + region.height() - 1};
            }
        }
    }

    Arguments args;
    std::vector<uint8_t> sheetBytes;
    Image sheet;
    TinyTarget target{10, 8};
};

TEST_F(Fuzz, NothingIsDrawnOutsideTheArgumentsOrTheTarget) {
    for (int round = 0; round < 30000; ++round) {
        target.clear();
        const Rgb colour = args.colour();
        bool solid = false;
        std::ostringstream what;
        what << "round " << round << ": ";
        const Area area = drawOne(static_cast<int>(args.next() % 11), colour, solid, what);
        check(area, solid, rgbTo565(colour), what.str());
        if (HasFatalFailure()) return;
    }
}

TEST_F(Fuzz, ClippedSegmentsLieInsideTheClipAndOnTheirOwnExtent) {
    for (int round = 0; round < 30000; ++round) {
        const int32_t x0 = args.coordinate(), y0 = args.coordinate(), x1 = args.coordinate(), y1 = args.coordinate();
        int32_t a = x0, b = y0, c = x1, d = y1;
        const int result = clipLine(a, b, c, d);
        const Area extent = span(x0, y0, x1, y1);
        const Area clip{0, 0, target.width() - 1, target.height() - 1};
        if (result == ClipOutside) {
            ASSERT_TRUE(a == x0 && b == y0 && c == x1 && d == y1) << round;
            continue;
        }
        ASSERT_TRUE(result == ClipInside || result == ClipMoved) << round;
        ASSERT_TRUE(clip.contains(a, b) && clip.contains(c, d)) << round;
        ASSERT_TRUE(extent.contains(a, b) && extent.contains(c, d)) << round;
        if (result == ClipInside) {
            ASSERT_TRUE(a == x0 && b == y0 && c == x1 && d == y1) << round;
        }
    }
}

}  // namespace
