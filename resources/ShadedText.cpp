#include "ShadedText.h"

#include <algorithm>

namespace art {

Paint bevelled(const Shape& shape, Paint base, float bevel, float light, float dark) {
    const Vec towardsLight = Vec{-0.45f, -0.9f} * (1 / length(Vec{-0.45f, -0.9f}));
    return [=](Vec p) {
        const Rgba colour = base(p);
        const float rim = smoothstep(-bevel, 0, shape.distance(p));
        if (rim <= 0) return colour;
        const float facing = dot(outwardNormal(shape, p), towardsLight);
        return facing > 0 ? lighter(colour, facing * rim * light) : darker(colour, -facing * rim * dark);
    };
}

void drawShadedText(Painter& painter, const std::string& text, Vec topLeft, const ShadedTextStyle& style) {
    const Shape letters = painter.bake(textShape(text, topLeft, style.letters),
                                       style.outline + std::max(style.shadowOffset.x, style.shadowOffset.y) + 1);
    const Shape outlined = inflate(letters, style.outline);
    painter.fill(translate(outlined, style.shadowOffset), style.shadowColour);
    painter.fill(outlined, style.outlineColour);
    const float top = topLeft.y, bottom = topLeft.y + style.letters.capHeight;
    painter.fill(letters,
                 bevelled(letters, verticalGradient(style.topColour, top, style.bottomColour, bottom), style.bevel));
}

}  // namespace art
