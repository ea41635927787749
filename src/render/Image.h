#pragma once
// A picture ready for drawing: its size, its palette already converted to RGB565, its 8-bit palette
// indices read in place from the bytes it was loaded from, and an optional colour key that drawing
// treats as transparent.
//
// The bytes are a bitmap without a file header: the 40-byte information header (width at offset 4,
// height at 8 taken as a plain row count, planes at 12, bit count at 14), then for 8 bits per pixel
// or fewer a 256-entry colour table of blue, green, red, reserved, then at offset 1,064 one byte per
// pixel, rows width bytes long, the top row first. Bytes shorter than their header claims are treated
// as a missing picture, so nothing ever reads past their end.
#include <array>
#include <cstdint>
#include <span>

#include "render/Colour.h"

// The colour key value that means "no key".
constexpr int32_t NoColourKey = -1;

class Image {
public:
    Image() = default;
    // Loads bitmap resource id with the given colour key (an Rgb, or NoColourKey).
    Image(int32_t resourceId, int32_t colourKey);

    // Loads bitmap resource id of the program; false, leaving an empty picture, when there is none or
    // its bytes do not hold what their header claims.
    bool loadImageResource(int32_t resourceId, int32_t colourKey);
    // The same from bytes laid out as a bitmap resource. The picture reads its pixels from bytes in
    // place, so they must outlive it (resources live as long as the program).
    bool loadImageBytes(std::span<const uint8_t> bytes, int32_t resourceId, int32_t colourKey);

    // An Rgb, or any negative value (NoColourKey) for no key.
    void setColourKey(int32_t key);
    // NoColourKey when there is none, else the key as an Rgb.
    int32_t colourKey() const;

    int32_t width() const { return widthPx; }
    int32_t height() const { return heightPx; }
    int32_t bitsPerPixel() const { return bits; }
    int32_t resourceId() const { return id; }
    // The first stored (top) row of pixel data; null when nothing is loaded.
    const uint8_t* pixels() const { return pixelData; }
    const std::array<uint16_t, 256>& palette() const { return colours; }

private:
    void clearPicture();

    int32_t widthPx = 0;
    int32_t heightPx = 0;
    int32_t bits = 0;
    int32_t id = 0;
    std::array<uint16_t, 256> colours{};
    const uint8_t* pixelData = nullptr;
    int32_t keyRed = -1;
    int32_t keyGreen = -1;
    int32_t keyBlue = -1;
};
