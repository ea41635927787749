#pragma once
// A supersampled drawing surface. Shapes are blended into a grid of samples several times finer than
// the picture's pixels; resolving averages each pixel's samples, which gives smooth edges before the
// picture is reduced to its palette.
#include <vector>

#include "Rgba.h"

namespace art {

// A picture of width x height straight-alpha pixels, rows top first.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    Rgba& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

RgbaImage makeImage(int width, int height, Rgba fill);
// Copies source into target with its top-left corner at (x, y); what falls outside is dropped.
void paste(RgbaImage& target, const RgbaImage& source, int x, int y);

class Canvas {
public:
    // supersampling: samples per pixel along each axis.
    Canvas(int width, int height, int supersampling, Rgba background);

    int width() const { return widthPx; }
    int height() const { return heightPx; }
    int supersampling() const { return factor; }

    // Blends colour over the sample at (sx, sy) with the given coverage (0 to 1); outside is ignored.
    void blend(int sx, int sy, Rgba colour, float coverage);

    // Averages each pixel's samples.
    RgbaImage resolve() const;

private:
    int widthPx;
    int heightPx;
    int factor;
    std::vector<Rgba> samples;  // premultiplied
};

}  // namespace art
