#include "text/GlyphCache.h"

#include <algorithm>

#include "platform/Platform.h"
#include "render/DrawTarget.h"

const CachedGlyph& GlyphCache::glyph(char16_t code) {
    CachedGlyph* slot = code < latin.size() ? &latin[code] : &others[code];
    if (!slot->ready) rasterise(code, *slot);
    return *slot;
}

void GlyphCache::clear() {
    latin.fill(CachedGlyph{});
    others.clear();
}

void GlyphCache::rasterise(char16_t code, CachedGlyph& slot) {
    slot = CachedGlyph{};
    slot.ready = true;
    platform::GlyphBitmap bitmap;
    if (!platform::rasteriseGlyph(face, code, bitmap)) {
        // Nothing to draw, but the pen still moves as it would over the face's missing-glyph sign.
        slot.advance = platform::glyphAdvance(face, code);
        return;
    }
    slot.advance = bitmap.advance;
    slot.left = bitmap.left;
    slot.top = bitmap.top;
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.coverage.empty()) return;
    slot.width = bitmap.width;
    slot.height = bitmap.height;
    slot.coverage.resize(static_cast<size_t>(bitmap.width) * bitmap.height);
    for (int row = 0; row < bitmap.height; ++row) {
        const auto source = bitmap.coverage.subspan(static_cast<size_t>(row) * bitmap.pitch, bitmap.width);
        std::copy(source.begin(), source.end(), slot.coverage.begin() + static_cast<ptrdiff_t>(row) * bitmap.width);
    }
}

namespace {

// Mixes one 565 pixel toward the ink by coverage/255, channel by channel in the pixel's own precision,
// so that full coverage gives the ink exactly and no coverage leaves the pixel as it was.
inline uint16_t blend565(uint16_t pixel, uint16_t ink, uint32_t coverage) {
    const uint32_t keep = 255 - coverage;
    const uint32_t red = ((ink >> 11) * coverage + (pixel >> 11) * keep + 127) / 255;
    const uint32_t green = (((ink >> 5) & 0x3F) * coverage + ((pixel >> 5) & 0x3F) * keep + 127) / 255;
    const uint32_t blue = ((ink & 0x1F) * coverage + (pixel & 0x1F) * keep + 127) / 255;
    return static_cast<uint16_t>((red << 11) | (green << 5) | blue);
}

}  // namespace

void blendGlyph(const CachedGlyph& glyph, int32_t penX, int32_t baselineY, Rgb colour) {
    const DrawTarget& target = drawTarget();
    if (glyph.coverage.empty() || !target.pixels) return;
    // Worked out in 64 bits: a pen far off the target must not wrap around onto it.
    const int64_t left = int64_t{penX} + glyph.left;
    const int64_t top = int64_t{baselineY} - glyph.top;
    const int64_t firstColumn = std::max<int64_t>(0, -left);
    const int64_t endColumn = std::min<int64_t>(glyph.width, int64_t{target.width} - left);
    const int64_t firstRow = std::max<int64_t>(0, -top);
    const int64_t endRow = std::min<int64_t>(glyph.height, int64_t{target.height} - top);
    if (firstColumn >= endColumn || firstRow >= endRow) return;

    const uint16_t ink = rgbTo565(colour);
    for (int64_t row = firstRow; row < endRow; ++row) {
        const uint8_t* coverage = glyph.coverage.data() + row * glyph.width;
        uint16_t* pixels = target.pixels + (top + row) * target.width + left;
        for (int64_t column = firstColumn; column < endColumn; ++column) {
            const uint32_t amount = coverage[column];
            if (amount == 255) {
                pixels[column] = ink;
            } else if (amount != 0) {
                pixels[column] = blend565(pixels[column], ink, amount);
            }
        }
    }
}
