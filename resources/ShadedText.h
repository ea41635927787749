#pragma once
// Title lettering: a drop shadow, a dark outline, and a fill that runs from a light top to a deeper
// bottom colour with a bevel, lit from the upper left, along the inside of every stroke.
#include <string>

#include "Lettering.h"
#include "Painter.h"

namespace art {

struct ShadedTextStyle {
    LetterStyle letters;
    float outline = 3;       // design units
    Vec shadowOffset{3, 3};  // design units
    float bevel = 3;         // width of the lit and shaded rim inside the strokes
    Rgba topColour;
    Rgba bottomColour;
    Rgba outlineColour;
    Rgba shadowColour;
};

void drawShadedText(Painter& painter, const std::string& text, Vec topLeft, const ShadedTextStyle& style);

// A bevelled fill: base colours from the paint, lightened where the edge faces the upper left and
// darkened where it faces the lower right, within bevel of the edge.
Paint bevelled(const Shape& shape, Paint base, float bevel, float light = 0.55f, float dark = 0.3f);

}  // namespace art
