#include "game/PracticePlan.h"

#include <algorithm>
#include <random>

namespace {

using history::Operation;

// A fact may fill at most half a session, so that it can always be kept from coming twice in a row.
constexpr int32_t mostCopies = practiceLength / 2;

struct OperandRange {
    int32_t low, high;
};

OperandRange operandRange(int32_t difficulty) {
    switch (difficulty) {
        case DifficultyNormal:
            return {0, 12};
        case DifficultyHard:
            return {2, 12};
        default:
            return {0, 10};
    }
}

bool chosen(const OperationSet& operations, Operation op) {
    switch (op) {
        case Operation::Add:
            return operations.add;
        case Operation::Subtract:
            return operations.subtract;
        case Operation::Multiply:
            return operations.multiply;
        case Operation::Divide:
            return operations.divide;
    }
    return false;
}

uint32_t below(std::mt19937& random, size_t n) { return n == 0 ? 0 : static_cast<uint32_t>(random() % n); }

template <typename T>
void shuffle(std::vector<T>& items, std::mt19937& random) {
    for (size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[below(random, i)]);
}

// count facts from the list, every one before any comes again, each round in a new order.
void takeCycling(std::vector<PracticeFact> from, int32_t count, std::mt19937& random, std::vector<PracticeFact>& to) {
    for (int32_t taken = 0; taken < count && !from.empty();) {
        shuffle(from, random);
        for (size_t i = 0; i < from.size() && taken < count; ++i, ++taken) to.push_back(from[i]);
    }
}

using Counts = std::vector<std::pair<PracticeFact, int32_t>>;

// An order of the chosen problems in which no fact follows itself: each step draws at random (by how many
// copies are left) among the facts other than the last one, unless a fact has so many copies left that
// only placing it now keeps the rest apart.
std::vector<PracticeFact> interleave(const std::vector<PracticeFact>& chosenProblems, std::mt19937& random) {
    Counts counts;
    for (const PracticeFact& fact : chosenProblems) {
        auto same = std::find_if(counts.begin(), counts.end(), [&](const auto& c) { return c.first == fact; });
        if (same == counts.end()) {
            counts.push_back({fact, 1});
        } else {
            ++same->second;
        }
    }
    std::vector<PracticeFact> order;
    const PracticeFact* last = nullptr;
    for (int32_t left = static_cast<int32_t>(chosenProblems.size()); left > 0; --left) {
        size_t pick = counts.size();
        int32_t weight = 0;
        for (size_t i = 0; i < counts.size(); ++i) {
            if (counts[i].second == 0 || (last && counts[i].first == *last)) continue;
            if (2 * counts[i].second > left) {
                pick = i;
                break;
            }
            weight += counts[i].second;
        }
        if (pick == counts.size()) {
            int32_t at = static_cast<int32_t>(below(random, static_cast<size_t>(weight)));
            for (size_t i = 0; i < counts.size() && pick == counts.size(); ++i) {
                if (counts[i].second == 0 || (last && counts[i].first == *last)) continue;
                if ((at -= counts[i].second) < 0) pick = i;
            }
        }
        // Only the last fact is left: a repeat cannot be avoided (a history of nothing but one weak fact).
        for (size_t i = 0; i < counts.size() && pick == counts.size(); ++i) {
            if (counts[i].second > 0) pick = i;
        }
        --counts[pick].second;
        order.push_back(counts[pick].first);
        last = &counts[pick].first;
    }
    return order;
}

}  // namespace

Problem PracticeFact::problem() const {
    constexpr uint16_t codes[history::operationCount] = {OpAddition, OpSubtraction, OpMultiplication, OpDivision};
    return {first, second, codes[static_cast<size_t>(op)]};
}

Familiarity familiarity(const std::vector<history::Answer>& lastTriesNewestFirst) {
    if (lastTriesNewestFirst.empty()) return Familiarity::New;
    for (size_t i = 0; i < lastTriesNewestFirst.size() && i < 3; ++i) {
        const history::Answer& answer = lastTriesNewestFirst[i];
        if (answer.outcome != history::Outcome::Right || !history::isQuick(answer.responseMs)) return Familiarity::Weak;
    }
    return Familiarity::Known;
}

std::vector<PracticeCandidate> practiceCandidates(const OperationSet& operations, int32_t difficulty,
                                                  const TriesOfOperation& tries) {
    const OperandRange range = operandRange(difficulty);
    std::vector<PracticeCandidate> candidates;
    for (int32_t o = 0; o < history::operationCount; ++o) {
        const auto op = static_cast<Operation>(o);
        if (!chosen(operations, op)) continue;
        const std::vector<std::vector<history::Answer>> grid = tries(op);
        for (int32_t a = range.low; a <= range.high; ++a) {
            for (int32_t b = range.low; b <= range.high; ++b) {
                const std::optional<history::Fact> fact = history::gridFact(op, a, b);
                if (!fact) continue;
                const size_t cell = static_cast<size_t>(a * history::gridSide + b);
                const Familiarity known = cell < grid.size() ? familiarity(grid[cell]) : Familiarity::New;
                candidates.push_back({{op, fact->first, fact->second}, known});
            }
        }
    }
    return candidates;
}

std::vector<PracticeFact> planPractice(const std::vector<PracticeCandidate>& candidates, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<PracticeFact> weak, known, fresh;
    for (const PracticeCandidate& candidate : candidates) {
        auto& list = candidate.familiarity == Familiarity::Weak    ? weak
                     : candidate.familiarity == Familiarity::Known ? known
                                                                   : fresh;
        list.push_back(candidate.fact);
    }

    std::vector<PracticeFact> chosenProblems;
    if (weak.empty() && known.empty()) {
        // Nothing tried yet: one fact from each twentieth of the grid, so every operation and every
        // part of the number range is met.
        const size_t n = fresh.size();
        const size_t count = std::min<size_t>(practiceLength, n);
        for (size_t i = 0; i < count; ++i) {
            const size_t from = i * n / count;
            const size_t to = (i + 1) * n / count;
            chosenProblems.push_back(fresh[from + below(random, to - from)]);
        }
        shuffle(chosenProblems, random);
        return chosenProblems;
    }

    shuffle(fresh, random);
    fresh.resize(std::min<size_t>(fresh.size(), mostNewFacts));
    const auto others = static_cast<int32_t>(known.size() + fresh.size());
    int32_t weakCount = 0;
    if (!weak.empty()) {
        const int32_t low = std::max(fewestWeak, practiceLength - mostCopies * others);
        const int32_t high = std::min(mostWeak, mostCopies * static_cast<int32_t>(weak.size()));
        weakCount =
            others == 0 ? practiceLength : low + static_cast<int32_t>(below(random, std::max(1, high - low + 1)));
    }
    takeCycling(weak, weakCount, random, chosenProblems);
    // The new facts first, each once, then the known ones; with fewer than two known facts the new
    // ones come again too, so that no fact has to follow itself.
    const int32_t otherCount = practiceLength - weakCount;
    const int32_t newCount = std::min(otherCount, static_cast<int32_t>(fresh.size()));
    chosenProblems.insert(chosenProblems.end(), fresh.begin(), fresh.begin() + newCount);
    if (known.size() < 2) known.insert(known.end(), fresh.begin(), fresh.begin() + newCount);
    takeCycling(known, otherCount - newCount, random, chosenProblems);
    return interleave(chosenProblems, random);
}

std::vector<PracticeFact> practiceOfReview(const std::vector<history::ReviewItem>& review) {
    std::vector<PracticeFact> facts;
    for (const history::ReviewItem& item : review) facts.push_back({item.op, item.first, item.second});
    return facts;
}
