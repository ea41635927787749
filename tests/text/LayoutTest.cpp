#include <random>
#include <string>

#include "TextFixture.h"
#include "text/TextLayout.h"

namespace {

constexpr Rgb black = 0x00000000;
constexpr Rgb red = 0x000000FF;
constexpr Rgb blue = 0x00FF0000;
constexpr Rgb magenta = 0x00FF00FF;

class LayoutTest : public TextTest {
protected:
    // Lays text out at (x, y) and returns the records.
    std::vector<GlyphRecord> layOut(const WString& input, const TextStyle& style = {}, int32_t x = 0, int32_t y = 0) {
        lines = 0;
        EXPECT_EQ(layoutText(font, input, x, y, style, lines), static_cast<int32_t>(input.size()));
        return {font.glyphBuffer(), font.glyphBuffer() + font.glyphCount()};
    }
    // A style whose lines end limit pixels from the left of the 240-pixel target.
    static TextStyle lineOf(int32_t limit) {
        TextStyle style;
        style.rightMargin = 240 - limit;
        return style;
    }
    static std::u16string codes(const std::vector<GlyphRecord>& records) {
        std::u16string out;
        for (const GlyphRecord& record : records) out.push_back(record.code);
        return out;
    }

    Font font{u"Verdana", 14};
    int32_t lines = 0;
};

TEST_F(LayoutTest, ColourTagsTakeNoRoom) {
    const auto records = layOut(u"[red]A[/]B", {}, 5, 7);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].code, u'A');
    EXPECT_EQ(records[0].colour, red);
    EXPECT_EQ(records[0].x, 5);
    EXPECT_EQ(records[0].y, 7);
    EXPECT_EQ(records[0].advance, font.charWidth('A') + 1);
    EXPECT_EQ(records[1].code, u'B');
    EXPECT_EQ(records[1].colour, black);
    EXPECT_EQ(records[1].x, 5 + font.charWidth('A'));
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(font.glyphBuffer()[2].code, 0);  // the end mark
}

TEST_F(LayoutTest, UnknownAndUnclosedTagsAreSwallowed) {
    TextStyle style;
    style.colour = red;
    auto records = layOut(u"[blue]A", style);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].colour, red);

    EXPECT_EQ(codes(layOut(u"ab[Red]c[green")), u"abc");  // case matters; "[" without "]" takes the rest
    EXPECT_EQ(layOut(u"[green]x")[0].colour, 0x0000FF00u);
}

TEST_F(LayoutTest, MarkupOffLaysTagsOutAsText) {
    TextStyle style;
    style.markup = false;
    EXPECT_EQ(codes(layOut(u"[red]", style)), u"[red]");
}

TEST_F(LayoutTest, ColourTagTable) {
    const std::pair<const char16_t*, Rgb> table[] = {
        {u"[green]", 0x0000FF00}, {u"[yellow]", 0x0000FFFF}, {u"[red]", 0x000000FF},       {u"[magenta]", 0x00FF00FF},
        {u"[white]", 0x00FFFFFF}, {u"[gray]", 0x007D7D7D},   {u"[lightgray]", 0x00C8C8C8},
    };
    for (const auto& [tag, expected] : table) {
        Rgb colour = 1;
        EXPECT_TRUE(parseColourTag(tag, 0x123456, colour));
        EXPECT_EQ(colour, expected);
    }
    Rgb colour = 1;
    EXPECT_TRUE(parseColourTag(u"[/]", 0x123456, colour));
    EXPECT_EQ(colour, 0x123456u);
    for (const char16_t* unknown : {u"[Green]", u"[green", u"green", u"[ red]", u""}) {
        EXPECT_FALSE(parseColourTag(unknown, 0x123456, colour));
        EXPECT_EQ(colour, 0x123456u);
    }
}

TEST_F(LayoutTest, Newlines) {
    auto records = layOut(u"abc\n", {}, 3, 4);
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(codes(records), u"abc");

    records = layOut(u"a\nb", {}, 3, 4);
    EXPECT_EQ(lines, 2);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].x, 3);
    EXPECT_EQ(records[1].y, 4 + font.ascent());

    TextStyle spaced;
    spaced.lineSpacing = 5;
    records = layOut(u"a\n\nb", spaced);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(records[1].y, 2 * (font.ascent() + 5));
}

TEST_F(LayoutTest, BracketColoursByDepth) {
    TextStyle style;
    style.bracketColours = true;
    style.colour = red;
    auto records = layOut(u"((x))", style);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].colour, blue);
    EXPECT_EQ(records[1].colour, magenta);
    EXPECT_EQ(records[2].colour, red);
    EXPECT_EQ(records[3].colour, magenta);
    EXPECT_EQ(records[4].colour, blue);

    records = layOut(u"(((()))", style);
    EXPECT_EQ(records[3].colour, blue);  // depth 3 comes round to blue again

    // Brackets outside any pair keep the running colour; the depth starts again at every layout.
    records = layOut(u")(([green])", style);
    EXPECT_EQ(records[0].colour, red);
    EXPECT_EQ(records[1].colour, red);
    EXPECT_EQ(records[2].colour, blue);
    EXPECT_EQ(records[3].colour, blue);
    EXPECT_EQ(layOut(u"(", style)[0].colour, blue);

    style.bracketColours = false;
    EXPECT_EQ(layOut(u"(", style)[0].colour, red);
}

TEST_F(LayoutTest, LowerCaseAndBreakCharacters) {
    TextStyle style;
    style.lowerCase = true;
    EXPECT_EQ(codes(layOut(u"AbZ[red]Q", style)), u"abzq");

    for (char16_t c : std::u16string(u" {}+-*^(),\\/")) EXPECT_TRUE(font.isBreakCharacter(c)) << int(c);
    for (char16_t c : std::u16string(u"a0.;:[]\n\t")) EXPECT_FALSE(font.isBreakCharacter(c)) << int(c);
}

TEST_F(LayoutTest, ThreeWordsWrapAtTheLastSpaceThatFits) {
    const WString firstTwo = u"aaa bbb ";
    const int32_t limit = font.textWidth(firstTwo) + font.charWidth('c') - 1;
    const auto records = layOut(u"aaa bbb ccc", lineOf(limit), 0, 10);
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(codes(records), u"aaa bbb ccc");
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(records[i].y, 10) << i;
    EXPECT_EQ(records[8].x, 0);
    EXPECT_EQ(records[8].y, 10 + font.ascent());
    EXPECT_EQ(records[10].x, 2 * font.charWidth('c'));
}

TEST_F(LayoutTest, WordWithoutBreaksSplitsWhereItOverflows) {
    const int32_t limit = font.textWidth(u"aaa bbb ") + font.charWidth('c') - 1;
    const auto records = layOut(u"aaabbbccc", lineOf(limit));
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(codes(records), u"aaabbbccc");
    size_t split = 0;
    while (split < records.size() && records[split].y == 0) ++split;
    ASSERT_GT(split, 0u);
    ASSERT_LT(split, records.size());
    // Everything before the split fits; the character at it would not have.
    const GlyphRecord& last = records[split - 1];
    EXPECT_LE(last.x + font.charWidth(last.code), limit);
    EXPECT_GT(last.x + font.charWidth(last.code) + font.charWidth(records[split].code), limit);
    EXPECT_EQ(records[split].x, 0);
    EXPECT_EQ(records[split].y, font.ascent());
}

TEST_F(LayoutTest, WrapNeverGoesBackToAnEarlierLine) {
    const int32_t limit = 60;
    const WString longWord(30, u'w');  // far wider than a line
    const auto records = layOut(u"ab cd\n" + longWord, lineOf(limit));
    EXPECT_EQ(codes(records), u"ab cd" + longWord);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(records[i].y, 0);
    EXPECT_EQ(records[5].x, 0);
    EXPECT_EQ(records[5].y, font.ascent());
    const int32_t perLine = limit / font.charWidth('w');
    EXPECT_EQ(records[5 + perLine].x, 0);
    EXPECT_EQ(records[5 + perLine].y, 2 * font.ascent());
    EXPECT_EQ(lines, 1 + (30 + perLine - 1) / perLine);
}

TEST_F(LayoutTest, MovedWordKeepsTheColoursItHad) {
    // The tag and the bracket after the last space must not colour the letters before them twice over.
    TextStyle style = lineOf(font.textWidth(u"aa b") - 1);
    style.bracketColours = true;
    const auto records = layOut(u"aa b[red]b(", style);
    ASSERT_EQ(codes(records), u"aa bb(");
    EXPECT_EQ(records[3].y, font.ascent());
    EXPECT_EQ(records[3].colour, black);
    EXPECT_EQ(records[4].colour, red);
    EXPECT_EQ(records[5].colour, blue);
}

TEST_F(LayoutTest, FixedCellsCentreEachGlyph) {
    font.setCellWidth(font.charWidth('0'));
    const int32_t cell = font.cellWidth('0');
    TextStyle style;
    font.setFixedCellMode(true);
    const auto records = layOut(u"1 1", style, 10);
    font.setFixedCellMode(false);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].x, 10 + ((cell + 1) >> 1) - (font.charWidth('1') >> 1));
    EXPECT_EQ(records[0].advance, cell + 1);
    EXPECT_EQ(records[1].advance, (cell >> 1) + 1);
    EXPECT_EQ(records[2].x, 10 + cell + (cell >> 1) + ((cell + 1) >> 1) - (font.charWidth('1') >> 1));
}

TEST_F(LayoutTest, NoLineStartsBelowTheBottom) {
    useTarget(240, 20);  // room for lines at 0 and 13, not 26
    const auto records = layOut(u"a\nb\nc\nd");
    EXPECT_EQ(codes(records), u"ab");
    EXPECT_EQ(lines, 3);  // counts the line that crossed the bottom
}

TEST_F(LayoutTest, OverlongTextIsCutAtTheBuffer) {
    TextStyle oneLine;
    oneLine.rightMargin = -10'000'000;
    const WString longText(3000, u'x');
    lines = 0;
    EXPECT_EQ(layoutText(font, longText, 0, 0, oneLine, lines), 3000);
    EXPECT_EQ(font.glyphCount(), GlyphBufferSize);
    EXPECT_EQ(font.glyphBuffer()[GlyphBufferSize - 1].x, (GlyphBufferSize - 1) * font.charWidth('x'));
}

TEST_F(LayoutTest, StyleOffsets) {
    TextStyle style;
    style.indent = true;
    style.boxWidth = 100;
    style.boxHeight = 40;
    int32_t x = 10;
    int32_t y = 20;
    applyStyleOffsets(font, u"[red]ab", style, x, y);
    // The box centring uses the proportional width of the whole text, tags included.
    EXPECT_EQ(x, 10 + font.spaceWidth() + 50 - (font.textWidth(u"[red]ab") >> 1));
    EXPECT_EQ(y, 20 + 20 - (font.ascent() >> 1));
}

TEST_F(LayoutTest, WithoutAFaceNothingIsLaidOut) {
    platform::pinFontFile("/nonexistent/font.ttf");
    Font missing(u"Verdana", 14);
    int32_t count = 0;
    EXPECT_EQ(layoutText(missing, u"abc", 0, 0, {}, count), 0);
}

// Random words, spaces, tags, brackets and newlines: wrapping may move characters but never loses,
// repeats or reorders one, and no character that does not start its line sticks out past the limit.
TEST_F(LayoutTest, RandomTextsKeepEveryCharacterWithinTheLine) {
    useTarget(240, 4000);  // tall enough that no line is left out
    std::mt19937 random(2024);
    const std::u16string pieces[] = {u"a", u"m", u"i", u"W", u" ", u"(", u")", u"-", u"[red]", u"[/]", u"\n", u"/"};
    for (int round = 0; round < 300; ++round) {
        WString input;
        std::u16string expected;
        const int length = 1 + static_cast<int>(random() % 60);
        for (int i = 0; i < length; ++i) {
            const std::u16string& piece = pieces[random() % std::size(pieces)];
            input += piece;
            if (piece.size() == 1 && piece != u"\n") expected += piece;
        }
        const int32_t limit = 20 + static_cast<int32_t>(random() % 120);
        TextStyle style = lineOf(limit);
        style.bracketColours = true;
        const auto records = layOut(input, style);
        ASSERT_EQ(codes(records), expected) << round;
        for (const GlyphRecord& record : records) {
            if (record.x == 0) continue;  // a line's first character stays even when it is too wide
            EXPECT_LE(record.x + font.charWidth(record.code), limit) << round;
        }
        for (size_t i = 1; i < records.size(); ++i) {
            if (records[i].y == records[i - 1].y) {
                EXPECT_EQ(records[i].x, records[i - 1].x + records[i - 1].advance - 1);
            } else {
                EXPECT_GT(records[i].y, records[i - 1].y);
            }
        }
    }
}

}  // namespace
