#include "TextFixture.h"
#include "render/Colour.h"
#include "text/TextDraw.h"

namespace {

class DrawTest : public TextTest {
protected:
    Font font{u"Verdana", 14};
};

TEST_F(DrawTest, TextLandsInItsBoxInItsColour) {
    useTarget(120, 60, 0);
    const int32_t x = 20;
    const int32_t y = 25;
    EXPECT_EQ(drawText(font, u"Hello", x, y, makeRgb(255, 0, 0)), 1);
    size_t solid = 0;
    for (int32_t row = 0; row < 60; ++row) {
        for (int32_t column = 0; column < 120; ++column) {
            const uint16_t p = pixel(column, row);
            if (p == 0) continue;
            EXPECT_TRUE(column >= x - 1 && column <= x + font.textWidth(u"Hello")) << column;
            EXPECT_TRUE(row >= y - font.baselineLift() && row < y + font.ascent() + font.baselineLift()) << row;
            EXPECT_EQ(p & 0x07FF, 0) << "only red is blended in";
            solid += p == 0xF800;
        }
    }
    EXPECT_GT(solid, 20u);  // solid stems, anti-aliased edges

    // Laid out, plain ASCII text gives exactly the same pixels.
    const std::vector<uint16_t> plain = pixels;
    useTarget(120, 60, 0);
    TextStyle style;
    style.colour = makeRgb(255, 0, 0);
    EXPECT_EQ(drawLaidOutText(font, u"Hello", x, y, style), 1);
    EXPECT_EQ(pixels, plain);
}

TEST_F(DrawTest, EmptyTextDrawsNothing) {
    EXPECT_EQ(drawLaidOutText(font, u"", 10, 10, {}), 1);
    EXPECT_EQ(changedPixels(), 0u);
}

TEST_F(DrawTest, DivisionSignIsABarAndTwoDots) {
    Font digits(u"Verdana", 48);  // ascent 45: a bar 2 thick, dots of radius 3
    digits.setCellWidth(digits.charWidth('0'));
    TextStyle style;
    style.fixedCells = true;
    EXPECT_EQ(drawTextStyled(digits, u"\u0089", 40, 50, style), 1);
    const int32_t left = digits.glyphBuffer()[0].x;
    const int32_t middle = left + (digits.cellWidth(137) >> 1);
    std::vector<int32_t> edges;  // rows where a black run starts or ends, down the middle
    for (int32_t row = 1; row < 320; ++row) {
        if ((pixel(middle, row) == 0) != (pixel(middle, row - 1) == 0)) edges.push_back(row);
    }
    EXPECT_EQ(edges, (std::vector<int32_t>{50 + 11 - 3, 50 + 11 + 4, 50 + 21, 50 + 23, 50 + 33 - 3, 50 + 33 + 4}));
    EXPECT_EQ(pixel(left, 50 + 21), 0);  // the bar spans the cell
    EXPECT_EQ(pixel(left + digits.cellWidth(137) - 1, 50 + 21), 0);
    EXPECT_NE(pixel(left + digits.cellWidth(137), 50 + 21), 0);
}

TEST_F(DrawTest, UpperCodesKeepABlankOfTheirWidth) {
    drawLaidOutText(font, u"a\u00E9b", 10, 20, {});
    const std::vector<uint16_t> laidOut = pixels;
    useTarget(240, 320);
    drawLaidOutText(font, u"a", 10, 20, {});
    drawLaidOutText(font, u"b", 10 + font.charWidth('a') + 10, 20, {});  // 233 is 1.5 x 7 wide
    EXPECT_EQ(pixels, laidOut);
}

TEST_F(DrawTest, OnlyTheBufferEdgesLimitText) {
    useTarget(16, 8);
    Font digits(u"Verdana", 48);
    drawText(digits, u"WWWW", -20, -10, 0);
    drawLaidOutText(digits, u"W\nW", 10, 4, {});
    TextStyle oneLine;
    oneLine.rightMargin = -100000;
    drawLaidOutText(font, WString(2500, u'x'), -9000, 0, oneLine);
    EXPECT_EQ(font.glyphCount(), GlyphBufferSize);
    EXPECT_GT(changedPixels(), 0u);  // and nothing outside, which the sanitizer would catch
}

TEST_F(DrawTest, CurrentFontVariants) {
    EXPECT_EQ(drawLaidOutCurrent(u"abc", 10, 20, {}), 0);
    EXPECT_EQ(changedPixels(), 0u);
    setCurrentFont(&font);
    EXPECT_EQ(drawLaidOutCurrent(u"a\nb", 10, 20, {}), 2);
    EXPECT_GT(changedPixels(), 0u);
}

}  // namespace
