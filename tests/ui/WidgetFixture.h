#pragma once
// Widget tests draw into a target of their own, measure with the pinned font, and send the stylus
// through the real dispatch.
#include <memory>

#include "common/PinnedFontTest.h"
#include "text/Font.h"
#include "ui/HitList.h"

class WidgetTest : public PinnedFontTest {
protected:
    static constexpr uint16_t background = 0x1234;  // no widget draws this colour

    void SetUp() override {
        useTarget(240, 160);
        clearHitList();
    }
    void useTarget(int32_t width, int32_t height) { PinnedFontTest::useTarget(width, height, background); }
    // Makes current the smallest font whose ascent is at least `ascent`.
    Font& useFontWithAscent(int32_t ascent) {
        font.reset();
        for (int32_t size = 6; size < 60 && (!font || font->ascent() < ascent); ++size)
            font = std::make_unique<Font>(u"Verdana", size);
        setCurrentFont(font.get());
        return *font;
    }
    // A pixel as it reads back, and a colour as it reads back once written.
    Rgb pixel(int32_t x, int32_t y) const { return rgbFrom565(at(x, y)); }
    static Rgb stored(Rgb colour) { return rgbFrom565(rgbTo565(colour)); }
    static bool press(int32_t x, int32_t y) { return dispatchPress(Point{x, y}); }
    static bool release(int32_t x, int32_t y) { return dispatchRelease(Point{x, y}); }
    static bool tap(int32_t x, int32_t y) { return press(x, y) & release(x, y); }

    std::unique_ptr<Font> font;
};
