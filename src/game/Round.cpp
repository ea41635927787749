#include "game/Round.h"

#include <algorithm>
#include <string>

#include "platform/Platform.h"
#include "support/NumberText.h"

namespace {

void play(Sound* sound) {
    if (sound) sound->playSound();
}

}  // namespace

Round::Round() {
    // Room for the longest answers, so that no frame of play has to grow them.
    answerText.reserve(32);
    feedbackText.reserve(32);
}

void Round::start(const OperationSet& operations, int32_t difficulty) {
    levelNumber = 1;
    fade = 0;
    points = 0;
    answerText.clear();
    challengeActive = false;
    problems.resetForRound(operations, difficulty);

    const DifficultySettings settings = difficultySettings(difficulty);
    scoreTimeMark = StartingSeconds;
    timeBonus = settings.timeBonus;
    timePenalty = settings.timePenalty;

    // A clock left paused by an earlier game would otherwise stand still at 30 seconds.
    clockState.resumeCountdown();
    clockState.startClock(StartingSeconds, ClockCapacity);
    nextProblem();
}

void Round::nextProblem() {
    if (problems.nextProblem()) play(sounds.challenge);
    markPosed();
}

void Round::markPosed() {
    posedAtMs = platform::tickCount();
    if (!problems.isPosing()) return;
    const Problem& shown = problems.current;
    std::string line =
        "posed " + std::to_string(shown.first) + ' ' + operationSign(shown.op) + ' ' + std::to_string(shown.second);
    platform::logEvent(line);
}

void Round::enterDigit(char16_t digit) {
    // Between the challenge's right answer and the next update's level advance the player has not seen
    // the next problem yet, and the answered one must not score twice.
    if (!problems.isPosing()) return;
    answerText.push_back(digit);
    const int32_t result = problems.current.result();
    if (static_cast<int32_t>(answerText.size()) < answerLength(result)) return;

    const bool fullLength = static_cast<int32_t>(answerText.size()) == answerLength(result);
    const JudgedAnswer judged =
        judge(fullLength && parseAnswer(answerText) == result ? Outcome::Right : Outcome::Wrong);
    if (onJudged) onJudged(judged);
    if (judged.outcome == Outcome::Right) {
        accept();
        nextProblem();
    } else {
        reject();
    }
}

JudgedAnswer Round::judge(Outcome outcome) const {
    JudgedAnswer judged;
    judged.problem = problems.current;
    judged.typed = parseAnswer(answerText);
    judged.typedDigits = static_cast<int32_t>(answerText.size());
    judged.outcome = outcome;
    judged.posedAtMs = posedAtMs;
    judged.judgedAtMs = platform::tickCount();
    return judged;
}

void Round::accept() {
    const int32_t left = clockState.secondsLeft();
    int32_t bonusMs = timeBonus * 1000;
    if (problems.isChallenge()) {
        points += ChallengePoints;
        bonusMs += 2;
    } else {
        // Ten points within the second the problem was posed, one fewer for each further second.
        points += std::clamp(left - scoreTimeMark + 11, 1, 10);
    }
    clockState.addTime(bonusMs);
    // The last ordinary problem's answer poses the challenge, whose own sound is heard instead.
    if (!problems.isChallenge() && !problems.isChallengeNext()) {
        play(sounds.right);
        feedbackText = answerText;
        fade = FeedbackStart;
    }
    scoreTimeMark = clockState.secondsLeft();
    answerText.clear();
}

void Round::reject() {
    answerText.clear();
    play(sounds.wrong);
    clockState.addTime(timePenalty * 1000);
}

void Round::skipChallenge() {
    if (!challengeActive) return;
    if (onJudged) onJudged(judge(Outcome::Skipped));
    // Digits typed for the skipped problem mean nothing for the next one.
    answerText.clear();
    nextProblem();
    advanceLevel();
}

void Round::advanceLevel() {
    problems.levelUp();
    markPosed();
    ++levelNumber;
    play(sounds.level);
    resumeClock();
    // Known at once, so that a second skip before the next frame cannot skip the new level's first problem.
    challengeActive = problems.isChallenge();
}

void Round::clockRanOut() {
    if (problems.isPosing() && onJudged) onJudged(judge(Outcome::Timeout));
}

void Round::update() {
    if (problems.isLevelFinished()) advanceLevel();
    challengeActive = problems.isChallenge();
}

void Round::tickClock() {
    if (clockState.tick()) play(sounds.tick);
}

void Round::frameShown() { fade = std::max(0, fade - FeedbackStep); }
