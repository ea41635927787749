#pragma once
// A draw target of a test's own, with guard pixels in the memory on both sides of it that must be
// intact when it goes; and a maker of hand-made 8-bit bitmap resources, with a sheet to blit.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "render/Colour.h"
#include "render/DrawTarget.h"

using Rows = std::vector<std::string>;

struct PixelTarget {
    static constexpr int guards = 64;
    static constexpr uint16_t guard = 0xA5A5;
    int width, height;
    uint16_t background;
    std::vector<uint16_t> memory;
    std::span<uint16_t> pixels;  // row after row, between the guards

    PixelTarget(int w, int h, uint16_t back = 0) : width(w), height(h), background(back), memory(w * h + 2 * guards) {
        pixels = {&memory[guards], size_t(w) * h};
        clear();
        setDrawTarget(pixels.data(), w, h);
    }
    PixelTarget(const PixelTarget&) = delete;
    ~PixelTarget() { EXPECT_TRUE(guardsIntact()) << "a write outside the " << width << " x " << height << " target"; }
    void clear() {
        std::ranges::fill(memory, guard);
        std::ranges::fill(pixels, background);
    }
    uint16_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    bool guardsIntact() const {
        return std::count(memory.begin(), memory.begin() + guards, guard) == guards &&
               std::count(memory.end() - guards, memory.end(), guard) == guards;
    }
    // One string a row: '.' for the background, '#' for ink, '?' for anything else.
    Rows picture(uint16_t ink) const {
        Rows rows(static_cast<size_t>(height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) rows[y] += at(x, y) == background ? '.' : at(x, y) == ink ? '#' : '?';
        }
        return rows;
    }
};

// An 8-bit bitmap resource: the header, colour table entry i = colourOf(i), pixel (x, y) = indexOf(x, y).
inline std::vector<uint8_t> makeBitmap(int32_t width, int32_t height, const std::function<Rgb(int)>& colourOf,
                                       const std::function<int(int, int)>& indexOf) {
    std::vector<uint8_t> bytes(40, 0);
    const uint32_t fields[] = {40, static_cast<uint32_t>(width), static_cast<uint32_t>(height), 1u | (8u << 16)};
    for (size_t i = 0; i < 16; ++i) bytes[i] = static_cast<uint8_t>(fields[i / 4] >> (8 * (i % 4)));
    for (int i = 0; i < 256; ++i) {
        const Rgb c = colourOf(i);
        bytes.insert(bytes.end(), {uint8_t(blueOf(c)), uint8_t(greenOf(c)), uint8_t(redOf(c)), 0});
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) bytes.push_back(static_cast<uint8_t>(indexOf(x, y)));
    }
    return bytes;
}

// The test sheet, 20 x 3: every fifth column index 0, the white key colour; elsewhere index
// x + 1 + 20y, whose RGB565 value is the index in the green bits.
inline int sheetIndex(int x, int y) { return x % 5 == 0 ? 0 : x + 1 + 20 * y; }
inline Rgb sheetColour(int i) { return i == 0 ? colourWhite() : makeRgb(0, 4 * i, 0); }
