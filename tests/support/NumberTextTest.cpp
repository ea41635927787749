#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "support/NumberText.h"

namespace {

TEST(NumberTextTest, AppendsDecimalForms) {
    WString text;
    appendDecimal(text, 0);
    EXPECT_EQ(text, u"0");

    text = u"0:0";
    appendDecimal(text, 7);
    EXPECT_EQ(text, u"0:07");

    text = u"Score: ";
    appendDecimal(text, -12);
    EXPECT_EQ(text, u"Score: -12");

    text.clear();
    appendDecimal(text, INT32_MIN);
    appendDecimal(text, INT32_MAX);
    EXPECT_EQ(text, u"-21474836482147483647");
}

TEST(NumberTextTest, SetDecimalReplacesTheText) {
    WString text = u"Problem: 10/10";
    setDecimal(text, 305);
    EXPECT_EQ(text, u"305");
    setDecimal(text, -1);
    EXPECT_EQ(text, u"-1");
}

TEST(NumberTextTest, ParsesTypedAnswers) {
    EXPECT_EQ(parseAnswer(u"120"), 120);
    EXPECT_EQ(parseAnswer(u"007"), 7);
    EXPECT_EQ(parseAnswer(u""), 0);
    EXPECT_EQ(parseAnswer(u"abc"), 0);
    EXPECT_EQ(parseAnswer(u" \t-45x9"), -45);
    EXPECT_EQ(parseAnswer(u"+8"), 8);
    EXPECT_EQ(parseAnswer(u"- 8"), 0);
    EXPECT_EQ(parseAnswer(u"\u0661"), 0);  // only the ASCII digits count
    // Too many digits stop at the limit instead of wrapping round.
    EXPECT_EQ(parseAnswer(u"99999999999999999999"), INT32_MAX);
    EXPECT_EQ(parseAnswer(u"-99999999999999999999"), INT32_MIN);
    EXPECT_EQ(parseAnswer(u"-2147483648"), INT32_MIN);
}

TEST(NumberTextTest, ParsingUndoesFormatting) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    for (int i = 0; i < 2000; ++i) {
        const int32_t value = any(random);
        WString text;
        setDecimal(text, value);
        ASSERT_EQ(parseAnswer(text), value) << value;
    }
}

}  // namespace
