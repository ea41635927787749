#pragma once
// Glyphs rasterised once per font and kept as 8-bit coverage, so drawing a frame never asks the font
// engine again for a glyph it has drawn before.
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "render/Colour.h"

namespace platform {
struct FontFace;
}

struct CachedGlyph {
    bool ready = false;  // rasterised (or found blank) already
    int32_t width = 0;
    int32_t height = 0;
    int32_t left = 0;  // from the pen to the bitmap's left column
    int32_t top = 0;   // from the baseline up to the bitmap's top row
    int32_t advance = 0;
    std::vector<uint8_t> coverage;  // width * height bytes, rows top first; empty for a blank glyph
};

class GlyphCache {
public:
    explicit GlyphCache(platform::FontFace* face) : face(face) {}

    // The glyph of one UTF-16 code unit, rasterised on first use.
    const CachedGlyph& glyph(char16_t code);
    // Forgets every glyph; the next use of each rasterises it again.
    void clear();

private:
    void rasterise(char16_t code, CachedGlyph& slot);

    platform::FontFace* face;
    std::array<CachedGlyph, 256> latin;  // the codes nearly every text uses, without hashing
    std::unordered_map<char16_t, CachedGlyph> others;
};

// Blends glyph in colour over the DrawTarget's pixels, its pen at penX on the row baselineY. Only the
// edges of the target clip it: text ignores the DrawTarget's clip rectangle.
void blendGlyph(const CachedGlyph& glyph, int32_t penX, int32_t baselineY, Rgb colour);
