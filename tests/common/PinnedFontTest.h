#pragma once
// Tests that measure or draw text pin one font file, so that widths hold on every machine, and draw
// into a target of their own, filled with one colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/Platform.h"
#include "render/DrawTarget.h"

inline constexpr const char* pinnedFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class PinnedFontTest : public ::testing::Test {
protected:
    // Pinned before any fixture member opens a font.
    PinnedFontTest() { platform::pinFontFile(pinnedFontFile); }
    ~PinnedFontTest() override {
        setDrawTarget(nullptr, 0, 0);
        platform::pinFontFile("");
    }

    void useTarget(int32_t width, int32_t height, uint16_t fill = 0xFFFF) {
        pixels.assign(static_cast<size_t>(width) * height, fill);
        setDrawTarget(pixels.data(), width, height);
        stride = width;
        targetFill = fill;
    }
    uint16_t at(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * stride + x]; }
    size_t changedPixels(uint16_t fill) const {
        return static_cast<size_t>(std::count_if(pixels.begin(), pixels.end(), [&](uint16_t p) { return p != fill; }));
    }
    size_t changedPixels() const { return changedPixels(targetFill); }

    std::vector<uint16_t> pixels;
    int32_t stride = 0;
    uint16_t targetFill = 0xFFFF;
};
