// Fonts measured from their width tables, text laid out (colour tags, newlines, wrapping, fixed
// cells) and drawn into a white target.
#include <random>
#include <ranges>
#include <tuple>

#include "common/PinnedFontTest.h"
#include "text/Font.h"
#include "text/TextDraw.h"
#include "text/TextLayout.h"

namespace {

constexpr Rgb red = 0x000000FF, magenta = 0x00FF00FF;

class TextTest : public PinnedFontTest {
protected:
    void SetUp() override {
        useTarget(240, 320);
        digits.setCellWidth(digits.charWidth('0'));
    }
    std::vector<GlyphRecord> layOut(const WString& input, const TextStyle& style = {}, int32_t x = 0) {
        EXPECT_EQ(layoutText(font, input, x, 0, style, lines), static_cast<int32_t>(input.size()));
        return {font.glyphBuffer(), font.glyphBuffer() + font.glyphCount()};
    }
    // A style whose lines end limit pixels from the left of the 240-pixel target.
    static TextStyle lineOf(int32_t limit) { return {.rightMargin = 240 - limit}; }
    static WString codes(const std::vector<GlyphRecord>& records) {
        const auto view = records | std::views::transform(&GlyphRecord::code);
        return {view.begin(), view.end()};
    }

    Font font{u"Verdana", 14}, digits{u"Verdana", 48};
    const TextStyle fixed{.fixedCells = true};
    int32_t lines = 0;
};

// Widths come from a 256-entry table indexed by the code's low byte; codes 128-255 have none of
// their own and take one and a half average widths. In fixed cells a space takes half a cell.
TEST_F(TextTest, MetricsAndWidthsByTheLowByte) {
    ASSERT_TRUE(font.hasFace());
    EXPECT_EQ(std::tuple(font.ascent(), font.baselineLift(), font.spaceWidth(), digits.ascent()),
              std::tuple(13, 2, 4, 45));  // the lift is half the descent
    EXPECT_EQ(font.textWidth(u"ab"), font.charWidth('a') + font.charWidth('b'));
    EXPECT_GT(font.charWidth('m'), font.charWidth('i'));
    EXPECT_EQ(font.textWidth(u"\u0141"), font.textWidth(u"A"));
    for (uint32_t code = 128; code < 256; ++code) ASSERT_EQ(font.charWidth(code), 10) << code;  // average 7 x 1.5
    EXPECT_EQ(digits.styledTextWidth(u"0 0", fixed), 31 + 15 + 31);
    EXPECT_EQ(digits.styledTextWidth(u"0 0", TextStyle{}), digits.textWidth(u"0 0"));
}

TEST_F(TextTest, NoFontFileIsReportedAndHarmless) {
    EXPECT_TRUE(fontsAvailable());
    platform::pinFontFile("/nonexistent/font.ttf");
    EXPECT_FALSE(fontsAvailable());
    EXPECT_EQ(Font::create(u"Verdana", 14), nullptr);
    Font missing(u"Verdana", 14);
    int32_t lines = 0;
    EXPECT_EQ(std::tuple(layoutText(missing, u"abc", 0, 0, {}, lines), drawText(missing, u"abc", 10, 20, 0),
                         drawLaidOutText(missing, u"abc", 10, 20, {})),
              std::tuple(0, 0, 1));
    EXPECT_EQ(changedPixels(), 0u);
}

// The current font draws only while it lives; none draws nothing, and neither does an empty text.
TEST_F(TextTest, TheCurrentFontDrawsOnlyWhileItLives) {
    EXPECT_EQ(std::tuple(drawLaidOutCurrent(u"abc", 10, 20, {}), drawLaidOutText(font, u"", 10, 10, {})),
              std::tuple(0, 1));
    EXPECT_EQ(changedPixels(), 0u);
    {
        Font current(u"Verdana", 14);
        setCurrentFont(&current);
        setCurrentFont(nullptr);  // ignored
        EXPECT_EQ(std::tuple(currentAscent(), drawLaidOutCurrent(u"a\nb", 10, 20, {})), std::tuple(13, 2));
        EXPECT_GT(changedPixels(), 0u);
    }
    EXPECT_EQ(currentFont(), nullptr);
}

// Text lands in its box in its colour, anti-aliased over the background; laid out, plain ASCII text
// gives exactly the same pixels, and a code above 127 leaves a blank of its width.
TEST_F(TextTest, TextLandsInItsBoxInItsColourLaidOutOrNot) {
    constexpr int32_t edgeSpill = 1;          // an anti-aliased edge may reach one pixel left of the pen
    constexpr size_t fewestSolidPixels = 20;  // the stems; the edges are blends
    useTarget(120, 60, 0);
    EXPECT_EQ(drawText(font, u"Hello", 20, 25, makeRgb(255, 0, 0)), 1);
    size_t solid = 0;
    for (int32_t y = 0; y < 60; ++y) {
        for (int32_t x = 0; x < 120; ++x) {
            if (at(x, y) == 0) continue;
            EXPECT_TRUE(x >= 20 - edgeSpill && x <= 20 + font.textWidth(u"Hello")) << x;
            EXPECT_TRUE(y >= 25 - font.baselineLift() && y < 25 + font.ascent() + font.baselineLift()) << y;
            EXPECT_EQ(at(x, y) & 0x07FF, 0) << "only red is blended in";
            solid += at(x, y) == 0xF800;
        }
    }
    EXPECT_GT(solid, fewestSolidPixels);
    const std::vector<uint16_t> plain(pixels.begin(), pixels.end());
    useTarget(120, 60, 0);
    EXPECT_EQ(drawLaidOutText(font, u"Hello", 20, 25, TextStyle{.colour = makeRgb(255, 0, 0)}), 1);
    EXPECT_TRUE(std::ranges::equal(pixels, plain));
    useTarget(120, 60);
    drawLaidOutText(font, u"a\u00E9b", 10, 5, {});
    const std::vector<uint16_t> upper(pixels.begin(), pixels.end());
    useTarget(120, 60);
    drawLaidOutText(font, u"a", 10, 5, {});
    drawLaidOutText(font, u"b", 10 + font.charWidth('a') + 10, 5, {});  // 233 is 1.5 x 7 wide
    EXPECT_TRUE(std::ranges::equal(pixels, upper));
}

TEST_F(TextTest, DivisionSignIsABarAndTwoDots) {
    EXPECT_EQ(drawTextStyled(digits, u"\u0089", 40, 50, fixed), 1);  // ascent 45: a bar 2 thick, dots of radius 3
    const int32_t left = digits.glyphBuffer()[0].x, width = digits.cellWidth(DivisionSignCode);
    std::vector<int32_t> edges;  // rows where a black run starts or ends, down the middle
    for (int32_t y = 1; y < 320; ++y) {
        if ((at(left + width / 2, y) == 0) != (at(left + width / 2, y - 1) == 0)) edges.push_back(y);
    }
    EXPECT_EQ(edges, (std::vector<int32_t>{50 + 11 - 3, 50 + 11 + 4, 50 + 21, 50 + 23, 50 + 33 - 3, 50 + 33 + 4}));
    EXPECT_TRUE(at(left, 50 + 21) == 0 && at(left + width - 1, 50 + 21) == 0) << "the bar spans the cell";
    EXPECT_NE(at(left + width, 50 + 21), 0);
}

// Text far outside, longer than the glyph buffer or with no room for a line is cut, never written
// past the target (its guards) or the buffer (the sanitizer).
TEST_F(TextTest, OnlyTheBufferEdgesLimitText) {
    useTarget(16, 8);
    drawText(digits, u"WWWW", -20, -10, 0);
    drawLaidOutText(digits, u"W\nW", 10, 4, {});
    drawLaidOutText(font, WString(2500, u'x'), -9000, 0, TextStyle{.rightMargin = -100000});
    EXPECT_EQ(font.glyphCount(), GlyphBufferSize);
    EXPECT_GT(changedPixels(), 0u);
}

// Tags take no room: a known one sets the colour until "[/]" brings back the base, an unknown one is
// swallowed (exact case; an unclosed "[" eats the rest); with markup off they are plain text.
TEST_F(TextTest, ColourTags) {
    TextStyle style{.colour = magenta};
    const auto records = layOut(u"[red]A[/]B[blue]C[Red]D[green", style, 5);
    EXPECT_EQ(codes(records), u"ABCD");
    EXPECT_EQ(std::tuple(records[0].colour, records[1].colour, records[2].colour, records[3].colour),
              std::tuple(red, magenta, magenta, magenta));
    EXPECT_EQ(std::tuple(records[0].advance, records[1].x),
              std::tuple(font.charWidth('A') + 1, 5 + font.charWidth('A')));
    style.markup = false;
    EXPECT_EQ(codes(layOut(u"[red]", style)), u"[red]");
}

TEST_F(TextTest, NewlinesStartLinesAtTheLeftUntilTheBottom) {
    EXPECT_EQ(codes(layOut(u"abc\n")), u"abc");
    EXPECT_EQ(lines, 1);  // a closing newline adds no line
    auto records = layOut(u"a\nb", {}, 3);
    EXPECT_EQ(lines, 2);
    EXPECT_TRUE(records[1].x == 3 && records[1].y == font.ascent());
    useTarget(240, 20);  // lines start at 0 and 13; the one at 26 is below the bottom
    EXPECT_EQ(codes(layOut(u"a\nb\nc\nd")), u"ab");
    EXPECT_EQ(lines, 3);
}

// Words move down whole from the last break that fits; a word with no break in the line splits at
// the first letter that does not fit; and a wrap never goes back to a line before a newline.
TEST_F(TextTest, WrapAtTheLastBreakThatFits) {
    const int32_t limit = font.textWidth(u"aaa bbb ") + font.charWidth('c') - 1;
    auto records = layOut(u"aaa bbb ccc", lineOf(limit));
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(codes(records), u"aaa bbb ccc");
    EXPECT_TRUE(records[7].y == 0 && records[8].x == 0 && records[8].y == font.ascent());

    records = layOut(u"aaabbbccc", lineOf(limit));
    EXPECT_EQ(lines, 2);
    size_t split = 0;
    while (records[split].y == 0) ++split;
    const int32_t end = records[split - 1].x + font.charWidth(records[split - 1].code);
    EXPECT_TRUE(end <= limit && end + font.charWidth(records[split].code) > limit && records[split].x == 0);

    const WString longWord(30, u'w');
    records = layOut(u"ab cd\n" + longWord, lineOf(60));
    EXPECT_EQ(codes(records), u"ab cd" + longWord);
    EXPECT_TRUE(records[4].y == 0 && records[5].x == 0 && records[5].y == font.ascent());
    EXPECT_EQ(records[5 + 60 / font.charWidth('w')].y, 2 * font.ascent());
}

TEST_F(TextTest, AMovedWordKeepsItsColours) {
    const auto records = layOut(u"aa b[red]b", lineOf(font.textWidth(u"aa bb") - 1));
    ASSERT_EQ(codes(records), u"aa bb");
    EXPECT_EQ(records[3].y, font.ascent());
    EXPECT_TRUE(records[3].colour == 0 && records[4].colour == red);  // though the tag was read before the wrap
}

TEST_F(TextTest, FixedCellsCentreEachGlyph) {
    font.setCellWidth(9);
    font.setFixedCellMode(true);
    const auto records = layOut(u"1 1", {}, 10);
    ASSERT_EQ(records.size(), 3u);
    const int32_t centring = 5 - (font.charWidth('1') >> 1);
    EXPECT_EQ(std::tuple(records[0].x, records[1].advance, records[2].x),
              std::tuple(10 + centring, 4 + 1, 10 + 9 + 4 + centring));
}

// Wrapping may move characters but never loses, repeats or reorders one, and only a line's first
// character may stick out past the limit.
TEST_F(TextTest, RandomTextsKeepEveryCharacter) {
    useTarget(240, 4000);
    std::mt19937 random(2024);
    const WString pieces[] = {u"a", u"m", u"W", u" ", u"(", u")", u"-", u"[red]", u"[/]", u"\n"};
    for (int round = 0; round < 300; ++round) {
        WString input, expected;
        for (int i = 1 + static_cast<int>(random() % 60); i > 0; --i) {
            const WString& piece = pieces[random() % std::size(pieces)];
            input += piece;
            if (piece.size() == 1 && piece != u"\n") expected += piece;
        }
        const int32_t limit = 20 + static_cast<int32_t>(random() % 120);
        const auto records = layOut(input, lineOf(limit));
        ASSERT_EQ(codes(records), expected) << round;
        for (size_t i = 0; i < records.size(); ++i) {
            const GlyphRecord& record = records[i];
            EXPECT_TRUE(record.x == 0 || record.x + font.charWidth(record.code) <= limit) << round;
            const bool sameLine = i > 0 && record.y == records[i - 1].y;
            EXPECT_TRUE(!sameLine || record.x == records[i - 1].x + records[i - 1].advance - 1) << round;
        }
    }
}

}  // namespace
