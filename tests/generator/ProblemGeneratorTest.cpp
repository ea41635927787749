// The problem generator: its bags, its ranges level by level, sound problems for every mix, and the
// sequence a seed gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "game/ProblemGenerator.h"
#include "support/Random.h"

namespace {

constexpr uint16_t opOfBit[] = {OpAddition, OpSubtraction, OpMultiplication, OpDivision};  // mask bits 1, 2, 4, 8

// A round at a chosen difficulty and operation mix (1 add, 2 subtract, 4 multiply, 8 divide), played as the
// game plays it: every problem answered in turn, and the level advanced after its challenge problem.
struct Round {
    ProblemGenerator gen;

    Round(int32_t difficulty, unsigned mask, uint32_t seed) {
        seedRandom(seed);
        gen.resetForRound({(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0}, difficulty);
        EXPECT_FALSE(gen.nextProblem());
    }
    std::vector<Problem> playLevel() {
        std::vector<Problem> posed{gen.current};
        while (!gen.isChallenge()) {
            const bool challengePosed = gen.nextProblem();
            EXPECT_EQ(challengePosed, gen.isChallenge());
            posed.push_back(gen.current);
        }
        EXPECT_EQ(posed.size(), size_t{ProblemGenerator::OrdinaryProblems + 1});
        EXPECT_FALSE(gen.nextProblem());  // the challenge answered
        EXPECT_TRUE(gen.isLevelFinished());
        gen.levelUp();
        EXPECT_EQ(gen.problemNumber(), 1);
        return posed;
    }
};

std::vector<int32_t> dividendsFrom(int32_t start) {
    ProblemGenerator scratch;
    scratch.buildDividendPool(start);
    return {scratch.dividendPool.begin(), scratch.dividendPool.end()};
}
// The level's operand ranges as the generator filled its bags (first low and high, second low and high): what is
// left in them and what the posed and the prepared problem took. Exact in a round of additions, whose operands
// keep the order they were drawn in.
std::array<int32_t, 4> rangesOf(const ProblemGenerator& gen) {
    std::vector<int32_t> firsts{gen.firstPool.begin(), gen.firstPool.end()};
    std::vector<int32_t> seconds{gen.secondPool.begin(), gen.secondPool.end()};
    for (const Problem& p : {gen.current, gen.prepared}) firsts.push_back(p.first), seconds.push_back(p.second);
    const auto [lo1, hi1] = std::ranges::minmax(firsts);
    const auto [lo2, hi2] = std::ranges::minmax(seconds);
    EXPECT_EQ(firsts.size() + seconds.size(), size_t(hi1 - lo1 + hi2 - lo2 + 2)) << "each value once";
    return {lo1, hi1, lo2, hi2};
}

TEST(ProblemGenerator, PoolsDivisorsAndResults) {
    IntPool pool;
    pool.fillRange(1, 10);
    std::vector<int32_t> taken;
    while (!pool.empty()) taken.push_back(pool.takeRandom());
    std::ranges::sort(taken);
    EXPECT_EQ(taken, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10})) << "drawn without putting back";
    EXPECT_EQ(pool.takeRandom(), 0);
    pool.fillRange(5, 4);
    EXPECT_EQ(pool.count, 0);
    pool.fillRange(-3, 200);  // wider than the bag: it stops full instead of overrunning
    EXPECT_EQ(pool.count, IntPool::capacity);
    for (int32_t prime : {2, 3, 13, 97}) EXPECT_EQ(ProblemGenerator::randomDivisor(prime), 1);
    EXPECT_EQ(ProblemGenerator::randomDivisor(25), 5);
    EXPECT_EQ(dividendsFrom(10), (std::vector<int32_t>{10, 12, 14, 15, 16, 18, 20, 21, 22, 24, 25}));
    EXPECT_EQ(dividendsFrom(30), (std::vector<int32_t>{30, 32, 33, 34, 35, 36, 38, 39, 40, 42, 44}));
    EXPECT_EQ((Problem{7, 0, OpDivision}).result(), 0);
    EXPECT_EQ((Problem{7, 2, 0}).result(), 0);
}

// Level, difficulty, and the first and second operands' ranges: each difficulty's start and step, the
// second range growing once the first passes 30, hard's window of twelve at the top, and the cap.
TEST(ProblemGenerator, RangesWidenLevelByLevelUpToTheCap) {
    const int rows[][6] = {{1, 0, 1, 10, 1, 10},    {12, 0, 1, 32, 1, 12},   {60, 0, 1, 99, 1, 78},
                           {2, 1, 1, 14, 1, 10},    {7, 1, 1, 34, 1, 14},    {60, 1, 1, 99, 1, 78},
                           {1, 2, 4, 16, 1, 10},    {2, 2, 11, 22, 1, 10},   {4, 2, 23, 34, 5, 16},
                           {14, 2, 83, 94, 65, 76}, {15, 2, 88, 99, 65, 76}, {60, 2, 88, 99, 65, 76}};
    for (const auto& [level, difficulty, lo1, hi1, lo2, hi2] : rows) {
        Round round(difficulty, 1, 5);  // additions keep their drawn order, so the bags can be reassembled
        for (int l = 1; l < level; ++l) round.gen.levelUp();
        EXPECT_EQ(rangesOf(round.gen), (std::array{lo1, hi1, lo2, hi2}))
            << "level " << level << " difficulty " << difficulty;
    }
}

// Every problem of every mix, difficulty and level is one of the chosen operations, with exact divisions
// from the level's run of dividends and otherwise one operand from each of the level's ranges (as a round
// of additions at the same difficulty and level fills its bags), larger first for subtraction and
// multiplication; the challenge from its own window above the level's range. With both multiplication and
// division, the last ordinary problem's first operand decides the challenge's operation.
TEST(ProblemGenerator, EveryMixDifficultyAndLevelPosesSoundProblems) {
    for (unsigned mask = 1; mask < 16; ++mask) {
        for (int difficulty = DifficultyEasy; difficulty <= DifficultyHard; ++difficulty) {
            for (uint32_t seed = 0; seed < 4 && !HasFailure(); ++seed) {
                Round round(difficulty, mask, seed * 7919u + mask), additions(difficulty, 1, seed);
                for (int level = 1; level <= 45 && !HasFailure(); ++level) {
                    SCOPED_TRACE(testing::Message()
                                 << "mask " << mask << " difficulty " << difficulty << " level " << level);
                    const auto [lo1, hi1, lo2, hi2] = rangesOf(additions.gen);
                    additions.gen.levelUp();
                    const std::vector<Problem> posed = round.playLevel();
                    for (size_t i = 0; i < posed.size(); ++i) {
                        const Problem& p = posed[i];
                        const bool challenge = i == posed.size() - 1;
                        auto fits = [&](int32_t a, int32_t b) {
                            return challenge ? a >= hi1 + 4 && a <= hi1 + 16 && b >= 4 && b <= hi2 + 6
                                             : a >= lo1 && a <= hi1 && b >= lo2 && b <= hi2;
                        };
                        const bool sound =
                            p.op == OpDivision
                                ? p.second >= 1 && p.first % p.second == 0 &&
                                      (p.second == 1 || p.second <= p.first / 2) &&
                                      std::ranges::count(dividendsFrom(challenge ? hi1 + 20 : hi1), p.first) == 1
                            : p.op == OpAddition
                                ? fits(p.first, p.second)
                                : p.first >= p.second && (fits(p.first, p.second) || fits(p.second, p.first));
                        const auto bit = std::ranges::find(opOfBit, p.op) - std::begin(opOfBit);
                        EXPECT_TRUE(bit < 4 && (mask >> bit & 1) && sound) << "problem " << i;
                    }
                    const uint16_t parityOp = posed[posed.size() - 2].first % 2 ? OpMultiplication : OpDivision;
                    EXPECT_TRUE((mask & 12) != 12 || posed.back().op == parityOp);
                }
            }
        }
    }
}

// Worked out by hand from the generator's rules and the C runtime's rand: a game started with the same seed
// repeats exactly these problems.
TEST(ProblemGenerator, FixedSeedGivesAKnownSequence) {
    Round round(DifficultyNormal, 15, 42);
    std::vector<Problem> posed = round.playLevel();
    for (const Problem& p : round.playLevel()) posed.push_back(p);
    const std::vector<Problem> expected = {
        {16, 4, 137}, {4, 10, 43},  {5, 6, 43},    {8, 2, 45},   {25, 5, 137}, {10, 9, 45}, {14, 7, 137}, {8, 7, 120},
        {2, 1, 120},  {21, 7, 137}, {23, 13, 120}, {25, 5, 137}, {18, 2, 137}, {6, 2, 43},  {5, 3, 45},   {14, 3, 43},
        {12, 4, 120}, {6, 1, 45},   {9, 1, 45},    {9, 7, 120},  {13, 7, 120}, {23, 9, 120}};
    EXPECT_EQ(posed, expected);
}

}  // namespace
