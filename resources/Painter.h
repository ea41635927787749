#pragma once
// Fills shapes given in design units into a canvas at a scale, so one description of a picture can
// be drawn at the wide artwork's size (scale 1) and at the narrow one's (about 0.5).
#include <functional>

#include "Canvas.h"
#include "Shape.h"

namespace art {

// The colour at a point of a shape, in design units.
using Paint = std::function<Rgba(Vec)>;

Paint solid(Rgba colour);
// From top colour at y = top to bottom colour at y = bottom, constant outside.
Paint verticalGradient(Rgba topColour, float top, Rgba bottomColour, float bottom);
// From the inner colour at the centre to the outer colour at radius.
Paint radialGradient(Vec centre, float radius, Rgba innerColour, Rgba outerColour);

class Painter {
public:
    // A design point p lands on pixel p * scale + offset of the canvas.
    Painter(Canvas& canvas, float scale, Vec offset = {});

    float scale() const { return factor; }
    // A width in design units, but never thinner than the given number of pixels, so that fine lines
    // survive at the small scale.
    float atLeastPixels(float designWidth, float pixels) const;
    // The design coordinate of the edge between pixels n - 1 and n, for lining shapes up with pixels.
    float pixelEdge(int n) const;

    void fill(const Shape& shape, const Paint& paint);
    // The shape's distances worked out once on this canvas's sample grid (margin beyond its bounds)
    // and read back from there: a costly shape drawn several times (shadow, outline, fill, bevel)
    // is then evaluated only once per sample.
    Shape bake(const Shape& shape, float margin) const;
    void fill(const Shape& shape, Rgba colour) { fill(shape, solid(colour)); }

private:
    Canvas& canvas;
    float factor;
    Vec offset;
};

}  // namespace art
