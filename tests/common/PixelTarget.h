#pragma once
// A draw target of a test's own, with guard pixels in the memory on both sides of it that must be
// intact when it goes.
#include <gtest/gtest.h>

#include <algorithm>
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
