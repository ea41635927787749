#include "text/TextDraw.h"

#include "render/DrawTarget.h"
#include "render/Primitives.h"

namespace {

// Fixed-cell mode is on exactly while one fixed-cell text is laid out and drawn.
class FixedCellScope {
public:
    FixedCellScope(Font& font, bool on) : font(font), before(font.fixedCellMode()) { font.setFixedCellMode(on); }
    ~FixedCellScope() { font.setFixedCellMode(before); }
    FixedCellScope(const FixedCellScope&) = delete;
    FixedCellScope& operator=(const FixedCellScope&) = delete;

private:
    Font& font;
    bool before;
};

// Lays out and draws at (x, y) as given, the style's offsets already applied.
int32_t drawLaidOutAt(Font& font, const WString& text, int32_t x, int32_t y, const TextStyle& style) {
    FixedCellScope fixedCells(font, style.fixedCells);
    int32_t lineCount = 1;
    layoutText(font, text, x, y, style, lineCount);
    const GlyphRecord* records = font.glyphBuffer();
    if (text.empty() || !records) return 1;

    const int32_t ascent = font.ascent();
    const int32_t lift = font.baselineLift();
    for (int32_t index = 0; index < font.glyphCount() && records[index].code != 0; ++index) {
        const GlyphRecord& record = records[index];
        if ((record.code & 0xFF) <= 128) {
            blendGlyph(font.glyph(record.code), record.x, record.y - lift + ascent, record.colour);
        } else {
            drawDivisionSign(font, record.code, record.x, record.y, record.colour);
        }
    }
    return lineCount;
}

}  // namespace

int32_t drawText(Font& font, const WString& text, int32_t x, int32_t y, Rgb colour) {
    if (!font.hasFace()) return 0;
    const int32_t baseline = y - font.baselineLift() + font.ascent();
    const int32_t rightEdge = targetWidth();
    int64_t pen = x;
    for (char16_t code : text) {
        if (pen >= rightEdge) break;  // advances never go backwards, so nothing further shows
        const CachedGlyph& glyph = font.glyph(code);
        blendGlyph(glyph, static_cast<int32_t>(pen), baseline, colour);
        pen += glyph.advance;
    }
    return 1;
}

int32_t drawTextStyled(Font& font, const WString& text, int32_t x, int32_t y, const TextStyle& style) {
    applyStyleOffsets(font, text, style, x, y);
    if (style.fixedCells) return drawLaidOutAt(font, text, x, y, style);
    return drawText(font, text, x, y, style.colour);
}

int32_t drawLaidOutText(Font& font, const WString& text, int32_t x, int32_t y, const TextStyle& style) {
    applyStyleOffsets(font, text, style, x, y);
    return drawLaidOutAt(font, text, x, y, style);
}

void drawDivisionSign(Font& font, char16_t code, int32_t x, int32_t y, Rgb colour) {
    if (code != DivisionSignCode) return;
    const int32_t height = font.ascent();
    const int32_t width = font.fixedCellMode() ? font.cellWidth(code) : font.charWidth(code);
    const int32_t thickness = height < 16 ? 1 : height >> 4;
    fillBox(x, y + (height >> 1) - (thickness >> 1), width, thickness, colour);
    const int32_t radius = (height >> 4) + (height >> 5);
    const int32_t centreX = x + (width >> 1);
    fillCircle(centreX, y + (height >> 2), radius, colour);
    fillCircle(centreX, y + (height >> 2) + (height >> 1), radius, colour);
}

int32_t drawTextCurrent(const WString& text, int32_t x, int32_t y, Rgb colour) {
    Font* font = currentFont();
    return font ? drawText(*font, text, x, y, colour) : 0;
}

int32_t drawTextStyledCurrent(const WString& text, int32_t x, int32_t y, const TextStyle& style) {
    Font* font = currentFont();
    return font ? drawTextStyled(*font, text, x, y, style) : 0;
}

int32_t drawLaidOutCurrent(const WString& text, int32_t x, int32_t y, const TextStyle& style) {
    Font* font = currentFont();
    return font ? drawLaidOutText(*font, text, x, y, style) : 0;
}
