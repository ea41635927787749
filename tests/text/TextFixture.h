#pragma once
// Every text test measures with the same font file, so that widths hold on every machine, and draws
// into a small target of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/Platform.h"
#include "render/DrawTarget.h"
#include "support/WString.h"
#include "text/Font.h"

inline constexpr const char* pinnedFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr uint16_t white565 = 0xFFFF;

class TextTest : public ::testing::Test {
protected:
    // Pinned before any fixture member opens a font.
    TextTest() { platform::pinFontFile(pinnedFontFile); }
    void SetUp() override { useTarget(240, 320); }
    void TearDown() override {
        resetCurrentFont();
        setDrawTarget(nullptr, 0, 0);
        platform::pinFontFile("");
    }

    void useTarget(int32_t width, int32_t height, uint16_t fill = white565) {
        pixels.assign(static_cast<size_t>(width) * height, fill);
        setDrawTarget(pixels.data(), width, height);
        targetWidthPx = width;
    }
    uint16_t pixel(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * targetWidthPx + x]; }
    size_t changedPixels(uint16_t background = white565) const {
        return static_cast<size_t>(
            std::count_if(pixels.begin(), pixels.end(), [&](uint16_t p) { return p != background; }));
    }

    std::vector<uint16_t> pixels;
    int32_t targetWidthPx = 0;
};

inline WString text(const char* ascii) { return widenAscii(ascii); }
