#pragma once
// Tests that measure or draw text pin one font file, so that widths hold on every machine, and draw
// into a target of their own, filled with one colour.
#include <optional>

#include "common/PixelTarget.h"
#include "platform/Platform.h"

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
        target.emplace(width, height, fill);
        pixels = target->pixels;
    }
    uint16_t at(int32_t x, int32_t y) const { return target->at(x, y); }
    size_t changedPixels(uint16_t fill) const { return pixels.size() - std::ranges::count(pixels, fill); }
    size_t changedPixels() const { return changedPixels(target->background); }

    std::optional<PixelTarget> target;
    std::span<uint16_t> pixels;
};
