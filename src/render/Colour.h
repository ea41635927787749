#pragma once
// Colours: Rgb is 0x00BBGGRR (red in the low byte); pixels are RGB565 (red in bits 11-15).
#include <cstdint>

using Rgb = uint32_t;

constexpr Rgb makeRgb(uint32_t red, uint32_t green, uint32_t blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr uint32_t redOf(Rgb colour) { return colour & 0xFF; }
constexpr uint32_t greenOf(Rgb colour) { return (colour >> 8) & 0xFF; }
constexpr uint32_t blueOf(Rgb colour) { return (colour >> 16) & 0xFF; }

// Keeps the top 5, 6 and 5 bits of red, green and blue.
constexpr uint16_t rgbTo565(Rgb v) {
    return static_cast<uint16_t>(((v >> 5) & 0x07E0) | ((v >> 19) & 0x001F) | ((v & 0xF8) << 8));
}

// Puts each channel back in the top bits of its byte; the low bits stay zero (0xFFFF -> 0x00F8FCF8).
constexpr Rgb rgbFrom565(uint16_t p) { return ((p >> 8) & 0xF8u) | ((p & 0x07E0u) << 5) | ((p & 0x001Fu) << 19); }

constexpr Rgb colourWhite() { return 0x00FFFFFF; }
