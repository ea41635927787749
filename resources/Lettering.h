#pragma once
// A small stroke alphabet for the titles and numbers in the artwork: only the letters, digits and
// signs the pictures use. Each glyph is a few centre lines drawn with a round pen, which gives the
// friendly rounded lettering of the logos; its outline and shading come from the shape's distance.
#include <string>

#include "Shape.h"

namespace art {

struct LetterStyle {
    float capHeight = 40;    // from the top of a capital to the baseline, pen included
    float penWidth = 0.18f;  // as a share of the cap height
    float tracking = 0.06f;  // extra space between letters, as a share of the cap height
    float slant = 0;         // horizontal lean per unit of height (0.15 leans a little to the right)
};

// Characters the alphabet knows: A B V a c d e i l m n o r t x, the digits and space.
bool hasGlyph(char c);

// The width of text laid out in the style, pen and lean included.
float textWidth(const std::string& text, const LetterStyle& style);

// The text as one shape, the top-left of its first capital (pen included) at topLeft.
Shape textShape(const std::string& text, Vec topLeft, const LetterStyle& style);

}  // namespace art
