#pragma once
// Text (src/text): fonts and measurement (this header), the glyph cache (GlyphCache.h), the options of
// laid-out text (TextStyle.h), layout with colour tags and wrapping (TextLayout.h) and drawing
// (TextDraw.h).
//
// A Font wraps one platform font with its own table of character widths. Text is measured from the
// table, never by asking the font engine, and laid-out text places every character from it too.
// The glyph buffer holds the records of the font's most recent layout.
#include <array>
#include <cstdint>
#include <memory>

#include "render/Colour.h"
#include "support/WString.h"
#include "text/GlyphCache.h"
#include "text/TextStyle.h"

namespace platform {
struct FontFace;
}

// One laid-out character.
struct GlyphRecord {
    int32_t x = 0;        // left edge of the glyph
    int32_t y = 0;        // top of its line, before the baseline lift
    int32_t advance = 0;  // the character's width + 1
    Rgb colour = 0;
    char16_t code = 0;  // after lower-casing; 0 ends the records
};

inline constexpr int32_t GlyphBufferSize = 2056;
inline constexpr int32_t BreakCharacterRoom = 16;

class Font {
public:
    // Opens faceName at pixelHeight pixels of character height and measures all 256 table entries.
    // Without a usable font file the Font has no face: it measures 0 and lays out and draws nothing.
    Font(const WString& faceName, int32_t pixelHeight);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // As the constructor, but null when no font file could be opened at all.
    static std::unique_ptr<Font> create(const WString& faceName, int32_t pixelHeight);
    bool hasFace() const { return face != nullptr; }

    // Every character is looked up by its low 8 bits.
    int32_t charWidth(uint32_t code) const { return widths[code & 0xFF]; }
    int32_t textWidth(const WString& text) const;
    // Half a cell for a space, a whole cell for anything else.
    int32_t cellWidth(uint32_t code) const { return (code & 0xFF) == 32 ? cellWidthPx >> 1 : cellWidthPx; }
    void setCellWidth(int32_t width) { cellWidthPx = width; }
    int32_t styledTextWidth(const WString& text, const TextStyle& style) const;

    int32_t ascent() const { return ascentPx; }  // also the step from one line of text to the next
    int32_t spaceWidth() const { return spaceWidthPx; }
    int32_t baselineLift() const { return baselineLiftPx; }  // text is drawn with its top this far above y
    int32_t lineSpacing() const { return lineSpacingPx; }
    int32_t characterSpacing() const { return characterSpacingPx; }
    bool isBreakCharacter(char16_t code) const;

    // The records of the last layout; null for a Font without a face.
    GlyphRecord* glyphBuffer() { return glyphRecords.get(); }
    const GlyphRecord* glyphBuffer() const { return glyphRecords.get(); }
    int32_t glyphCount() const { return glyphCountValue; }
    void setGlyphCount(int32_t count) { glyphCountValue = count; }

    // On only while fixed-cell text is being laid out and drawn.
    bool fixedCellMode() const { return fixedCells; }
    void setFixedCellMode(bool on) { fixedCells = on; }

    // The rasterised glyph of one code unit (not its low byte: a Polish L draws as itself).
    const CachedGlyph& glyph(char16_t code) { return glyphs.glyph(code); }
    void clearGlyphCache() { glyphs.clear(); }

private:
    struct FaceCloser {
        void operator()(platform::FontFace* face) const;
    };

    std::unique_ptr<platform::FontFace, FaceCloser> face;
    int32_t ascentPx = 0;
    int32_t spaceWidthPx = 0;
    std::array<int32_t, 256> widths{};
    int32_t lineSpacingPx = 0;
    int32_t characterSpacingPx = 0;
    std::unique_ptr<GlyphRecord[]> glyphRecords;
    int32_t glyphCountValue = 0;
    std::array<char16_t, BreakCharacterRoom> breakCharacters{};
    int32_t breakCount = 0;
    int32_t baselineLiftPx = 0;
    bool fixedCells = false;
    int32_t cellWidthPx = 0;
    GlyphCache glyphs;
};

// The current font: most drawing code uses it instead of holding a Font. The Font is owned elsewhere;
// destroying it while it is current leaves no font current.
Font* currentFont();
// Null is ignored: the current font stays.
void setCurrentFont(Font* font);
int32_t currentAscent();      // 0 without a current font
int32_t currentSpaceWidth();  // 0 without a current font

// False when no font at all can be opened; the program cannot show text then and should say so.
bool fontsAvailable();
