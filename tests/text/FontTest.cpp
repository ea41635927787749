#include "TextFixture.h"
#include "text/TextDraw.h"

namespace {

using FontTest = TextTest;

TEST_F(FontTest, MetricsAndWidths) {
    Font font(u"Verdana", 14);
    ASSERT_TRUE(font.hasFace());
    EXPECT_EQ(font.ascent(), 13);
    EXPECT_EQ(font.baselineLift(), 2);  // descent 4, halved
    EXPECT_EQ(font.spaceWidth(), 4);
    EXPECT_EQ(Font(u"Verdana", 48).ascent(), 45);

    EXPECT_EQ(font.textWidth(u""), 0);
    EXPECT_EQ(font.textWidth(u"a"), font.charWidth('a'));
    EXPECT_EQ(font.textWidth(u"ab"), font.charWidth('a') + font.charWidth('b'));
    EXPECT_GT(font.charWidth('m'), font.charWidth('i'));
    EXPECT_EQ(font.textWidth(u"\u0141"), font.textWidth(u"A"));  // measured by the low byte
    for (uint32_t code = 128; code < 256; ++code) ASSERT_EQ(font.charWidth(code), 10) << code;  // average 7 x 1.5
}

TEST_F(FontTest, FixedCells) {
    Font font(u"Verdana", 48);
    font.setCellWidth(font.charWidth('0'));
    EXPECT_EQ(font.cellWidth('7'), 31);
    EXPECT_EQ(font.cellWidth(' '), 15);  // half, rounded down
    TextStyle fixed;
    fixed.fixedCells = true;
    EXPECT_EQ(font.styledTextWidth(u"0 0", fixed), 31 + 15 + 31);
    EXPECT_EQ(font.styledTextWidth(u"0 0", TextStyle{}), font.textWidth(u"0 0"));
}

TEST_F(FontTest, ADestroyedFontDoesNotStayCurrent) {
    EXPECT_EQ(currentAscent(), 0);
    {
        Font font(u"Verdana", 14);
        setCurrentFont(&font);
        setCurrentFont(nullptr);  // ignored
        ASSERT_EQ(currentAscent(), 13);
    }
    EXPECT_EQ(currentFont(), nullptr);
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

}  // namespace
