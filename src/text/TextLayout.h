#pragma once
// Laying text out into a Font's glyph buffer: colour tags, bracket colours, lower case, fixed cells and
// wrapping at break characters. Every position comes from the Font's width table.
//
// Colour tags, matched exactly and case-sensitively, brackets included: "[green]", "[yellow]", "[red]",
// "[magenta]", "[white]", "[gray]", "[lightgray]", and "[/]" for the style's own colour. Any other tag,
// or a "[" without a "]" (which takes the rest of the text with it), takes no room and changes nothing.
#include <cstdint>
#include <string_view>

#include "render/Colour.h"
#include "support/WString.h"
#include "text/Font.h"
#include "text/TextStyle.h"

// The character code drawn as a division sign instead of a glyph.
inline constexpr char16_t DivisionSignCode = 137;

// Fills font's glyph buffer and glyph count with the records of text laid out from (x, y), and
// lineCount with the number of lines it took, counting a line that began below the bottom edge and so
// was left out. Lines wrap at the target's width less the style's right margin; no line starts below
// the clip's bottom. A text with more characters than the buffer holds is cut at the buffer's end.
// Returns the text's length, or 0 when the font has no glyph buffer.
int32_t layoutText(Font& font, const WString& text, int32_t x, int32_t y, const TextStyle& style, int32_t& lineCount);

// True and the tag's colour for a known tag ("[/]" gives baseColour); false, colour untouched, otherwise.
bool parseColourTag(std::u16string_view tag, Rgb baseColour, Rgb& colour);

// Moves (x, y) as the style asks: one space in for an indent, centred in the style's box width (by the
// proportional width of the whole text) and box height (by the font's ascent).
void applyStyleOffsets(const Font& font, const WString& text, const TextStyle& style, int32_t& x, int32_t& y);
