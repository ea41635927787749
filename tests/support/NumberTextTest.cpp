#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "support/NumberText.h"

namespace {

TEST(NumberTextTest, FormatsDecimals) {
    WString text;
    appendDecimal(text, 0);
    EXPECT_EQ(text, u"0");
    text = u"0:0";
    appendDecimal(text, 7);
    EXPECT_EQ(text, u"0:07");
    appendDecimal(text, -12);
    EXPECT_EQ(text, u"0:07-12");
    setDecimal(text, INT32_MIN);
    EXPECT_EQ(text, u"-2147483648");
}

TEST(NumberTextTest, ParsesTypedAnswers) {
    EXPECT_EQ(parseAnswer(u"007"), 7);
    EXPECT_EQ(parseAnswer(u""), 0);
    EXPECT_EQ(parseAnswer(u" \t-45x9"), -45);
    EXPECT_EQ(parseAnswer(u"- 8"), 0);
    EXPECT_EQ(parseAnswer(u"99999999999999999999"), INT32_MAX);  // stops at the limit, never wraps
    EXPECT_EQ(parseAnswer(u"-99999999999999999999"), INT32_MIN);

    std::mt19937 random(7);
    for (int i = 0; i < 1000; ++i) {
        const auto value = static_cast<int32_t>(random());
        WString text = u"stale";
        setDecimal(text, value);
        ASSERT_EQ(parseAnswer(text), value);
    }
}

}  // namespace
