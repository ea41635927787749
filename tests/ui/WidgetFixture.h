#pragma once
// Widget tests draw into a target of their own and measure with one pinned font file, so that text
// widths hold on every machine; the stylus goes through the real dispatch.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Platform.h"
#include "render/DrawTarget.h"
#include "text/Font.h"
#include "ui/HitList.h"

class WidgetTest : public ::testing::Test {
protected:
    static constexpr uint16_t background = 0x1234;  // no widget draws this colour

    void SetUp() override {
        platform::pinFontFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        useTarget(240, 160);
        clearHitList();
    }
    void TearDown() override { setDrawTarget(nullptr, 0, 0), platform::pinFontFile(""); }
    void useTarget(int32_t width, int32_t height) {
        pixels.assign(static_cast<size_t>(width) * height, background);
        setDrawTarget(pixels.data(), width, height);
    }
    // Makes current the smallest font whose ascent is at least `ascent`.
    Font& useFontWithAscent(int32_t ascent) {
        font.reset();
        for (int32_t size = 6; size < 60 && (!font || font->ascent() < ascent); ++size)
            font = std::make_unique<Font>(u"Verdana", size);
        setCurrentFont(font.get());
        return *font;
    }
    // A pixel as it reads back, and a colour as it reads back once written.
    Rgb pixel(int32_t x, int32_t y) const { return rgbFrom565(pixels[static_cast<size_t>(y) * targetWidth() + x]); }
    static Rgb stored(Rgb colour) { return rgbFrom565(rgbTo565(colour)); }
    static bool press(int32_t x, int32_t y) { return dispatchPress(Point{x, y}); }
    static bool release(int32_t x, int32_t y) { return dispatchRelease(Point{x, y}); }
    static bool tap(int32_t x, int32_t y) { return press(x, y) & release(x, y); }

    std::vector<uint16_t> pixels;
    std::unique_ptr<Font> font;
};
