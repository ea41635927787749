#pragma once
// Reduces a drawn picture to the 256-colour palette of an 8-bit bitmap. A few colours are kept
// exactly (the colour key, the frame bands, white); the rest of the palette is fitted to the
// picture's own colours by median cut, and every pixel takes the nearest palette colour.
#include <array>
#include <cstdint>
#include <vector>

#include "Canvas.h"

namespace art {

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::array<Colour24, 256> palette{};
    std::vector<uint8_t> indices;  // rows top first

    uint8_t index(int x, int y) const { return indices[static_cast<size_t>(y) * width + x]; }
    Colour24 colour(int x, int y) const { return palette[index(x, y)]; }
};

// reserved[0] is the colour key: any pixel whose nearest colour would look the same as the key once
// the program reduces colours to 16 bits takes the key itself, so the key never shows by accident
// in another palette entry and the transparent area is exactly what was drawn as background.
IndexedImage quantise(const RgbaImage& picture, const std::vector<Colour24>& reserved);

// The 16-bit form the program draws in (5 bits red, 6 green, 5 blue).
constexpr uint16_t to565(Colour24 c) {
    return static_cast<uint16_t>(((redOf(c) & 0xF8) << 8) | ((greenOf(c) & 0xFC) << 3) | (blueOf(c) >> 3));
}

}  // namespace art
