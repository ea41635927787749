#pragma once
// The three difficulties: their names, and what a round starts with at each. The options screen's row
// and the high-score table both name a difficulty from here.
#include <cstdint>

inline constexpr int32_t DifficultyEasy = 0;
inline constexpr int32_t DifficultyNormal = 1;
inline constexpr int32_t DifficultyHard = 2;
inline constexpr int32_t DifficultyCount = 3;

// "Easy", "Normal", "Hard"; null for a value that names no difficulty.
constexpr const char16_t* difficultyName(int32_t difficulty) {
    constexpr const char16_t* names[DifficultyCount] = {u"Easy", u"Normal", u"Hard"};
    return difficulty >= 0 && difficulty < DifficultyCount ? names[difficulty] : nullptr;
}

// What a round starts with at one difficulty; the time columns are for the round's clock.
struct DifficultySettings {
    int32_t firstLow;     // lowest first operand of level 1
    int32_t maxFirst;     // highest first operand of level 1
    int32_t levelStep;    // growth of the ranges per level
    int32_t timeBonus;    // seconds gained by a right answer
    int32_t timePenalty;  // seconds lost by a wrong answer (negative)
};

// Any value but Normal or Hard plays as Easy, so a stray index never leaves the ranges unset.
constexpr DifficultySettings difficultySettings(int32_t difficulty) {
    switch (difficulty) {
        case DifficultyNormal:
            return {1, 10, 4, 2, -3};
        case DifficultyHard:
            return {4, 16, 6, 2, -4};
        default:
            return {1, 10, 2, 4, -2};
    }
}
