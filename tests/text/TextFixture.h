#pragma once
// Text tests draw into a white target, 240 x 320 unless they choose another.
#include "common/PinnedFontTest.h"
#include "text/Font.h"

class TextTest : public PinnedFontTest {
protected:
    void SetUp() override { useTarget(240, 320); }
    void useTarget(int32_t width, int32_t height, uint16_t fill = 0xFFFF) {
        PinnedFontTest::useTarget(width, height, fill);
    }
    uint16_t pixel(int32_t x, int32_t y) const { return at(x, y); }
    size_t changedPixels(uint16_t background = 0xFFFF) const { return PinnedFontTest::changedPixels(background); }
};
