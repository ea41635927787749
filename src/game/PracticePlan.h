#pragma once
// Which problems a practice session poses, chosen from what the history knows of each basic fact.
//
// A fact is weak when any of its last three tries was missed or took 3 s or more, known when it has
// been tried and is not weak, and new when it has never been tried. A session mixes the weak facts
// among known ones: 40-60 % of its problems are weak facts, the rest known ones and at most three new
// facts, and the same fact never comes twice in a row. A player with no history at all gets an even
// spread of the basic facts instead.
//
// Planning is pure: the same candidates and seed always give the same session.
#include <cstdint>
#include <functional>
#include <vector>

#include "game/Problem.h"
#include "game/ProblemGenerator.h"
#include "history/History.h"

struct PracticeFact {
    history::Operation op = history::Operation::Add;
    int32_t first = 0;  // as posed: for subtraction and division the operands of the inverse fact
    int32_t second = 0;

    Problem problem() const;
    friend bool operator==(const PracticeFact&, const PracticeFact&) = default;
};

enum class Familiarity : uint8_t { New, Known, Weak };
Familiarity familiarity(const std::vector<history::Answer>& lastTriesNewestFirst);

struct PracticeCandidate {
    PracticeFact fact;
    Familiarity familiarity = Familiarity::New;
};

inline constexpr int32_t practiceLength = 20;
inline constexpr int32_t fewestWeak = practiceLength * 2 / 5;
inline constexpr int32_t mostWeak = practiceLength * 3 / 5;
inline constexpr int32_t mostNewFacts = 3;

// The last three tries at each fact of an operation, as HistoryStore::lastTries answers them.
using TriesOfOperation = std::function<std::vector<std::vector<history::Answer>>(history::Operation)>;

// The basic facts of the chosen operations whose operands the difficulty allows (Easy 0-10, Normal
// 0-12, Hard 2-12: the facts with 0 and 1 are no practice for a strong player), each with its
// familiarity, in grid order.
std::vector<PracticeCandidate> practiceCandidates(const OperationSet& operations, int32_t difficulty,
                                                  const TriesOfOperation& tries);

std::vector<PracticeFact> planPractice(const std::vector<PracticeCandidate>& candidates, uint32_t seed);

// A session on exactly the facts a game's review lists, in its order.
std::vector<PracticeFact> practiceOfReview(const std::vector<history::ReviewItem>& review);
