#pragma once
// The options of laid-out text. A fresh style draws black proportional text with markup on.
#include <cstdint>

#include "render/Colour.h"

struct TextStyle {
    bool markup = true;           // "[" starts a colour tag such as "[red]"
    bool bracketColours = false;  // "(" and ")" take a colour by their nesting depth
    bool lowerCase = false;       // "A"-"Z" are laid out as "a"-"z"
    bool indent = false;          // the text starts one space width to the right
    bool fixedCells = false;      // every character takes one cell, a space half a cell
    Rgb colour = 0;               // the base colour
    int32_t rightMargin = 0;      // lines wrap this many pixels before the target's right edge
    int32_t boxHeight = 0;        // when not 0, centre the text vertically in this height from y
    int32_t lineSpacing = 0;      // extra pixels between laid-out lines
    int32_t boxWidth = 0;         // when not 0, centre the text horizontally in this width from x
};
