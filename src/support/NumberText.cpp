#include "support/NumberText.h"

#include <algorithm>
#include <array>
#include <limits>

void appendDecimal(WString& text, int32_t value) {
    // Widened first, so that the most negative value has a magnitude to print.
    int64_t magnitude = value;
    if (magnitude < 0) {
        text.push_back(u'-');
        magnitude = -magnitude;
    }
    std::array<char16_t, 16> digits{};
    size_t count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (count > 0) text.push_back(digits[--count]);
}

void setDecimal(WString& text, int32_t value) {
    text.clear();
    appendDecimal(text, value);
}

namespace {

constexpr bool isWhiteSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
constexpr bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

int32_t parseAnswer(const WString& answer) {
    size_t next = 0;
    while (next < answer.size() && isWhiteSpace(answer[next])) ++next;
    bool negative = false;
    if (next < answer.size() && (answer[next] == u'-' || answer[next] == u'+')) negative = answer[next++] == u'-';

    // Accumulated as a magnitude and stopped at the limit, so that a long run of digits cannot overflow.
    const int64_t limit =
        negative ? -int64_t{std::numeric_limits<int32_t>::min()} : std::numeric_limits<int32_t>::max();
    int64_t magnitude = 0;
    for (; next < answer.size() && isDigit(answer[next]); ++next) {
        magnitude = std::min(limit, magnitude * 10 + (answer[next] - u'0'));
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}
