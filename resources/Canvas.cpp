#include "Canvas.h"

namespace art {

RgbaImage makeImage(int width, int height, Rgba fill) {
    return {width, height, std::vector<Rgba>(static_cast<size_t>(width) * height, fill)};
}

void paste(RgbaImage& target, const RgbaImage& source, int x, int y) {
    for (int row = 0; row < source.height; ++row) {
        for (int column = 0; column < source.width; ++column) {
            const int tx = x + column, ty = y + row;
            if (tx >= 0 && ty >= 0 && tx < target.width && ty < target.height)
                target.at(tx, ty) = source.at(column, row);
        }
    }
}

namespace {

Rgba premultiplied(Rgba c) { return {c.r * c.a, c.g * c.a, c.b * c.a, c.a}; }

}  // namespace

Canvas::Canvas(int width, int height, int supersampling, Rgba background)
    : widthPx(width),
      heightPx(height),
      factor(supersampling),
      samples(static_cast<size_t>(width) * supersampling * height * supersampling, premultiplied(background)) {}

void Canvas::blend(int sx, int sy, Rgba colour, float coverage) {
    if (sx < 0 || sy < 0 || sx >= widthPx * factor || sy >= heightPx * factor || coverage <= 0) return;
    const float alpha = colour.a * clamp01(coverage);
    Rgba& s = samples[static_cast<size_t>(sy) * widthPx * factor + sx];
    s.r = colour.r * alpha + s.r * (1 - alpha);
    s.g = colour.g * alpha + s.g * (1 - alpha);
    s.b = colour.b * alpha + s.b * (1 - alpha);
    s.a = alpha + s.a * (1 - alpha);
}

RgbaImage Canvas::resolve() const {
    RgbaImage image = makeImage(widthPx, heightPx, transparent());
    const float share = 1.0f / static_cast<float>(factor * factor);
    for (int y = 0; y < heightPx; ++y) {
        for (int x = 0; x < widthPx; ++x) {
            Rgba sum{0, 0, 0, 0};
            for (int sy = y * factor; sy < (y + 1) * factor; ++sy) {
                for (int sx = x * factor; sx < (x + 1) * factor; ++sx) {
                    const Rgba& s = samples[static_cast<size_t>(sy) * widthPx * factor + sx];
                    sum = {sum.r + s.r, sum.g + s.g, sum.b + s.b, sum.a + s.a};
                }
            }
            const float alpha = sum.a * share;
            image.at(x, y) = alpha <= 0
                                 ? transparent()
                                 : Rgba{sum.r * share / alpha, sum.g * share / alpha, sum.b * share / alpha, alpha};
        }
    }
    return image;
}

}  // namespace art
