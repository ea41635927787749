#pragma once
// One practice session apart from its drawing: the planned problems in turn, no clock, each answer
// judged as the arcade game judges it (as soon as it has as many digits as the result).
//
// A wrong answer is corrected at once: the whole fact with its answer is shown and the session waits
// until that answer is typed. The correction's tries are tries of their own, never a right first answer.
#include <cstdint>
#include <functional>
#include <vector>

#include "game/PracticePlan.h"
#include "support/WString.h"

struct PracticeTry {
    Problem problem;
    WString typed;
    bool right = false;
    bool correction = false;  // a try while the right answer is shown
    uint32_t shownAtMs = 0;   // when the problem (or its correction) appeared
    uint32_t judgedAtMs = 0;
};

class PracticeSession {
public:
    PracticeSession() { typed.reserve(32); }

    // Poses the first problem at nowMs; an empty plan is a session already over.
    void start(std::vector<PracticeFact> plan, uint32_t nowMs);
    void enterDigit(char16_t digit, uint32_t nowMs);
    void clearAnswer() { typed.clear(); }

    bool active() const { return at < problems.size(); }
    int32_t number() const { return static_cast<int32_t>(at) + 1; }  // of the problem posed, from 1
    int32_t length() const { return static_cast<int32_t>(problems.size()); }
    Problem current() const { return active() ? problems[at].problem() : Problem{}; }
    bool correcting() const { return inCorrection; }
    const WString& answer() const { return typed; }
    uint32_t shownAt() const { return shownAtMs; }
    const std::vector<PracticeFact>& plan() const { return problems; }

    // The summary.
    int32_t rightFirstTime() const { return firstRight; }
    // Median of the first tries' times, in milliseconds; 0 before any.
    int32_t medianMs() const;

    // Each try as it is judged; posed when a new problem appears (not for a correction).
    std::function<void(const PracticeTry&)> onTry;
    std::function<void(const Problem&)> onPosed;

private:
    void pose(uint32_t nowMs);

    std::vector<PracticeFact> problems;
    size_t at = 0;
    bool inCorrection = false;
    WString typed;
    uint32_t shownAtMs = 0;
    int32_t firstRight = 0;
    std::vector<int32_t> firstTimes;
};
