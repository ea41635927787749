#include <random>

#include "TextFixture.h"
#include "text/TextLayout.h"

namespace {

constexpr Rgb red = 0x000000FF;
constexpr Rgb blue = 0x00FF0000;
constexpr Rgb magenta = 0x00FF00FF;

class LayoutTest : public TextTest {
protected:
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

    Font font{u"Verdana", 14};
    int32_t lines = 0;
};

TEST_F(LayoutTest, ColourTags) {
    auto records = layOut(u"[red]A[/]B", {}, 5);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].colour, red);
    EXPECT_EQ(records[1].colour, 0u);
    EXPECT_EQ(records[1].x, 5 + font.charWidth('A'));  // the tags take no room
    EXPECT_EQ(records[0].advance, font.charWidth('A') + 1);

    TextStyle style;
    style.colour = magenta;
    EXPECT_EQ(layOut(u"[blue]A", style)[0].colour, magenta);  // unknown tags are swallowed
    EXPECT_EQ(codes(layOut(u"ab[Red]c[green")), u"abc");      // exact case; "[" eats the rest
    style.markup = false;
    style.lowerCase = true;
    EXPECT_EQ(codes(layOut(u"[RED]", style)), u"[red]");
}

TEST_F(LayoutTest, Newlines) {
    EXPECT_EQ(codes(layOut(u"abc\n")), u"abc");
    EXPECT_EQ(lines, 1);
    auto records = layOut(u"a\nb", {}, 3);
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(records[1].x, 3);
    EXPECT_EQ(records[1].y, font.ascent());

    useTarget(240, 20);  // lines start at 0 and 13; the one at 26 is below the bottom
    EXPECT_EQ(codes(layOut(u"a\nb\nc\nd")), u"ab");
    EXPECT_EQ(lines, 3);
}

TEST_F(LayoutTest, BracketColoursByDepth) {
    TextStyle style;
    style.bracketColours = true;
    style.colour = red;
    const Rgb nested[] = {blue, magenta, red, magenta, blue};
    const auto records = layOut(u"((x))", style);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(records[i].colour, nested[i]) << i;
    EXPECT_EQ(layOut(u"(((", style)[2].colour, 0x0000FF00u);
    EXPECT_EQ(layOut(u")(", style)[1].colour, red);  // outside any pair: the running colour
}

TEST_F(LayoutTest, ThreeWordsWrapAtTheLastBreakThatFits) {
    const int32_t limit = font.textWidth(u"aaa bbb ") + font.charWidth('c') - 1;
    auto records = layOut(u"aaa bbb ccc", lineOf(limit));
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(codes(records), u"aaa bbb ccc");
    EXPECT_EQ(records[7].y, 0);
    EXPECT_EQ(records[8].x, 0);
    EXPECT_EQ(records[8].y, font.ascent());

    // Without spaces the word breaks at the first letter that does not fit.
    records = layOut(u"aaabbbccc", lineOf(limit));
    EXPECT_EQ(lines, 2);
    size_t split = 0;
    while (records[split].y == 0) ++split;
    EXPECT_LE(records[split - 1].x + font.charWidth(records[split - 1].code), limit);
    EXPECT_GT(records[split - 1].x + font.charWidth(records[split - 1].code) + font.charWidth(records[split].code),
              limit);
    EXPECT_EQ(records[split].x, 0);
}

TEST_F(LayoutTest, WrapNeverGoesBackToAnEarlierLine) {
    const WString longWord(30, u'w');
    const auto records = layOut(u"ab cd\n" + longWord, lineOf(60));
    EXPECT_EQ(codes(records), u"ab cd" + longWord);
    EXPECT_EQ(records[4].y, 0);
    EXPECT_EQ(records[5].x, 0);
    EXPECT_EQ(records[5].y, font.ascent());
    const size_t perLine = 60 / font.charWidth('w');
    EXPECT_EQ(records[5 + perLine].y, 2 * font.ascent());
}

TEST_F(LayoutTest, MovedWordKeepsItsColours) {
    TextStyle style = lineOf(font.textWidth(u"aa bb(") - 1);  // the bracket overflows
    style.bracketColours = true;
    const auto records = layOut(u"aa b[red]b(", style);
    ASSERT_EQ(codes(records), u"aa bb(");
    EXPECT_EQ(records[3].y, font.ascent());
    EXPECT_EQ(records[3].colour, 0u);  // before the tag, even though the tag was read before the wrap
    EXPECT_EQ(records[4].colour, red);
    EXPECT_EQ(records[5].colour, blue);  // the bracket is counted once
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
        WString input;
        WString expected;
        for (int i = 1 + static_cast<int>(random() % 60); i > 0; --i) {
            const WString& piece = pieces[random() % std::size(pieces)];
            input += piece;
            if (piece.size() == 1 && piece != u"\n") expected += piece;
        }
        const int32_t limit = 20 + static_cast<int32_t>(random() % 120);
        TextStyle style = lineOf(limit);
        style.bracketColours = true;
        const auto records = layOut(input, style);
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
