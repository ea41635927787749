#include "TextFixture.h"
#include "render/Colour.h"
#include "text/TextDraw.h"

namespace {

constexpr uint16_t black565 = 0x0000;

class DrawTest : public TextTest {
protected:
    Font font{u"Verdana", 14};
    Font digits{u"Verdana", 48};
};

TEST_F(DrawTest, PlainTextLandsInItsBoxInItsColour) {
    useTarget(120, 60, black565);
    const Rgb red = makeRgb(255, 0, 0);
    const int32_t x = 20;
    const int32_t y = 25;
    EXPECT_EQ(drawText(font, u"Hello", x, y, red), 1);

    const int32_t top = y - font.baselineLift();
    const int32_t bottom = top + font.ascent() + 2 * font.baselineLift() + 1;  // the descent, at most
    size_t solid = 0;
    for (int32_t row = 0; row < 60; ++row) {
        for (int32_t column = 0; column < 120; ++column) {
            const uint16_t p = pixel(column, row);
            if (p == black565) continue;
            EXPECT_GE(column, x - 1);
            EXPECT_LE(column, x + font.textWidth(u"Hello"));
            EXPECT_GE(row, top);
            EXPECT_LT(row, bottom);
            EXPECT_EQ(p & 0x07FF, 0) << "only red is blended in";
            if (p == rgbTo565(red)) ++solid;
        }
    }
    EXPECT_GT(solid, 20u);  // the stems are solid, the edges anti-aliased
}

TEST_F(DrawTest, PlainAndLaidOutTextAgreeOnAsciiText) {
    const WString hello = u"Hello, world";
    drawText(font, hello, 10, 30, makeRgb(0, 0, 255));
    const std::vector<uint16_t> plain = pixels;
    useTarget(240, 320);
    TextStyle style;
    style.colour = makeRgb(0, 0, 255);
    EXPECT_EQ(drawLaidOutText(font, hello, 10, 30, style), 1);
    EXPECT_EQ(pixels, plain);
}

TEST_F(DrawTest, TaggedTextDrawsEachPartInItsColour) {
    useTarget(120, 40, black565);
    TextStyle style;
    style.colour = makeRgb(0, 0, 255);
    drawLaidOutText(font, u"[green]II[/]II", 10, 10, style);
    const int32_t split = 10 + 2 * font.charWidth('I');
    size_t greens = 0;
    size_t blues = 0;
    for (int32_t row = 0; row < 40; ++row) {
        for (int32_t column = 0; column < 120; ++column) {
            const Rgb colour = rgbFrom565(pixel(column, row));
            if (colour == 0) continue;
            if (column < split) {
                EXPECT_EQ(colour & 0xFF00FF, 0u) << "green only left of " << split;
                ++greens;
            } else {
                EXPECT_EQ(colour & 0x00FFFF, 0u) << "blue only right of " << split;
                ++blues;
            }
        }
    }
    EXPECT_GT(greens, 10u);
    EXPECT_GT(blues, 10u);
}

TEST_F(DrawTest, EmptyTextDrawsNothing) {
    EXPECT_EQ(drawLaidOutText(font, u"", 10, 10, {}), 1);
    EXPECT_EQ(drawText(font, u"", 10, 10, 0), 1);
    EXPECT_EQ(changedPixels(), 0u);
}

TEST_F(DrawTest, DivisionSignIsABarAndTwoDots) {
    digits.setCellWidth(digits.charWidth('0'));
    TextStyle style;
    style.fixedCells = true;
    const int32_t x = 40;
    const int32_t y = 50;
    drawTextStyled(digits, u"\u0089", x, y, style);
    EXPECT_FALSE(digits.fixedCellMode());

    // Down the middle of the sign: dot, gap, bar, gap, dot.
    const int32_t middle = digits.glyphBuffer()[0].x + (digits.cellWidth(137) >> 1);
    std::vector<int32_t> runs;  // rows where a black run starts or ends
    bool inside = false;
    for (int32_t row = 0; row < 320; ++row) {
        const bool black = pixel(middle, row) == black565;
        if (black != inside) runs.push_back(row);
        inside = black;
    }
    ASSERT_EQ(runs.size(), 6u);
    const int32_t ascent = digits.ascent();  // 45: bar 2 thick, dots of radius 3
    EXPECT_EQ(runs[0], y + (ascent >> 2) - 3);
    EXPECT_EQ(runs[2], y + (ascent >> 1) - 1);
    EXPECT_EQ(runs[3] - runs[2], 2);
    EXPECT_EQ(runs[5], y + (ascent >> 2) + (ascent >> 1) + 4);
    // The bar spans the whole cell.
    const int32_t barRow = runs[2];
    EXPECT_EQ(pixel(digits.glyphBuffer()[0].x, barRow), black565);
    EXPECT_EQ(pixel(digits.glyphBuffer()[0].x + digits.cellWidth(137) - 1, barRow), black565);
    EXPECT_NE(pixel(digits.glyphBuffer()[0].x + digits.cellWidth(137), barRow), black565);
}

TEST_F(DrawTest, SmallDivisionSignUsesTheTableWidth) {
    drawLaidOutText(font, u"\u0089", 10, 20, {});
    const int32_t width = font.charWidth(137);
    const int32_t ascent = font.ascent();  // 13: a one-pixel bar and single-pixel dots
    EXPECT_EQ(changedPixels(), static_cast<size_t>(width + 2));
    for (int32_t column = 10; column < 10 + width; ++column) EXPECT_EQ(pixel(column, 20 + (ascent >> 1)), black565);
    EXPECT_EQ(pixel(10 + (width >> 1), 20 + (ascent >> 2)), black565);
    EXPECT_EQ(pixel(10 + (width >> 1), 20 + (ascent >> 2) + (ascent >> 1)), black565);

    drawDivisionSign(font, 0x189, 100, 100, 0);  // only 137 itself is the sign
    EXPECT_EQ(changedPixels(), static_cast<size_t>(width + 2));
}

TEST_F(DrawTest, UpperCodesKeepABlankOfTheirWidth) {
    drawLaidOutText(font, u"a\u00E9b", 10, 20, {});
    const std::vector<uint16_t> laidOut = pixels;

    useTarget(240, 320);
    drawLaidOutText(font, u"a", 10, 20, {});
    drawLaidOutText(font, u"b", 10 + font.charWidth('a') + 10, 20, {});  // 233 is 1.5 x 7 wide
    EXPECT_EQ(pixels, laidOut);
}

TEST_F(DrawTest, CentredFixedCellNumber) {
    digits.setCellWidth(digits.charWidth('0'));
    TextStyle style;
    style.fixedCells = true;
    style.boxWidth = 200;
    EXPECT_EQ(drawTextStyled(digits, u"1 2", 20, 100, style), 1);
    const int32_t start = 20 + 100 - (digits.textWidth(u"1 2") >> 1);
    const int32_t cell = digits.cellWidth('1');
    EXPECT_EQ(digits.glyphBuffer()[0].x, start + ((cell + 1) >> 1) - (digits.charWidth('1') >> 1));
    EXPECT_EQ(digits.glyphBuffer()[2].x, start + cell + (cell >> 1) + ((cell + 1) >> 1) - (digits.charWidth('2') >> 1));
    EXPECT_GT(changedPixels(), 100u);
}

TEST_F(DrawTest, TextIsLimitedOnlyByTheBufferEdges) {
    useTarget(16, 8);
    drawText(digits, u"WWWW", -20, -10, 0);
    drawLaidOutText(digits, u"W\nW", 10, 4, {});
    EXPECT_GT(changedPixels(), 0u);  // and nothing written outside, which the sanitizer would catch
}

TEST_F(DrawTest, GlyphsAreRasterisedOncePerFont) {
    drawText(font, u"Hello", 0, 20, 0);
    EXPECT_EQ(font.rasterisedGlyphCount(), 4u);
    drawLaidOutText(font, u"hello [red]Hello", 0, 40, {});
    EXPECT_EQ(font.rasterisedGlyphCount(), 6u);  // only "h" and the space are new
    font.clearGlyphCache();
    drawText(font, u"Hello", 0, 60, 0);
    EXPECT_EQ(font.rasterisedGlyphCount(), 10u);
}

TEST_F(DrawTest, OverlongTextDrawsWithoutOverrunningTheBuffer) {
    WString longText;
    for (int i = 0; i < 500; ++i) longText += u"word ";  // 2,500 characters
    TextStyle style;
    style.rightMargin = -100000;
    EXPECT_EQ(drawLaidOutText(font, longText, 0, 20, style), 1);
    EXPECT_EQ(font.glyphCount(), GlyphBufferSize);
    EXPECT_GT(changedPixels(), 0u);
}

TEST_F(DrawTest, CurrentFontVariants) {
    TextStyle style;
    EXPECT_EQ(drawTextCurrent(u"abc", 10, 20, 0), 0);
    EXPECT_EQ(drawTextStyledCurrent(u"abc", 10, 20, style), 0);
    EXPECT_EQ(drawLaidOutCurrent(u"abc", 10, 20, style), 0);
    EXPECT_EQ(changedPixels(), 0u);

    setCurrentFont(&font);
    EXPECT_EQ(drawLaidOutCurrent(u"a\nb", 10, 20, style), 2);
    const std::vector<uint16_t> drawn = pixels;
    useTarget(240, 320);
    drawLaidOutText(font, u"a\nb", 10, 20, style);
    EXPECT_EQ(pixels, drawn);
    EXPECT_EQ(drawTextCurrent(u"abc", 10, 50, 0), 1);
}

TEST_F(DrawTest, WithoutAFaceNothingIsDrawn) {
    platform::pinFontFile("/nonexistent/font.ttf");
    Font missing(u"Verdana", 14);
    EXPECT_EQ(drawText(missing, u"abc", 10, 20, 0), 0);
    EXPECT_EQ(drawLaidOutText(missing, u"abc", 10, 20, {}), 1);
    EXPECT_EQ(changedPixels(), 0u);
}

}  // namespace
