#include "IconArt.h"

#include <cmath>
#include <vector>

#include "ArtStyle.h"
#include "Painter.h"
#include "ShadedText.h"
#include "Symbols.h"

namespace art {

namespace {

// Small sizes need the finest edges; large ones have pixels enough of their own.
int supersamplingFor(int size) { return size <= 32 ? 8 : (size <= 64 ? 4 : 2); }

// The measurements of one size, in whole pixels where that keeps edges sharp.
struct IconMetrics {
    float margin;     // transparent border
    float radius;     // corner radius of the tile
    float gap;        // between the keys, and between the keys and the tile's edge
    float keyRadius;  // corner radius of a key
    float pen;        // stroke of the signs
    bool detailed;    // bevels, rim and shadows
    bool roundSigns;  // round stroke ends; small sizes keep square ends on whole pixels
};

IconMetrics metricsFor(int size) {
    if (size >= 64) {
        const float s = static_cast<float>(size);
        return {std::round(s / 32),
                std::round(s * 0.19f),
                std::round(s * 0.078f),
                std::round(s * 0.078f),
                std::round(s * 0.0625f),
                true,
                true};
    }
    if (size >= 48) return {1, 9, 4, 4, 3, true, true};
    if (size >= 32) return {1, 6, 3, 3, 2, true, false};
    if (size >= 24) return {0, 4, 1, 2, 2, false, false};
    return {0, 3, 1, 1.5f, 1, false, false};
}

// Signs built from whole pixels for the small sizes, where round ends and slanted edges would blur:
// bars with square ends, and the times sign as two staircase diagonals of pen-sized squares.
Shape pixelSign(char sign, Vec centre, float size, float pen) {
    const float half = size / 2, p = pen / 2;
    const Shape bar = box({centre.x - half, centre.y - p, centre.x + half, centre.y + p});
    switch (sign) {
        case '+':
            return unite({bar, box({centre.x - p, centre.y - half, centre.x + p, centre.y + half})});
        case '-':
            return bar;
        case 'x': {
            // Each row holds a pen-wide run of each diagonal, stepping one pixel per row.
            const int rows = static_cast<int>(size);
            const float left = std::round(centre.x - (size + pen - 1) / 2), top = std::round(centre.y - size / 2);
            std::vector<Shape> runs;
            for (int i = 0; i < rows; ++i) {
                runs.push_back(box({left + i, top + i, left + i + pen, top + i + 1}));
                runs.push_back(box({left + rows - 1 - i, top + i, left + rows - 1 - i + pen, top + i + 1}));
            }
            return unite(std::move(runs));
        }
        default: {
            const float gap = std::max(pen + 1, std::round(size * 0.34f));
            return unite({bar, box({centre.x - p, centre.y - gap - p, centre.x + p, centre.y - gap + p}),
                          box({centre.x - p, centre.y + gap - p, centre.x + p, centre.y + gap + p})});
        }
    }
}

struct Key {
    Rgba colour;
    char sign;
};

void drawKey(Painter& painter, Box area, const Key& key, const IconMetrics& m) {
    const Shape shape = roundedBox(area, m.keyRadius);
    if (m.detailed) {
        painter.fill(translate(shape, {0, 1}), withAlpha(style::ink, 0.6f));
        painter.fill(shape,
                     bevelled(shape, verticalGradient(lighter(key.colour, 0.3f), area.top, key.colour, area.bottom),
                              m.pen * 0.6f, 0.5f, 0.35f));
    } else {
        painter.fill(shape, verticalGradient(lighter(key.colour, 0.15f), area.top, key.colour, area.bottom));
    }
    // Signs sit on the pixel grid: odd pens centred on a pixel, even pens on a pixel edge.
    // The sign's length has the pen's parity, so both its ends fall on pixel edges.
    float size = std::round(area.width() * 0.62f);
    if (static_cast<int>(size - m.pen) % 2 != 0) size -= 1;
    Vec centre = area.centre();
    if (static_cast<int>(m.pen) % 2 == 1)
        centre = {std::floor(centre.x) + 0.5f, std::floor(centre.y) + 0.5f};
    else
        centre = {std::round(centre.x), std::round(centre.y)};
    painter.fill(m.roundSigns ? operatorSign(key.sign, centre, size, m.pen) : pixelSign(key.sign, centre, size, m.pen),
                 style::white);
}

}  // namespace

RgbaImage drawIcon(int size) {
    const IconMetrics m = metricsFor(size);
    Canvas canvas(size, size, supersamplingFor(size), transparent());
    Painter painter(canvas, 1);
    const Box tileArea{m.margin, m.margin, size - m.margin, size - m.margin};
    const Shape tile = roundedBox(tileArea, m.radius);
    painter.fill(tile, verticalGradient(style::deepBlue, tileArea.top, style::ink, tileArea.bottom));
    if (m.detailed) {
        const float rim = std::max(1.0f, std::round(size / 40.0f));
        painter.fill(subtract(tile, inflate(tile, -rim)), style::frameYellow);
    }
    const Key keys[4] = {
        {style::frameOrange, '+'}, {style::skyBlue, '-'}, {style::leafGreen, 'x'}, {style::cherry, '/'}};
    const float inner = tileArea.width() - 3 * m.gap;
    const float keySize = std::floor(inner / 2);
    const float extra = inner - 2 * keySize;  // an odd pixel goes to the middle gap
    for (int i = 0; i < 4; ++i) {
        const float x = tileArea.left + m.gap + (i % 2) * (keySize + m.gap + extra);
        const float y = tileArea.top + m.gap + (i / 2) * (keySize + m.gap + extra);
        drawKey(painter, {x, y, x + keySize, y + keySize}, keys[i], m);
    }
    return canvas.resolve();
}

}  // namespace art
