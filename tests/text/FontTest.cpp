// Fonts measured from their width tables, and text drawn into a white target.
#include <tuple>

#include "common/PinnedFontTest.h"
#include "text/Font.h"
#include "text/TextDraw.h"

namespace {

class FontTest : public PinnedFontTest {
protected:
    void SetUp() override { useTarget(240, 320); }
    Font font{u"Verdana", 14};
};

TEST_F(FontTest, MetricsAndWidthsByTheLowByte) {
    ASSERT_TRUE(font.hasFace());
    EXPECT_EQ(std::make_tuple(font.ascent(), font.baselineLift(), font.spaceWidth(), Font(u"Verdana", 48).ascent()),
              std::make_tuple(13, 2, 4, 45));  // the lift is half the descent
    EXPECT_EQ(font.textWidth(u""), 0);
    EXPECT_EQ(font.textWidth(u"ab"), font.charWidth('a') + font.charWidth('b'));
    EXPECT_GT(font.charWidth('m'), font.charWidth('i'));
    EXPECT_EQ(font.textWidth(u"\u0141"), font.textWidth(u"A"));
    for (uint32_t code = 128; code < 256; ++code) ASSERT_EQ(font.charWidth(code), 10) << code;  // average 7 x 1.5

    Font digits(u"Verdana", 48);
    digits.setCellWidth(digits.charWidth('0'));
    EXPECT_EQ(std::make_tuple(digits.cellWidth('7'), digits.cellWidth(' ')), std::make_tuple(31, 15));
    TextStyle fixed;
    fixed.fixedCells = true;
    EXPECT_EQ(digits.styledTextWidth(u"0 0", fixed), 31 + 15 + 31);
    EXPECT_EQ(digits.styledTextWidth(u"0 0", TextStyle{}), digits.textWidth(u"0 0"));
}

TEST_F(FontTest, NoFontFileIsReportedAndHarmless) {
    EXPECT_TRUE(fontsAvailable());
    platform::pinFontFile("/nonexistent/font.ttf");
    EXPECT_FALSE(fontsAvailable());
    EXPECT_EQ(Font::create(u"Verdana", 14), nullptr);
    Font missing(u"Verdana", 14);
    int32_t lines = 0;
    EXPECT_EQ(layoutText(missing, u"abc", 0, 0, {}, lines), 0);
    EXPECT_EQ(drawText(missing, u"abc", 10, 20, 0), 0);
    EXPECT_EQ(drawLaidOutText(missing, u"abc", 10, 20, {}), 1);
    EXPECT_EQ(changedPixels(), 0u);
}

// The current font draws only while it lives; none draws nothing, and neither does an empty text.
TEST_F(FontTest, TheCurrentFontDrawsOnlyWhileItLives) {
    EXPECT_EQ(drawLaidOutCurrent(u"abc", 10, 20, {}), 0);
    EXPECT_EQ(drawLaidOutText(font, u"", 10, 10, {}), 1);
    EXPECT_EQ(changedPixels(), 0u);
    {
        Font current(u"Verdana", 14);
        setCurrentFont(&current);
        setCurrentFont(nullptr);  // ignored
        EXPECT_EQ(currentAscent(), 13);
        EXPECT_EQ(drawLaidOutCurrent(u"a\nb", 10, 20, {}), 2);
        EXPECT_GT(changedPixels(), 0u);
    }
    EXPECT_EQ(currentFont(), nullptr);
}

TEST_F(FontTest, TextLandsInItsBoxInItsColourLaidOutOrNot) {
    useTarget(120, 60, 0);
    EXPECT_EQ(drawText(font, u"Hello", 20, 25, makeRgb(255, 0, 0)), 1);
    size_t solid = 0;
    for (int32_t y = 0; y < 60; ++y) {
        for (int32_t x = 0; x < 120; ++x) {
            const uint16_t p = at(x, y);
            if (p == 0) continue;
            EXPECT_TRUE(x >= 19 && x <= 20 + font.textWidth(u"Hello")) << x;
            EXPECT_TRUE(y >= 25 - font.baselineLift() && y < 25 + font.ascent() + font.baselineLift()) << y;
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
    EXPECT_EQ(drawLaidOutText(font, u"Hello", 20, 25, style), 1);
    EXPECT_EQ(pixels, plain);
}

TEST_F(FontTest, DivisionSignIsABarAndTwoDots) {
    Font digits(u"Verdana", 48);  // ascent 45: a bar 2 thick, dots of radius 3
    digits.setCellWidth(digits.charWidth('0'));
    TextStyle style;
    style.fixedCells = true;
    EXPECT_EQ(drawTextStyled(digits, u"\u0089", 40, 50, style), 1);
    const int32_t left = digits.glyphBuffer()[0].x, width = digits.cellWidth(137);
    std::vector<int32_t> edges;  // rows where a black run starts or ends, down the middle
    for (int32_t y = 1; y < 320; ++y) {
        if ((at(left + width / 2, y) == 0) != (at(left + width / 2, y - 1) == 0)) edges.push_back(y);
    }
    EXPECT_EQ(edges, (std::vector<int32_t>{50 + 11 - 3, 50 + 11 + 4, 50 + 21, 50 + 23, 50 + 33 - 3, 50 + 33 + 4}));
    EXPECT_TRUE(at(left, 50 + 21) == 0 && at(left + width - 1, 50 + 21) == 0) << "the bar spans the cell";
    EXPECT_NE(at(left + width, 50 + 21), 0);
}

TEST_F(FontTest, UpperCodesKeepABlankOfTheirWidth) {
    drawLaidOutText(font, u"a\u00E9b", 10, 20, {});
    const std::vector<uint16_t> laidOut = pixels;
    useTarget(240, 320);
    drawLaidOutText(font, u"a", 10, 20, {});
    drawLaidOutText(font, u"b", 10 + font.charWidth('a') + 10, 20, {});  // 233 is 1.5 x 7 wide
    EXPECT_EQ(pixels, laidOut);
}

TEST_F(FontTest, OnlyTheBufferEdgesLimitText) {
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

}  // namespace
