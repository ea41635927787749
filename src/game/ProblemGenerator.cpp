#include "game/ProblemGenerator.h"

#include <algorithm>
#include <utility>

#include "support/Random.h"

namespace {

constexpr int32_t dividendPrimes[] = {2, 3, 5, 7, 11, 13, 17};

// True when p divides n and n is not p itself.
bool hasProperFactor(int32_t n, int32_t p) { return p != 0 && n != p && n % p == 0; }

// Subtraction never goes below zero and multiplication shows the larger factor first.
void orderOperands(Problem& problem) {
    const bool ordered = problem.op == OpSubtraction || problem.op == OpMultiplication;
    if (ordered && problem.second > problem.first) std::swap(problem.first, problem.second);
}

}  // namespace

void ProblemGenerator::resetForRound(const OperationSet& chosen, int32_t chosenDifficulty) {
    operations = chosen;
    difficulty = chosenDifficulty;
    newLevelPending = true;
    number = 0;
    maxSecond = 10;
    current.op = OpMultiplication;
    prepared.op = OpMultiplication;

    const DifficultySettings settings = difficultySettings(difficulty);
    maxFirst = settings.maxFirst;
    levelStep = settings.levelStep;
    fillOperandPools(settings.firstLow, 1);
    fillOperationPool();
}

void ProblemGenerator::fillOperandPools(int32_t firstLow, int32_t secondLow) {
    firstPool.fillRange(firstLow, maxFirst);
    secondPool.fillRange(secondLow, maxSecond);
}

void ProblemGenerator::fillOperationPool() {
    operationPool.clear();
    if (operations.add) operationPool.push(OpAddition);
    if (operations.subtract) operationPool.push(OpSubtraction);
    if (operations.multiply) operationPool.push(OpMultiplication);
    if (operations.divide) {
        buildDividendPool(maxFirst);
        operationPool.push(OpDivision);
    }
}

bool ProblemGenerator::nextProblem() {
    if (newLevelPending) {
        current = makeOperands(static_cast<uint16_t>(operationPool.pickRandom()));
        newLevelPending = false;
    } else {
        current = prepared;
    }

    // The challenge is decided as the last ordinary problem is posed; every other call prepares an
    // ordinary problem.
    ++number;
    if (isChallengeNext()) {
        prepareChallenge();
    } else {
        prepared = makeOperands(static_cast<uint16_t>(operationPool.pickRandom()));
    }
    orderOperands(prepared);
    orderOperands(current);
    return isChallenge();
}

uint16_t ProblemGenerator::challengeOperation() const {
    // prepared still holds problem 10, which has just become current.
    if (operations.multiply && operations.divide) return prepared.first % 2 != 0 ? OpMultiplication : OpDivision;
    if (operations.multiply) return OpMultiplication;
    if (operations.divide) return OpDivision;
    return static_cast<uint16_t>(operationPool.pickRandom());
}

void ProblemGenerator::prepareChallenge() {
    const uint16_t op = challengeOperation();
    if (op == OpDivision) {
        buildDividendPool(maxFirst + 20);
        prepared = makeOperands(op);
        return;
    }
    prepared.op = op;
    prepared.first = randomInRange(maxFirst + 4, maxFirst + 16);
    prepared.second = randomInRange(4, maxSecond + 6);
}

void ProblemGenerator::levelUp() {
    const int32_t advanced = maxFirst + levelStep;
    if (advanced > rangeCap) {
        maxFirst = rangeCap;
    } else {
        maxFirst = advanced;
        if (advanced > 30) maxSecond += levelStep;
    }
    maxSecond = std::min(maxSecond, rangeCap);

    // Hard keeps a window of twelve values at the top of each range.
    if (difficulty == DifficultyHard) {
        constexpr int32_t below = ProblemsPerLevel;
        fillOperandPools(std::max(1, maxFirst - below), std::max(1, maxSecond - below));
    } else {
        fillOperandPools(1, 1);
    }

    newLevelPending = true;
    if (operations.divide) buildDividendPool(maxFirst);
    number = 0;
    (void)nextProblem();  // problem 1, a fresh draw
}

Problem ProblemGenerator::makeOperands(uint16_t op) {
    Problem problem;
    problem.op = op;
    if (op == OpDivision) {
        problem.first = dividendPool.takeRandom();
        problem.second = randomDivisor(problem.first);
    } else {
        problem.first = firstPool.takeRandom();
        problem.second = secondPool.takeRandom();
    }
    return problem;
}

void ProblemGenerator::buildDividendPool(int32_t start) {
    const auto hasSmallProperFactor = [](int32_t n) {
        return std::any_of(std::begin(dividendPrimes), std::end(dividendPrimes),
                           [n](int32_t p) { return hasProperFactor(n, p); });
    };
    dividendPool.clear();
    int32_t v = start;
    for (int32_t i = 0; i < ProblemsPerLevel; ++i) {
        dividendPool.push(v);
        ++v;
        while (!hasSmallProperFactor(v)) ++v;
    }
}

int32_t ProblemGenerator::randomDivisor(int32_t n) {
    IntPool divisors;
    for (int32_t d = 2; d <= n / 2; ++d) {
        if (n % d == 0) divisors.push(d);
    }
    return divisors.empty() ? 1 : divisors.pickRandom();
}
