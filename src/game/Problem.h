#pragma once
// One arithmetic problem: two operands and the code of the operation, which is also the character drawn for it.
#include <cstdint>

#include "text/TextLayout.h"

inline constexpr uint16_t OpAddition = 43;                // '+'
inline constexpr uint16_t OpSubtraction = 45;             // '-'
inline constexpr uint16_t OpMultiplication = 120;         // 'x'
inline constexpr uint16_t OpDivision = DivisionSignCode;  // the text drawing draws it as the division sign

struct Problem {
    int32_t first = 0;
    int32_t second = 0;
    uint16_t op = 0;

    // The correct answer; 0 for an unknown code. Division is an integer quotient (the generator makes it exact).
    // Worked out in 64 bits so that no pair of operands can overflow, and a zero divisor gives 0, not a trap.
    constexpr int32_t result() const {
        const int64_t a = first;
        const int64_t b = second;
        switch (op) {
            case OpAddition:
                return static_cast<int32_t>(a + b);
            case OpSubtraction:
                return static_cast<int32_t>(a - b);
            case OpMultiplication:
                return static_cast<int32_t>(a * b);
            case OpDivision:
                return b == 0 ? 0 : static_cast<int32_t>(a / b);
            default:
                return 0;
        }
    }

    friend constexpr bool operator==(const Problem&, const Problem&) = default;
};

// How the problem's operation is written in plain text (the event log, the history): one of + - x /.
constexpr char operationSign(uint16_t op) {
    switch (op) {
        case OpSubtraction:
            return '-';
        case OpMultiplication:
            return 'x';
        case OpDivision:
            return '/';
        default:
            return '+';
    }
}

// How many digits an answer has; it is judged once that many are typed. Results are never negative:
// subtraction is ordered and division exact.
constexpr int32_t answerLength(int32_t result) {
    if (result <= 9) return 1;
    if (result <= 99) return 2;
    if (result <= 999) return 3;
    if (result <= 9999) return 4;
    return 5;
}
