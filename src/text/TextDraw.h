#pragma once
// Drawing text into the DrawTarget. Glyphs are anti-aliased and blended over what is there in the
// requested colour; only the target's edges limit them, never the clip rectangle. A text is drawn with
// its top at y - baselineLift.
//
// Plain drawing puts the whole text in one colour, each glyph advancing by its own width. Laid-out
// drawing first lays the text out (TextLayout.h) and then draws every record in its own colour at its
// own place; a record whose low byte is above 128 draws no glyph (only 137, the division sign, draws
// anything), so such characters keep their room and stay blank.
#include <cstdint>

#include "render/Colour.h"
#include "support/WString.h"
#include "text/Font.h"
#include "text/TextLayout.h"
#include "text/TextStyle.h"

// Plain text in one colour. Returns 1 when drawn, 0 when the font has no face.
int32_t drawText(Font& font, const WString& text, int32_t x, int32_t y, Rgb colour);

// Applies the style's offsets, then draws plain text in the style's colour, or, with fixed cells, lays
// it out and returns the line count.
int32_t drawTextStyled(Font& font, const WString& text, int32_t x, int32_t y, const TextStyle& style);

// Lays text out and draws it; returns the number of lines (1 for an empty text, which draws nothing).
int32_t drawLaidOutText(Font& font, const WString& text, int32_t x, int32_t y, const TextStyle& style);

// Draws the division sign for code 137 (and nothing for any other code) in a character box at (x, y):
// a bar across the middle of the ascent with a dot above and a dot below.
void drawDivisionSign(Font& font, char16_t code, int32_t x, int32_t y, Rgb colour);

// The same on the current font; each draws nothing and returns 0 when no font is current.
int32_t drawTextCurrent(const WString& text, int32_t x, int32_t y, Rgb colour);
int32_t drawTextStyledCurrent(const WString& text, int32_t x, int32_t y, const TextStyle& style);
int32_t drawLaidOutCurrent(const WString& text, int32_t x, int32_t y, const TextStyle& style);
