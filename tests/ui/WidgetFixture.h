#pragma once
// Widget tests draw into a small target of their own, measure with one pinned font file so that
// text widths hold on every machine, and drive the stylus through the real dispatch.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Platform.h"
#include "render/Colour.h"
#include "render/DrawTarget.h"
#include "text/Font.h"
#include "ui/HitList.h"

inline constexpr const char* pinnedFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class WidgetTest : public ::testing::Test {
protected:
    static constexpr uint16_t background = 0x1234;  // no widget draws this colour

    void SetUp() override {
        platform::pinFontFile(pinnedFontFile);
        useTarget(240, 160);
        clearHitList();
    }
    void TearDown() override {
        clearHitList();
        resetCurrentFont();
        setDrawTarget(nullptr, 0, 0);
        platform::pinFontFile("");
    }

    void useTarget(int32_t width, int32_t height) {
        pixels.assign(static_cast<size_t>(width) * height, background);
        setDrawTarget(pixels.data(), width, height);
        targetWidthPx = width;
    }
    // Makes a font of this pixel height current.
    Font& useFont(int32_t pixelHeight) {
        font = std::make_unique<Font>(u"Verdana", pixelHeight);
        setCurrentFont(font.get());
        return *font;
    }
    // The smallest pixel height whose ascent is exactly `ascent`; fails the test when there is none.
    Font& useFontWithAscent(int32_t ascent) {
        for (int32_t size = 6; size < 40; ++size) {
            if (useFont(size).ascent() == ascent) return *font;
        }
        ADD_FAILURE() << "no pixel height gives an ascent of " << ascent;
        return *font;
    }

    Rgb pixel(int32_t x, int32_t y) const { return rgbFrom565(pixels[static_cast<size_t>(y) * targetWidthPx + x]); }
    bool untouched() const {
        for (uint16_t p : pixels) {
            if (p != background) return false;
        }
        return true;
    }

    static bool press(int32_t x, int32_t y) { return dispatchPress(Point{x, y}); }
    static bool release(int32_t x, int32_t y) { return dispatchRelease(Point{x, y}); }
    static void tap(int32_t x, int32_t y) {
        press(x, y);
        release(x, y);
    }

    std::vector<uint16_t> pixels;
    int32_t targetWidthPx = 0;
    std::unique_ptr<Font> font;
};

// What a colour looks like once it has been through a pixel.
constexpr Rgb stored(Rgb colour) { return rgbFrom565(rgbTo565(colour)); }
