#include "text/TextLayout.h"

#include <optional>

#include "render/DrawTarget.h"

namespace {

struct ColourTag {
    std::u16string_view tag;
    Rgb colour;
};

constexpr ColourTag colourTags[] = {
    {u"[green]", 0x0000FF00}, {u"[yellow]", 0x0000FFFF}, {u"[red]", 0x000000FF},       {u"[magenta]", 0x00FF00FF},
    {u"[white]", 0x00FFFFFF}, {u"[gray]", 0x007D7D7D},   {u"[lightgray]", 0x00C8C8C8},
};
constexpr std::u16string_view baseColourTag = u"[/]";

// Blue, magenta, green, and round again, by nesting depth.
constexpr Rgb bracketColour(int32_t depth) {
    constexpr Rgb colours[] = {0x00FF0000, 0x00FF00FF, 0x0000FF00};
    return colours[depth % 3];
}

// The colour of c with bracket colours on; depth follows the brackets seen so far. A bracket outside
// any pair (depth below 0) keeps the running colour.
Rgb bracketedColour(char16_t c, int32_t& depth, Rgb colour) {
    if (c == u'(') {
        const Rgb result = depth >= 0 ? bracketColour(depth) : colour;
        ++depth;
        return result;
    }
    if (c == u')') {
        --depth;
        return depth >= 0 ? bracketColour(depth) : colour;
    }
    return colour;
}

// Where a wrap goes back to: the character after the last break character of the line, with the
// colour and bracket depth as they were there, so that re-laying the moved word gives it the same colours.
struct BreakPoint {
    size_t next;
    int32_t record;
    Rgb colour;
    int32_t depth;
};

}  // namespace

bool parseColourTag(std::u16string_view tag, Rgb baseColour, Rgb& colour) {
    for (const ColourTag& known : colourTags) {
        if (tag == known.tag) {
            colour = known.colour;
            return true;
        }
    }
    if (tag == baseColourTag) {
        colour = baseColour;
        return true;
    }
    return false;
}

void applyStyleOffsets(const Font& font, const WString& text, const TextStyle& style, int32_t& x, int32_t& y) {
    if (style.indent) x += font.spaceWidth();
    if (style.boxWidth != 0) x += (style.boxWidth >> 1) - (font.textWidth(text) >> 1);
    if (style.boxHeight != 0) y += (style.boxHeight >> 1) - (font.ascent() >> 1);
}

int32_t layoutText(Font& font, const WString& text, int32_t x, int32_t y, const TextStyle& style, int32_t& lineCount) {
    lineCount = 1;
    GlyphRecord* records = font.glyphBuffer();
    if (!records) return 0;

    const size_t length = text.size();
    Rect clip;
    getClip(clip);
    const int32_t bottom = clip.bottom != 0 ? clip.bottom : targetHeight();
    const int32_t rightLimit = targetWidth() - style.rightMargin;
    const int32_t lineStep = font.lineSpacing() + style.lineSpacing + font.ascent();
    const bool fixedCells = font.fixedCellMode();

    Rgb colour = style.colour;
    int32_t depth = 0;
    std::optional<BreakPoint> lastBreak;
    int32_t penX = x;
    int32_t penY = y;
    int32_t count = 0;
    size_t next = 0;
    while (next < length && count < GlyphBufferSize) {
        char16_t c = text[next];
        if (style.lowerCase && c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));

        if (c == u'\n') {
            if (next + 1 == length) break;  // a closing newline adds no line
            ++next;
            penY += lineStep;
            penX = x;
            ++lineCount;
            lastBreak.reset();
            if (penY > bottom) break;
            continue;
        }

        if (c == u'[' && style.markup) {
            const size_t close = text.find(u']', next);
            const size_t end = close == WString::npos ? length : close + 1;
            parseColourTag(std::u16string_view(text).substr(next, end - next), style.colour, colour);
            next = end;
            continue;
        }

        const Rgb glyphColour = style.bracketColours ? bracketedColour(c, depth, colour) : colour;
        const int32_t width = fixedCells ? font.cellWidth(c) : font.charWidth(c);
        const int32_t spacing = next + 1 == length ? 0 : font.characterSpacing();

        if (penX + width > rightLimit) {
            penY += lineStep;
            penX = x;
            ++lineCount;
            if (penY > bottom) break;
            if (lastBreak) {
                // The word since the last break moves down whole; its records are laid out again.
                next = lastBreak->next;
                count = lastBreak->record;
                colour = lastBreak->colour;
                depth = lastBreak->depth;
                lastBreak.reset();
                continue;
            }
            // Nowhere to break: the word is split here and this character starts the new line.
        }

        GlyphRecord& record = records[count++];
        record.x = penX;
        if (fixedCells) record.x += ((width + 1) >> 1) - (font.charWidth(c) >> 1);  // centred in its cell
        record.y = penY;
        record.advance = width + 1;
        record.colour = glyphColour;
        record.code = c;
        penX += width + spacing;
        ++next;
        if (font.isBreakCharacter(c)) lastBreak = BreakPoint{next, count, colour, depth};
    }

    font.setGlyphCount(count);
    if (count < GlyphBufferSize) records[count].code = 0;
    return static_cast<int32_t>(length);
}
