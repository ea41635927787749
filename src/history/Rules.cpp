// The rules the screens read the history by: the basic facts of the grid, when a fact is fluent,
// which facts of a game the review shows, and how times and names are written.
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "history/History.h"

namespace history {

char operationSymbol(Operation op) {
    switch (op) {
        case Operation::Add:
            return '+';
        case Operation::Subtract:
            return '-';
        case Operation::Multiply:
            return 'x';
        case Operation::Divide:
            return '/';
    }
    return '?';
}

const char* modeName(Mode mode) {
    switch (mode) {
        case Mode::Arcade:
            return "arcade";
        case Mode::Practice:
            return "practice";
        case Mode::Daily:
            return "daily";
    }
    return "unknown";
}

const char* outcomeName(Outcome outcome) {
    switch (outcome) {
        case Outcome::Right:
            return "right";
        case Outcome::Wrong:
            return "wrong";
        case Outcome::Skipped:
            return "skipped";
        case Outcome::Timeout:
            return "timeout";
    }
    return "unknown";
}

std::optional<Fact> gridFact(Operation op, int a, int b) {
    if (a < 0 || b < 0 || a >= gridSide || b >= gridSide) return std::nullopt;
    switch (op) {
        case Operation::Add:
        case Operation::Multiply:
            return Fact{a, b};
        case Operation::Subtract:
            return Fact{a + b, b};
        case Operation::Divide:
            if (b == 0) return std::nullopt;
            return Fact{a * b, b};
    }
    return std::nullopt;
}

FactState factState(const std::vector<Answer>& lastTriesNewestFirst) {
    if (lastTriesNewestFirst.empty()) return FactState::NotSeen;
    if (lastTriesNewestFirst.size() < 3) return FactState::Learning;
    for (size_t i = 0; i < 3; ++i) {
        const Answer& answer = lastTriesNewestFirst[i];
        if (answer.outcome != Outcome::Right || !isQuick(answer.responseMs)) return FactState::Learning;
    }
    return FactState::Fluent;
}

std::vector<ReviewItem> reviewOf(const std::vector<Answer>& answers) {
    std::vector<ReviewItem> facts;
    for (const Answer& answer : answers) {
        auto same = std::find_if(facts.begin(), facts.end(), [&](const ReviewItem& item) {
            return item.op == answer.op && item.first == answer.first && item.second == answer.second;
        });
        if (same == facts.end()) {
            same = facts.insert(facts.end(), ReviewItem{answer.op, answer.first, answer.second, answer.expected});
        }
        same->solved = answer.outcome == Outcome::Right;
        if (!same->solved) ++same->misses;
        same->slowestMs = std::max(same->slowestMs, answer.responseMs);
    }
    std::erase_if(facts, [](const ReviewItem& item) { return item.misses == 0 && isQuick(item.slowestMs); });
    std::stable_sort(facts.begin(), facts.end(), [](const ReviewItem& a, const ReviewItem& b) {
        if (a.solved != b.solved) return !a.solved;
        if (a.misses != b.misses) return a.misses > b.misses;
        return a.slowestMs > b.slowestMs;
    });
    if (facts.size() > reviewLimit) facts.resize(reviewLimit);
    return facts;
}

std::string isoTime(int64_t ms) {
    using namespace std::chrono;
    const sys_time<milliseconds> time{milliseconds{ms}};
    const sys_days day = floor<days>(time);
    const year_month_day date{day};
    const hh_mm_ss<milliseconds> clock{time - day};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%03dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()), static_cast<int>(clock.subseconds().count()));
    return text;
}

}  // namespace history
