#pragma once
// The arithmetic game's problem generator: operations and operands of each problem, one problem ahead, with a
// challenge problem closing every level and operand ranges that widen from level to level.
//
// The game object holds one generator and forwards to it. The difficulty belongs to the options screen, so the
// generator asks for it through an accessor each time it needs it and never keeps a copy.
#include <cstdint>
#include <functional>

#include "game/IntPool.h"
#include "game/Problem.h"

inline constexpr int DifficultyEasy = 0;
inline constexpr int DifficultyNormal = 1;
inline constexpr int DifficultyHard = 2;

// What a round starts with at one difficulty; the time columns are for the game's clock.
struct DifficultySettings {
    int32_t firstLow;     // lowest first operand of level 1
    int32_t maxFirst;     // highest first operand of level 1
    int32_t levelStep;    // growth of the ranges per level
    int32_t timeBonus;    // seconds gained by a right answer
    int32_t timePenalty;  // seconds lost by a wrong answer (negative)
};

// Any value but Normal or Hard plays as Easy, so a stray index never leaves the ranges unset.
constexpr DifficultySettings difficultySettings(int difficulty) {
    switch (difficulty) {
        case DifficultyNormal:
            return {1, 10, 4, 2, -3};
        case DifficultyHard:
            return {4, 16, 6, 2, -4};
        default:
            return {1, 10, 2, 4, -2};
    }
}

class ProblemGenerator {
public:
    static constexpr int32_t rangeCap = 99;  // no operand range grows beyond this

    explicit ProblemGenerator(std::function<int()> difficultyAccessor);

    // The generator's part of starting a round: resets the level, sets the ranges of the difficulty and fills
    // the operand, operation and dividend pools. It does not pose a problem: the caller starts its clock and
    // then calls nextProblem(), which poses problem 1.
    void resetForRound();

    // Poses the next problem: promotes the prepared one (or draws a fresh one at the start of a level) and
    // prepares the one after it, which is the challenge problem while problem 10 is posed. Returns true when the
    // challenge problem has just been posed, so that the caller plays its sound.
    [[nodiscard]] bool nextProblem();

    // Widens the ranges by one level step, refills the pools and poses problem 1 of the new level. The caller
    // then counts the level, plays the level sound and resumes its clock.
    void levelUp();

    // A problem of the given operation with operands drawn from the pools that belong to it.
    Problem makeOperands(uint16_t op);
    // Eleven dividends: start itself, then the next numbers above it with a proper factor among the small primes.
    void buildDividendPool(int32_t start);
    // A random divisor of n between 2 and n / 2; 1 when there is none (n prime or below 4).
    static int32_t randomDivisor(int32_t n);
    // True when p divides n and n is not p itself.
    static bool hasProperFactor(int32_t n, int32_t p);

    int difficulty() const { return difficultyAccessor_ ? difficultyAccessor_() : DifficultyEasy; }

    bool addEnabled = true;
    bool subtractEnabled = true;
    bool multiplyEnabled = true;
    bool divideEnabled = true;

    int32_t maxFirst = 10;
    int32_t maxSecond = 10;
    int32_t levelStep = 2;
    int32_t problemsPerLevel = 11;
    int32_t problemNumber = 0;  // 1..10 ordinary, 11 the challenge, 12 until the level advances
    bool newLevelPending = true;

    Problem current;
    Problem prepared;

    IntPool firstPool;
    IntPool secondPool;
    IntPool operationPool;
    IntPool dividendPool;

private:
    void fillOperandPools(int32_t firstLow, int32_t secondLow);
    void fillOperationPool();
    void prepareChallenge();
    uint16_t challengeOperation() const;

    std::function<int()> difficultyAccessor_;
};
