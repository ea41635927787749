#pragma once
// The problem generator: operations and operands of each problem, one problem ahead, with a challenge
// problem closing every level and operand ranges that widen from level to level.
//
// A level is ten ordinary problems and then the challenge. The generator numbers the problems and is the
// one place that knows this structure: callers ask it whether the challenge is posed, whether the level
// is finished and how many ordinary problems a level has, and never work it out from the number.
#include <cstdint>

#include "game/Difficulty.h"
#include "game/IntPool.h"
#include "game/Problem.h"

// The operations a round asks for.
struct OperationSet {
    bool add = true;
    bool subtract = true;
    bool multiply = true;
    bool divide = true;

    bool any() const { return add || subtract || multiply || divide; }
};

class ProblemGenerator {
public:
    static constexpr int32_t OrdinaryProblems = 10;
    static constexpr int32_t ProblemsPerLevel = OrdinaryProblems + 1;  // the challenge closes the level
    static constexpr int32_t rangeCap = 99;                            // no operand range grows beyond this

    // The generator's part of starting a round: resets the level, sets the ranges of the difficulty and
    // fills the operand, operation and dividend pools. It does not pose a problem: the caller starts its
    // clock and then calls nextProblem(), which poses problem 1.
    void resetForRound(const OperationSet& chosen, int32_t chosenDifficulty);

    // Poses the next problem: promotes the prepared one (or draws a fresh one at the start of a level)
    // and prepares the one after it, which is the challenge while the last ordinary problem is posed.
    // Returns true when the challenge has just been posed, so that the caller plays its sound.
    [[nodiscard]] bool nextProblem();

    // Widens the ranges by one level step, refills the pools and poses problem 1 of the new level. The
    // caller then counts the level, plays the level sound and resumes its clock.
    void levelUp();

    // The level's structure, read from the number of the problem now posed.
    int32_t problemNumber() const { return number; }  // 1 to 10 ordinary, 11 the challenge
    bool isPosing() const { return number >= 1 && number <= ProblemsPerLevel; }
    bool isChallenge() const { return number == ProblemsPerLevel; }
    // The last ordinary problem is posed, and the challenge is the one prepared.
    bool isChallengeNext() const { return number == OrdinaryProblems; }
    // The challenge has been answered or skipped; the level advances in the next update.
    bool isLevelFinished() const { return number > ProblemsPerLevel; }

    // One dividend for each problem of a level: start itself, then the next numbers above it with a
    // proper factor among the small primes.
    void buildDividendPool(int32_t start);
    // A random divisor of n between 2 and n / 2; 1 when there is none (n prime or below 4).
    static int32_t randomDivisor(int32_t n);

    Problem current;
    Problem prepared;

    int32_t maxFirst = 10;
    int32_t maxSecond = 10;

    IntPool firstPool;
    IntPool secondPool;
    IntPool operationPool;
    IntPool dividendPool;

private:
    Problem makeOperands(uint16_t op);
    void fillOperandPools(int32_t firstLow, int32_t secondLow);
    void fillOperationPool();
    void prepareChallenge();
    uint16_t challengeOperation() const;

    OperationSet operations;
    int32_t difficulty = DifficultyEasy;
    int32_t levelStep = 2;
    int32_t number = 0;
    bool newLevelPending = true;
};
