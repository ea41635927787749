#pragma once
// One round of play, apart from its drawing: the problems, the typed answer, the score and level, the
// clock, and the fading copy of the last right answer. It changes only through the operations below,
// which the game calls while handling input, in the frame's update step and once the frame is drawn;
// the play screen reads it through const access and changes nothing.
//
// Every typed digit comes in through enterDigit. An answer is judged as soon as it has as many digits
// as the result, never by a separate enter key, and each judgement is one JudgedAnswer, made in one
// place (judge) and passed to onJudged before its outcome is applied. A challenge passed over and a
// problem left posed when the clock runs out are judged there too, as Skipped and Timeout.
#include <cstdint>
#include <functional>

#include "game/CountdownClock.h"
#include "game/ProblemGenerator.h"
#include "support/Sound.h"
#include "support/WString.h"

enum class Outcome : uint8_t { Right, Wrong, Skipped, Timeout };

struct JudgedAnswer {
    Problem problem;
    int32_t typed = 0;  // the answer as a number; a too long answer is Wrong whatever it reads
    Outcome outcome = Outcome::Wrong;
    uint32_t posedAtMs = 0;   // the platform's tick count when the problem was posed
    uint32_t judgedAtMs = 0;  // and when the answer was judged
    int32_t typedDigits = 0;  // 0: nothing was typed (a skip, or a timeout before any digit)

    friend bool operator==(const JudgedAnswer&, const JudgedAnswer&) = default;
};

// The round's sounds; none is owned, and any may be missing.
struct RoundSounds {
    Sound* right = nullptr;      // a right answer to an ordinary problem but the last
    Sound* wrong = nullptr;      // a wrong answer
    Sound* level = nullptr;      // a level is advanced
    Sound* tick = nullptr;       // the shown second changes
    Sound* challenge = nullptr;  // the challenge problem is posed
};

class Round {
public:
    static constexpr int32_t ClockCapacity = 60;  // seconds
    static constexpr int32_t StartingSeconds = 30;
    static constexpr int32_t ChallengePoints = 60;
    static constexpr int32_t FeedbackStart = 255;  // the copy of a right answer starts black
    static constexpr int32_t FeedbackStep = 10;    // and fades this much with every frame shown

    Round();

    // Input.
    void start(const OperationSet& operations, int32_t difficulty);
    // Appends one digit and judges the answer once it is as long as the result.
    void enterDigit(char16_t digit);
    void clearAnswer() { answerText.clear(); }
    // The challenge is passed over: its level ends at once. Nothing happens unless it is shown.
    void skipChallenge();
    // The clock has run out: a problem still posed is judged Timeout. Called once, as the game ends.
    void clockRanOut();
    void pauseClock() { clockState.pauseCountdown(); }
    void resumeClock() { clockState.resumeCountdown(); }

    // The frame's update step, after input: advances a finished level and notes whether the challenge
    // is shown.
    void update();
    // Plays the tick when the shown second has changed; last in the update, so that a tick never
    // keeps out a sound of the same frame.
    void tickClock();
    // After the frame is drawn: the copy of the last right answer fades one step.
    void frameShown();

    // What the screen shows.
    bool timeIsUp() const { return clockState.secondsLeft() < 1; }
    int32_t score() const { return points; }
    int32_t level() const { return levelNumber; }
    const WString& answer() const { return answerText; }
    const WString& feedback() const { return feedbackText; }
    int32_t feedbackFade() const { return fade; }
    // The challenge as last updated: keys between frames act on what the player sees.
    bool challengeShown() const { return challengeActive; }
    const ProblemGenerator& generator() const { return problems; }
    const CountdownClock& clock() const { return clockState; }

    // For setting up a situation in tests and benchmarks.
    ProblemGenerator& generator() { return problems; }
    CountdownClock& clock() { return clockState; }
    void restartFeedback() { fade = FeedbackStart; }

    RoundSounds sounds;
    std::function<void(const JudgedAnswer&)> onJudged;

private:
    JudgedAnswer judge(Outcome outcome) const;
    // A new problem is shown (none while a level ends): its time starts and the event log hears of it.
    void markPosed();
    void accept();
    void reject();
    void nextProblem();
    void advanceLevel();

    ProblemGenerator problems;
    CountdownClock clockState;
    int32_t points = 0;
    int32_t levelNumber = 0;
    WString answerText;
    WString feedbackText;  // the last right answer, fading under the next problem
    int32_t fade = 0;
    int32_t scoreTimeMark = StartingSeconds;  // seconds left when the current problem began to count
    uint32_t posedAtMs = 0;
    int32_t timeBonus = 0;
    int32_t timePenalty = 0;
    bool challengeActive = false;
};
