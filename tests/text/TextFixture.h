#pragma once
// Text tests measure with one pinned font file, so that widths hold on every machine, and draw into a
// small white target of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/Platform.h"
#include "render/DrawTarget.h"
#include "text/Font.h"

class TextTest : public ::testing::Test {
protected:
    // Pinned before any fixture member opens a font.
    TextTest() { platform::pinFontFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"); }
    void SetUp() override { useTarget(240, 320); }
    void TearDown() override {
        setDrawTarget(nullptr, 0, 0);
        platform::pinFontFile("");
    }

    void useTarget(int32_t width, int32_t height, uint16_t fill = 0xFFFF) {
        pixels.assign(static_cast<size_t>(width) * height, fill);
        setDrawTarget(pixels.data(), width, height);
        stride = width;
    }
    uint16_t pixel(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * stride + x]; }
    size_t changedPixels(uint16_t background = 0xFFFF) const {
        return static_cast<size_t>(
            std::count_if(pixels.begin(), pixels.end(), [&](uint16_t p) { return p != background; }));
    }

    std::vector<uint16_t> pixels;
    int32_t stride = 0;
};
