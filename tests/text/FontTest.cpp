#include "TextFixture.h"

namespace {

using FontTest = TextTest;

TEST_F(FontTest, MetricsOfThePinnedFace) {
    Font font(u"Verdana", 14);
    ASSERT_TRUE(font.hasFace());
    EXPECT_EQ(font.ascent(), 13);
    EXPECT_EQ(font.baselineLift(), 2);  // descent 4, halved
    EXPECT_EQ(font.spaceWidth(), font.charWidth(' '));
    EXPECT_EQ(font.spaceWidth(), 4);

    Font digits(u"Verdana", 48);
    EXPECT_EQ(digits.ascent(), 45);
    EXPECT_EQ(digits.baselineLift(), 6);
}

TEST_F(FontTest, TextWidthFollowsTheTable) {
    Font font(u"Verdana", 14);
    EXPECT_EQ(font.textWidth(u""), 0);
    EXPECT_EQ(font.textWidth(u"a"), font.charWidth('a'));
    EXPECT_EQ(font.textWidth(u"ab"), font.charWidth('a') + font.charWidth('b'));
    EXPECT_GT(font.charWidth('m'), font.charWidth('i'));  // proportional, not fixed
    // Above 255 a character measures as its low byte: a Polish L is as wide as "A".
    EXPECT_EQ(font.charWidth(0x141), font.charWidth('A'));
    EXPECT_EQ(font.textWidth(u"\u0141"), font.textWidth(u"A"));
}

TEST_F(FontTest, UpperHalfOfTheTableIsOneAndAHalfAverageWidths) {
    for (int32_t height : {14, 48}) {
        Font font(u"Verdana", height);
        platform::FontFace* face = platform::openFont(u"Verdana", height);
        const int32_t average = platform::fontMetrics(face).averageWidth;
        platform::closeFont(face);
        ASSERT_GT(average, 0);
        for (uint32_t code = 128; code < 256; ++code) EXPECT_EQ(font.charWidth(code), average + average / 2) << code;
        EXPECT_EQ(font.charWidth(0x1E9), average + average / 2);
    }
    EXPECT_EQ(Font(u"Verdana", 14).charWidth(233), 10);  // average 7
}

TEST_F(FontTest, CellWidthHalvesOnlyTheSpace) {
    Font font(u"Verdana", 48);
    EXPECT_EQ(font.cellWidth('0'), 0);  // no cell until one is set
    font.setCellWidth(font.charWidth('0'));
    EXPECT_EQ(font.cellWidth('0'), 31);
    EXPECT_EQ(font.cellWidth('7'), 31);
    EXPECT_EQ(font.cellWidth(' '), 15);  // rounded down
    EXPECT_EQ(font.cellWidth(0x120), 15);

    TextStyle fixed;
    fixed.fixedCells = true;
    EXPECT_EQ(font.styledTextWidth(u"0 0", fixed), 31 + 15 + 31);
    EXPECT_EQ(font.styledTextWidth(u"", fixed), 0);
    EXPECT_EQ(font.styledTextWidth(u"0 0", TextStyle{}), font.textWidth(u"0 0"));
}

TEST_F(FontTest, CurrentFontAndLineMultiples) {
    EXPECT_EQ(currentFont(), nullptr);
    EXPECT_EQ(currentAscent(), 0);
    EXPECT_EQ(currentSpaceWidth(), 0);
    EXPECT_EQ(lineMultiple(1, 1), 0);

    Font font(u"Verdana", 14);  // ascent 13
    setCurrentFont(&font);
    setCurrentFont(nullptr);  // ignored
    ASSERT_EQ(currentFont(), &font);
    EXPECT_EQ(currentAscent(), 13);
    EXPECT_EQ(currentSpaceWidth(), 4);
    EXPECT_EQ(lineMultiple(1, 1), 19);
    EXPECT_EQ(lineMultiple(2, 0), 26);
    EXPECT_EQ(lineMultiple(3, 0), 52);
    EXPECT_EQ(lineMultiple(0, 1), 6);
    EXPECT_EQ(lineMultiple(0, 0), 0);
    EXPECT_EQ(lineMultiple(-1, 0), -13);
    EXPECT_EQ(lineMultiple(0, -1), -7);  // arithmetic shift rounds down
    EXPECT_EQ(lineMultiple(1, -2), 13 - 4);
    EXPECT_EQ(lineMultiple(40, 0), INT32_MAX);  // saturates rather than overflowing
    EXPECT_EQ(lineMultiple(0, 40), 0);
}

TEST_F(FontTest, DestroyingTheCurrentFontLeavesNoneCurrent) {
    {
        Font font(u"Verdana", 14);
        setCurrentFont(&font);
    }
    EXPECT_EQ(currentFont(), nullptr);
    EXPECT_EQ(currentAscent(), 0);
}

TEST_F(FontTest, MissingFontFileIsReportedAndHarmless) {
    EXPECT_TRUE(fontsAvailable());
    platform::pinFontFile("/nonexistent/font.ttf");
    EXPECT_FALSE(fontsAvailable());
    EXPECT_EQ(Font::create(u"Verdana", 14), nullptr);

    Font font(u"Verdana", 14);
    EXPECT_FALSE(font.hasFace());
    EXPECT_EQ(font.glyphBuffer(), nullptr);
    EXPECT_EQ(font.textWidth(u"abc"), 0);
}

// The game's own path: fontconfig's answer for "Verdana" (DejaVu Sans where Verdana is absent).
TEST_F(FontTest, SystemLookupFindsAFace) {
    platform::pinFontFile("");
    EXPECT_TRUE(fontsAvailable());
    Font font(u"Verdana", 14);
    ASSERT_TRUE(font.hasFace());
    EXPECT_GT(font.ascent(), 8);
    EXPECT_GT(font.charWidth('a'), 0);
}

TEST_F(FontTest, CreateGivesAUsableFont) {
    const auto font = Font::create(u"Verdana", 14);
    ASSERT_NE(font, nullptr);
    EXPECT_NE(font->glyphBuffer(), nullptr);
    EXPECT_EQ(font->glyphCount(), 0);
    EXPECT_FALSE(font->fixedCellMode());
}

}  // namespace
