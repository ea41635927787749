#include "Painter.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace art {

Paint solid(Rgba colour) {
    return [colour](Vec) { return colour; };
}

Paint verticalGradient(Rgba topColour, float top, Rgba bottomColour, float bottom) {
    return [=](Vec p) { return mix(topColour, bottomColour, clamp01((p.y - top) / (bottom - top))); };
}

Paint radialGradient(Vec centre, float radius, Rgba innerColour, Rgba outerColour) {
    return [=](Vec p) { return mix(innerColour, outerColour, clamp01(length(p - centre) / radius)); };
}

Painter::Painter(Canvas& canvas, float scale, Vec offset) : canvas(canvas), factor(scale), offset(offset) {}

float Painter::atLeastPixels(float designWidth, float pixels) const { return std::max(designWidth, pixels / factor); }

float Painter::pixelEdge(int n) const { return (static_cast<float>(n) - offset.x) / factor; }

void Painter::fill(const Shape& shape, const Paint& paint) {
    const int ss = canvas.supersampling();
    const float samplesPerUnit = factor * ss;
    const Box b = shape.bounds;
    // Samples whose centres lie within a sample of the bounds.
    const int left = std::max(0, static_cast<int>(std::floor((b.left * factor + offset.x) * ss)) - 1);
    const int top = std::max(0, static_cast<int>(std::floor((b.top * factor + offset.y) * ss)) - 1);
    const int right =
        std::min(canvas.width() * ss, static_cast<int>(std::ceil((b.right * factor + offset.x) * ss)) + 1);
    const int bottom =
        std::min(canvas.height() * ss, static_cast<int>(std::ceil((b.bottom * factor + offset.y) * ss)) + 1);
    for (int sy = top; sy < bottom; ++sy) {
        for (int sx = left; sx < right; ++sx) {
            const Vec pixel{(sx + 0.5f) / ss, (sy + 0.5f) / ss};
            const Vec p{(pixel.x - offset.x) / factor, (pixel.y - offset.y) / factor};
            // The edge is blurred over one sample, on top of the supersampling.
            const float coverage = clamp01(0.5f - shape.distance(p) * samplesPerUnit);
            if (coverage > 0) canvas.blend(sx, sy, paint(p), coverage);
        }
    }
}

Shape Painter::bake(const Shape& shape, float margin) const {
    const float step = 1.0f / (factor * canvas.supersampling());  // design units between samples
    const Box area = grown(shape.bounds, margin + 2 * step);
    // Grid points sit on sample centres, so drawing the baked shape in place reads exact values.
    const float originX =
        (std::floor((area.left * factor + offset.x) * canvas.supersampling()) + 0.5f) * step - offset.x / factor;
    const float originY =
        (std::floor((area.top * factor + offset.y) * canvas.supersampling()) + 0.5f) * step - offset.y / factor;
    const int columns = static_cast<int>(std::ceil((area.right - originX) / step)) + 1;
    const int rows = static_cast<int>(std::ceil((area.bottom - originY) / step)) + 1;
    auto grid = std::make_shared<std::vector<float>>(static_cast<size_t>(columns) * rows);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            (*grid)[static_cast<size_t>(row) * columns + column] =
                shape.distance({originX + column * step, originY + row * step});
    const Box covered{originX, originY, originX + (columns - 1) * step, originY + (rows - 1) * step};
    return {[=](Vec p) {
                const float gx = (p.x - originX) / step, gy = (p.y - originY) / step;
                if (gx < 0 || gy < 0 || gx > columns - 1 || gy > rows - 1) return distanceOutside(covered, p) + margin;
                const int x0 = std::min(static_cast<int>(gx), columns - 2),
                          y0 = std::min(static_cast<int>(gy), rows - 2);
                const float fx = gx - x0, fy = gy - y0;
                const float* at = grid->data() + static_cast<size_t>(y0) * columns + x0;
                const float upper = at[0] + (at[1] - at[0]) * fx;
                const float lower = at[columns] + (at[columns + 1] - at[columns]) * fx;
                return upper + (lower - upper) * fy;
            },
            shape.bounds};
}

}  // namespace art
