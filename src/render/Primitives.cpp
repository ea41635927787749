#include "render/Primitives.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "render/DrawTarget.h"

namespace {

// Coordinates are widened to 64 bits inside, so that sums such as x + width or cx + radius of
// any two 32-bit arguments are exact.

// A half-open area of the target.
struct Area {
    int64_t left, top, right, bottom;
};

// The clip narrowed to the target, so that a clip wider than the pixels could still not be written past.
Area activeClip() {
    const DrawTarget& target = drawTarget();
    if (target.pixels == nullptr) return {0, 0, 0, 0};
    return {std::max<int64_t>(target.clip.left, 0), std::max<int64_t>(target.clip.top, 0),
            std::min<int64_t>(target.clip.right, target.width), std::min<int64_t>(target.clip.bottom, target.height)};
}

bool insideClip(int64_t x, int64_t y) {
    const Area clip = activeClip();
    return x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
}

// Callers clip.
uint16_t* pixelAt(int64_t x, int64_t y) {
    const DrawTarget& target = drawTarget();
    return target.pixels + y * target.width + x;
}

// Every solid primitive ends here: the half-open area, clipped, one straight store run per row.
void fillArea(int64_t left, int64_t top, int64_t right, int64_t bottom, Rgb colour) {
    const Area clip = activeClip();
    left = std::max(left, clip.left);
    top = std::max(top, clip.top);
    right = std::min(right, clip.right);
    bottom = std::min(bottom, clip.bottom);
    if (right <= left || bottom <= top) return;
    const uint16_t value = rgbTo565(colour);
    for (int64_t y = top; y < bottom; ++y) std::fill_n(pixelAt(left, y), right - left, value);
}

// Row y, columns x0 .. x1 in either order, both included.
void spanRow(int64_t x0, int64_t y, int64_t x1, Rgb colour) {
    fillArea(std::min(x0, x1), y, std::max(x0, x1) + 1, y + 1, colour);
}

// Column x, rows y0 .. y1 in either order, both included.
void spanColumn(int64_t x, int64_t y0, int64_t y1, Rgb colour) {
    fillArea(x, std::min(y0, y1), x + 1, std::max(y0, y1) + 1, colour);
}

// The outline on the inclusive edges left, top, right, bottom, t pixels thick, growing inwards. The
// four bands are exactly the t rows and t columns of lines an outline of thickness t is made of; a
// band thicker than the rectangle runs on past the opposite edge, as those lines would.
void frameEdges(int64_t left, int64_t top, int64_t right, int64_t bottom, int64_t t, Rgb colour) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (t <= 0) return;
    fillArea(left, top, right + 1, top + t, colour);
    fillArea(left, bottom - t + 1, right + 1, bottom + 1, colour);
    fillArea(left, top, left + t, bottom + 1, colour);
    fillArea(right - t + 1, top, right + 1, bottom + 1, colour);
}

void framedArea(int64_t left, int64_t top, int64_t right, int64_t bottom, Rgb frameColour, int64_t thickness,
                Rgb fillColour) {
    if (fillColour != NoFill) fillArea(left, top, right, bottom, fillColour);
    frameEdges(left, top, right, bottom, thickness, frameColour);
}

// ---------------------------------------------------------------------------------------------
// Line clipping by outcodes

// The clip as an inclusive box.
struct Box {
    int64_t xmin, ymin, xmax, ymax;
};

enum Outcode : int { Left = 1, Right = 2, Below = 4, Above = 8 };

int outcode(int64_t x, int64_t y, const Box& box) {
    int code = 0;
    if (y < box.ymin) {
        code = Above;
    } else if (y > box.ymax) {
        code = Below;
    }
    if (x < box.xmin) {
        code |= Left;
    } else if (x > box.xmax) {
        code |= Right;
    }
    return code;
}

struct Point {
    int64_t x, y;
};

// a * b / c truncated toward zero. The product of two 33-bit differences needs more than 64 bits.
int64_t mulDiv(int64_t a, int64_t b, int64_t c) { return static_cast<int64_t>(static_cast<__int128>(a) * b / c); }

// Where the segment p-q crosses the column edgeX (p and q lie on different sides of it).
Point crossColumn(Point p, Point q, int64_t edgeX) { return {edgeX, p.y + mulDiv(edgeX - p.x, q.y - p.y, q.x - p.x)}; }

// Where the segment p-q crosses the row edgeY (p and q lie on different sides of it).
Point crossRow(Point p, Point q, int64_t edgeY) { return {p.x + mulDiv(edgeY - p.y, q.x - p.x, q.y - p.y), edgeY}; }

// Moves p, whose outcode is code, onto the clip along the segment towards q. A corner point goes to
// the horizontal edge first, and to the vertical edge when that crossing lies beside the box.
Point moveOntoBox(Point p, Point q, int code, const Box& box) {
    const bool beside = (code & (Left | Right)) != 0;
    if (code & (Above | Below)) {
        const Point moved = crossRow(p, q, (code & Above) ? box.ymin : box.ymax);
        if (!beside || (moved.x >= box.xmin && moved.x <= box.xmax)) return moved;
    }
    return crossColumn(p, q, (code & Left) ? box.xmin : box.xmax);
}

bool insideBox(Point p, const Box& box) {
    return p.x >= box.xmin && p.x <= box.xmax && p.y >= box.ymin && p.y <= box.ymax;
}

// ---------------------------------------------------------------------------------------------
// Anti-aliased line blending

struct Channels {
    int32_t red, green, blue;
};

Channels channelsOf(Rgb colour) {
    return {static_cast<int32_t>(redOf(colour)), static_cast<int32_t>(greenOf(colour)),
            static_cast<int32_t>(blueOf(colour))};
}

int32_t luminance(const Channels& c) { return 306 * c.red + 601 * c.green + 116 * c.blue; }

// One channel in fixed point with 10 fraction bits; f is the weight times 4. The blend starts from the
// line's value when startFromLine, else from the background's. The shift of a negative product is
// arithmetic, rounding toward minus infinity.
int32_t blendChannel(int32_t line, int32_t back, int32_t f, bool startFromLine) {
    const int32_t lineFixed = line << 10;
    const int32_t backFixed = back << 10;
    const int32_t result = startFromLine ? lineFixed + (((backFixed - lineFixed) * f) >> 10)
                                         : backFixed + (((lineFixed - backFixed) * f) >> 10);
    return (result >> 10) & 0xFF;
}

// Blends pixel (x, y) toward the line by the 8-bit weight w. The primary pixel lies on the line's
// path, the secondary is its neighbour across the minor axis; Wu's two shares are w and 255 - w, and
// which one a pixel gets depends on whether the line is brighter than what lies under it.
void blendPixel(int64_t x, int64_t y, const Channels& line, int32_t lineLuminance, int32_t w, bool primary) {
    if (!insideClip(x, y)) return;
    uint16_t* pixel = pixelAt(x, y);
    const Channels back = channelsOf(rgbFrom565(*pixel));
    const int32_t weight = lineLuminance >= luminance(back) ? (w ^ 255) : w;
    const int32_t f = weight * 4;
    auto channel = [&](int32_t l, int32_t b) { return blendChannel(l, b, f, primary ? (b > l) : (b < l)); };
    *pixel =
        rgbTo565(makeRgb(channel(line.red, back.red), channel(line.green, back.green), channel(line.blue, back.blue)));
}

// The interior of a line that is neither straight nor diagonal; the end points are drawn by the caller.
void wuInterior(int64_t x0, int64_t y0, int64_t x1, int64_t y1, Rgb colour) {
    const int64_t sx = x1 >= x0 ? 1 : -1;
    const int64_t dx = std::abs(x1 - x0);
    const int64_t dy = y1 - y0;
    const bool steep = dy > dx;
    const int64_t major = steep ? dy : dx;
    const int64_t minor = steep ? dx : dy;
    // minor < major, so the fraction minor / major fits 16 bits.
    const uint32_t step = static_cast<uint32_t>((minor << 16) / major) & 0xFFFF;
    const Channels line = channelsOf(colour);
    const int32_t lineLuminance = luminance(line);
    uint32_t accumulator = 0;
    int64_t x = x0;
    int64_t y = y0;
    for (int64_t i = 1; i < major; ++i) {
        accumulator += step;
        // A carry out of 16 bits moves one pixel along the minor axis. Testing the carry rather than
        // "no larger than before" keeps a step of 0 (a line over 65,536 pixels long) from moving every time.
        if (accumulator > 0xFFFF) {
            accumulator &= 0xFFFF;
            if (steep) {
                x += sx;
            } else {
                ++y;
            }
        }
        if (steep) {
            ++y;
        } else {
            x += sx;
        }
        const int32_t w = static_cast<int32_t>(accumulator >> 8);
        blendPixel(x, y, line, lineLuminance, w, true);
        blendPixel(steep ? x + sx : x, steep ? y : y + 1, line, lineLuminance, w, false);
    }
}

// The filled circle's spans for one midpoint step (x, y) around (cx, cy).
void circleSpans(int64_t cx, int64_t cy, int64_t x, int64_t y, Rgb colour) {
    if (x == 0) {
        spanColumn(cx, cy - y, cy + y, colour);
        spanRow(cx - y, cy, cx + y, colour);
    } else if (x == y) {
        spanRow(cx - x, cy + y, cx + x, colour);
        spanRow(cx - x, cy - y, cx + x, colour);
    } else if (x < y) {
        spanRow(cx - x, cy + y, cx + x, colour);
        spanRow(cx - x, cy - y, cx + x, colour);
        spanRow(cx - y, cy + x, cx + y, colour);
        spanRow(cx - y, cy - x, cx + y, colour);
    }
}

}  // namespace

void drawHLine(int32_t x0, int32_t y, int32_t x1, Rgb colour) { spanRow(x0, y, x1, colour); }

void drawVLine(int32_t x, int32_t y0, int32_t y1, Rgb colour) { spanColumn(x, y0, y1, colour); }

void putPixel(int32_t x, int32_t y, Rgb colour) {
    if (insideClip(x, y)) *pixelAt(x, y) = rgbTo565(colour);
}

void fillRect(const Rect& rect, Rgb colour) { fillArea(rect.left, rect.top, rect.right, rect.bottom, colour); }

void fillBox(int32_t x, int32_t y, int32_t width, int32_t height, Rgb colour) {
    fillArea(x, y, int64_t{x} + width, int64_t{y} + height, colour);
}

void drawFrame(const Rect& rect, int32_t thickness, Rgb colour) {
    frameEdges(rect.left, rect.top, rect.right, rect.bottom, thickness, colour);
}

void drawFramedRect(const Rect& rect, Rgb frameColour, int32_t thickness, Rgb fillColour) {
    framedArea(rect.left, rect.top, rect.right, rect.bottom, frameColour, thickness, fillColour);
}

void drawPanel(int32_t x, int32_t y, int32_t width, int32_t height, Rgb frameColour, int32_t thickness,
               Rgb fillColour) {
    framedArea(x, y, int64_t{x} + width, int64_t{y} + height, frameColour, thickness, fillColour);
}

int clipLine(int32_t& x0, int32_t& y0, int32_t& x1, int32_t& y1) {
    const Area clip = activeClip();
    const Box box{clip.left, clip.top, clip.right - 1, clip.bottom - 1};
    const Point p{x0, y0};
    const Point q{x1, y1};
    const int codeP = outcode(p.x, p.y, box);
    const int codeQ = outcode(q.x, q.y, box);
    if (codeP & codeQ) return ClipOutside;
    if (codeP == 0 && codeQ == 0) return ClipInside;
    // Both moves are computed from the end points as they came in.
    const Point movedP = codeP ? moveOntoBox(p, q, codeP, box) : p;
    const Point movedQ = codeQ ? moveOntoBox(q, p, codeQ, box) : q;
    if (!insideBox(movedP, box) || !insideBox(movedQ, box)) return ClipOutside;
    x0 = static_cast<int32_t>(movedP.x);
    y0 = static_cast<int32_t>(movedP.y);
    x1 = static_cast<int32_t>(movedQ.x);
    y1 = static_cast<int32_t>(movedQ.y);
    return ClipMoved;
}

void drawSmoothLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Rgb colour) {
    if (clipLine(x0, y0, x1, y1) == ClipOutside) return;
    if (y0 > y1) {  // always run downwards
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    putPixel(x0, y0, colour);
    const int64_t dx = std::abs(int64_t{x1} - x0);
    const int64_t dy = int64_t{y1} - y0;
    if (dy == 0) {
        drawHLine(x0, y0, x1, colour);
    } else if (dx == 0) {
        drawVLine(x0, y0, y1, colour);
    } else if (dx == dy) {
        const int64_t sx = x1 > x0 ? 1 : -1;
        for (int64_t k = 1; k <= dy; ++k)
            putPixel(static_cast<int32_t>(x0 + k * sx), static_cast<int32_t>(y0 + k), colour);
    } else {
        wuInterior(x0, y0, x1, y1, colour);
        putPixel(x1, y1, colour);
    }
}

void fillCircle(int32_t cx, int32_t cy, int32_t radius, Rgb colour) {
    if (radius < 0) return;
    int64_t x = 0;
    int64_t y = radius;
    int64_t decision = (5 - 4 * int64_t{radius}) >> 2;  // equals 1 - radius
    circleSpans(cx, cy, x, y, colour);
    while (x < y) {
        ++x;
        if (decision < 0) {
            decision += 2 * x + 1;
        } else {
            --y;
            decision += 2 * (x - y) + 1;
        }
        circleSpans(cx, cy, x, y, colour);
    }
}
