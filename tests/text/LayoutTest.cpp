// Laying text out: colour tags, newlines, wrapping and fixed cells.
#include <random>

#include "common/PinnedFontTest.h"
#include "text/Font.h"
#include "text/TextLayout.h"

namespace {

constexpr Rgb red = 0x000000FF, magenta = 0x00FF00FF;

class LayoutTest : public PinnedFontTest {
protected:
    void SetUp() override { useTarget(240, 320); }
    std::vector<GlyphRecord> layOut(const WString& input, const TextStyle& style = {}, int32_t x = 0) {
        EXPECT_EQ(layoutText(font, input, x, 0, style, lines), static_cast<int32_t>(input.size()));
        return {font.glyphBuffer(), font.glyphBuffer() + font.glyphCount()};
    }
    // A style whose lines end limit pixels from the left of the 240-pixel target.
    static TextStyle lineOf(int32_t limit) {
        TextStyle style;
        style.rightMargin = 240 - limit;
        return style;
    }
    static WString codes(const std::vector<GlyphRecord>& records) {
        WString out;
        for (const GlyphRecord& record : records) out.push_back(record.code);
        return out;
    }
    static std::vector<Rgb> colours(const std::vector<GlyphRecord>& records) {
        std::vector<Rgb> out;
        for (const GlyphRecord& record : records) out.push_back(record.colour);
        return out;
    }

    Font font{u"Verdana", 14};
    int32_t lines = 0;
};

// Tags take no room: a known one sets the colour until "[/]" brings back the base, an unknown one is
// swallowed (exact case; an unclosed "[" eats the rest); with markup off they are plain text.
TEST_F(LayoutTest, ColourTags) {
    TextStyle style;
    style.colour = magenta;
    const auto records = layOut(u"[red]A[/]B[blue]C[Red]D[green", style, 5);
    EXPECT_EQ(codes(records), u"ABCD");
    EXPECT_EQ(colours(records), (std::vector<Rgb>{red, magenta, magenta, magenta}));
    EXPECT_EQ(records[0].advance, font.charWidth('A') + 1);
    EXPECT_EQ(records[1].x, 5 + font.charWidth('A'));
    style.markup = false;
    EXPECT_EQ(codes(layOut(u"[red]", style)), u"[red]");
}

TEST_F(LayoutTest, NewlinesStartLinesAtTheLeftUntilTheBottom) {
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
TEST_F(LayoutTest, WrapAtTheLastBreakThatFits) {
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

TEST_F(LayoutTest, AMovedWordKeepsItsColours) {
    const auto records = layOut(u"aa b[red]b", lineOf(font.textWidth(u"aa bb") - 1));
    ASSERT_EQ(codes(records), u"aa bb");
    EXPECT_EQ(records[3].y, font.ascent());
    EXPECT_EQ(colours(records), (std::vector<Rgb>{0, 0, 0, 0, red}));  // though the tag was read before the wrap
}

TEST_F(LayoutTest, FixedCellsCentreEachGlyph) {
    font.setCellWidth(9);
    font.setFixedCellMode(true);
    const auto records = layOut(u"1 1", {}, 10);
    ASSERT_EQ(records.size(), 3u);
    const int32_t centring = 5 - (font.charWidth('1') >> 1);
    EXPECT_EQ(records[0].x, 10 + centring);
    EXPECT_EQ(records[1].advance, 4 + 1);
    EXPECT_EQ(records[2].x, 10 + 9 + 4 + centring);
}

// Wrapping may move characters but never loses, repeats or reorders one, and only a line's first
// character may stick out past the limit.
TEST_F(LayoutTest, RandomTextsKeepEveryCharacter) {
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
