#include "game/Practice.h"

#include <algorithm>

#include "support/NumberText.h"

void PracticeSession::start(std::vector<PracticeFact> plan, uint32_t nowMs) {
    problems = std::move(plan);
    at = 0;
    firstRight = 0;
    firstTimes.clear();
    firstTimes.reserve(problems.size());
    pose(nowMs);
}

void PracticeSession::pose(uint32_t nowMs) {
    inCorrection = false;
    typed.clear();
    shownAtMs = nowMs;
    if (active() && onPosed) onPosed(current());
}

void PracticeSession::enterDigit(char16_t digit, uint32_t nowMs) {
    if (!active()) return;
    typed.push_back(digit);
    const Problem problem = current();
    const int32_t result = problem.result();
    if (static_cast<int32_t>(typed.size()) < answerLength(result)) return;

    PracticeTry judged{problem, typed, parseAnswer(typed) == result, inCorrection, shownAtMs, nowMs};
    if (onTry) onTry(judged);
    typed.clear();
    if (!inCorrection) {
        firstTimes.push_back(static_cast<int32_t>(nowMs - shownAtMs));
        if (judged.right) ++firstRight;
    }
    if (judged.right) {
        ++at;
        pose(nowMs);
    } else if (!inCorrection) {
        inCorrection = true;
        shownAtMs = nowMs;
    }
}

int32_t PracticeSession::medianMs() const {
    if (firstTimes.empty()) return 0;
    std::vector<int32_t> times = firstTimes;
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    if (times.size() % 2 == 1) return *middle;
    return (*middle + *std::max_element(times.begin(), middle)) / 2;
}
