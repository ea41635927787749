// Play: answers typed on the device's keys or the on-screen keypad, judged as soon as they are as long
// as the result; points, time bonus and penalty; the level advance after each challenge; the sounds.
#include <algorithm>
#include <utility>

#include "game/MathGame.h"
#include "platform/Platform.h"
#include "support/NumberText.h"

namespace {

constexpr uint32_t starKey = platform::VK_F8;  // the '*' key of a keypad phone
constexpr uint32_t hashKey = platform::VK_F9;  // '#'

constexpr bool isDigitKey(uint32_t key) { return key >= '0' && key <= '9'; }

// Results are never negative: subtraction is ordered and division exact.
constexpr int32_t decimalDigits(int32_t value) {
    if (value <= 9) return 1;
    if (value <= 99) return 2;
    if (value <= 999) return 3;
    if (value <= 9999) return 4;
    return 5;
}

// A touch that acts at once, when the stylus goes down. A press and a release that both arrive between
// two frames leave only the click latch (the release clears the down latch), so the click counts too,
// unless its press has already been acted on. pressSeen remembers that press until its release.
bool takeTouch(Button& button, bool& pressSeen) {
    if (button.takeDownLatch()) {
        pressSeen = true;
        return true;
    }
    if (button.takeClickLatch()) return !std::exchange(pressSeen, false);
    // Released outside the button: no click will come for this press.
    if (!button.pressed) pressSeen = false;
    return false;
}

void play(const std::unique_ptr<Sound>& sound) {
    if (sound) sound->playSound();
}

char operatorCharacter(uint16_t op) {
    switch (op) {
        case OpSubtraction:
            return '-';
        case OpMultiplication:
            return 'x';
        case OpDivision:
            return '/';
        default:
            return '+';
    }
}

}  // namespace

void MathGame::startRound() {
    level = 1;
    feedbackFade = 0;
    score = 0;
    answerText.clear();
    challengeActive = false;
    generator.resetForRound();

    const DifficultySettings settings = difficultySettings(difficulty());
    scoreTimeMark = StartingSeconds;
    timeBonus = settings.timeBonus;
    timePenalty = settings.timePenalty;

    // A clock left paused by an earlier game would otherwise stand still at 30 seconds.
    clock.resumeCountdown();
    clock.startClock(StartingSeconds, ClockCapacity);
    if (generator.nextProblem()) play(challengeSound);
}

// The options screen's way into play: a new game, with its sound.
void MathGame::startFromOptions() {
    startRound();
    optionsShown = false;
    play(levelSound);
}

void MathGame::typeDigit(char16_t digit) {
    if (!isPlaying() || optionsShown || gameOver) return;
    // Between the challenge's right answer and the next frame's level advance the player has not seen
    // the next problem yet, and the answered one must not score twice.
    if (levelEnding()) return;
    answerText.push_back(digit);
    if (checkAnswer() && generator.nextProblem()) play(challengeSound);
}

bool MathGame::checkAnswer() {
    const int32_t result = generator.current.result();
    const auto typedLength = static_cast<int32_t>(answerText.size());
    const int32_t needed = decimalDigits(result);
    if (typedLength < needed) return false;
    if (typedLength == needed && parseAnswer(answerText) == result) {
        acceptAnswer();
        return true;
    }
    rejectAnswer();
    return false;
}

void MathGame::acceptAnswer() {
    const int32_t left = clock.secondsLeft();
    const int32_t number = generator.problemNumber;
    const int32_t perLevel = generator.problemsPerLevel;
    int32_t bonusMs = timeBonus * 1000;
    if (number != perLevel) {
        // Ten points within the second the problem was posed, one fewer for each further second.
        score += std::clamp(left - scoreTimeMark + 11, 1, 10);
    } else {
        score += ChallengePoints;
        bonusMs += 2;
    }
    clock.addTime(bonusMs);
    if (number < perLevel - 1) {
        play(rightSound);
        feedbackText = answerText;
        feedbackFade = FeedbackStart;
    }
    scoreTimeMark = clock.secondsLeft();
    answerText.clear();
}

void MathGame::rejectAnswer() {
    answerText.clear();
    play(wrongSound);
    clock.addTime(timePenalty * 1000);
}

void MathGame::skipChallenge() {
    // Digits typed for the skipped problem mean nothing for the next one.
    answerText.clear();
    if (generator.nextProblem()) play(challengeSound);
    advanceLevel();
}

void MathGame::advanceLevel() {
    generator.levelUp();
    ++level;
    play(levelSound);
    resumeClock();
    // Known at once, so that a second '#' before the next frame cannot skip the new level's first problem.
    challengeActive = generator.problemNumber == generator.problemsPerLevel;
}

// The first key in index order that was touched types its digit; the others wait for later frames.
void MathGame::typeFromKeypad() {
    for (int32_t i = 0; i < keypad.rows * keypad.columns; ++i) {
        if (!takeTouch(keypad.key(i), keyPressSeen[static_cast<size_t>(i)])) continue;
        const WString& label = keypad.key(i).text;
        if (!label.empty()) typeDigit(label.front());
        return;
    }
}

bool MathGame::answerAreaTouched() { return takeTouch(answerArea, answerAreaPressSeen); }

void MathGame::playSteps() {
    typeFromKeypad();
    if (softKeyBar.key(0).takeClickLatch()) {
        showGameOptions();
        return;
    }
    if (clock.secondsLeft() < 1) endGame();
    if (levelEnding()) advanceLevel();
    challengeActive = generator.problemNumber == generator.problemsPerLevel;
    // Taken in every frame, so that a tap left over from an earlier challenge cannot skip a later one.
    const bool skipTapped = skipButton.takeClickLatch();
    if (challengeActive && skipTapped) skipChallenge();
}

bool MathGame::playKeyDown(uint32_t key) {
    if (isDigitKey(key)) {
        typeDigit(static_cast<char16_t>(key));
    } else if (key == platform::VK_BACK || key == platform::VK_DELETE) {
        answerText.clear();
    } else if (key == starKey) {
        if (answerText.empty()) {
            showGameOptions();
        } else {
            answerText.clear();
        }
    } else if (key == hashKey) {
        if (challengeActive) skipChallenge();
    }
    return true;
}

bool MathGame::posedProblem(platform::PosedProblem& problem) {
    if (!isPlaying() || optionsShown || gameOver) return false;
    const int32_t number = generator.problemNumber;
    if (number < 1 || number > generator.problemsPerLevel) return false;
    const Problem& current = generator.current;
    problem.first = current.first;
    problem.op = operatorCharacter(current.op);
    problem.second = current.second;
    problem.result = current.result();
    return true;
}
