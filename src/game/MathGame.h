#pragma once
// The arithmetic game: the options screen before each game, and play against a 60-second clock that
// starts half full. Right answers score up to 10 points (60 for the challenge that closes each level)
// and add time, wrong answers take time away, and the game ends when the clock shows 0.
//
// Where things are in src/game:
//   MathGame        the game object the front-end drives: its game operations, keys and the frame's
//                   order of work (gameFrame, in MathGame.cpp)
//   Round           the model of one round: score, level, typed answer, clock, problems, the fading
//                   copy of the last right answer; each judged answer is one JudgedAnswer
//   PlayScreen      the view of play: reads the Round, draws it, and collects the touches on its widgets
//   GameLayout      where the play screen's parts go, from the screen size alone
//   OptionsScreen   the options screen: operations, difficulty, the settings record, the mode text
//   ProblemGenerator, IntPool, Problem
//                   the problems of a level and the level's structure (ten problems and the challenge)
//   Difficulty      the difficulties' names and starting values
//   PracticePlan, Practice, PracticeSummary
//                   practice: the problems chosen from the history, the session with its corrections
//                   (drawn by PlayScreen), and the summary at its end
//   CountdownClock, KeyGrid
//                   the round's clock and the keypad's grid of buttons
//
// The front-end decides which screen is up; it calls gameFrame once per frame while the game's screen is
// shown and passes on the keys it does not use itself.
#include <cstdint>
#include <memory>

#include "frontend/ArcadeGame.h"
#include "game/OptionsScreen.h"
#include "game/PlayScreen.h"
#include "game/Practice.h"
#include "game/PracticeSummary.h"
#include "game/Round.h"
#include "history/History.h"
#include "support/Sound.h"
#include "support/WString.h"

class MathGame : public ArcadeGame {
public:
    MathGame();
    ~MathGame() override;

    // The screen turned: the keypad takes the labels of the new orientation.
    void onResize(int32_t newWidth, int32_t newHeight) override;

    // The game operations the front-end calls.
    void buildGameUi() override;
    void releaseGameResources() override;
    void gameFrame() override;
    void showGameOptions() override { showingOptions = true; }
    void pauseClock() override { round.pauseClock(); }
    void resumeClock() override { round.resumeClock(); }
    void difficultyName(WString& name) override;
    void modeText(WString& text) override { options.modeText(text); }
    bool gameKeyDown(uint32_t key) override;
    int32_t exchangeGameSettings(DataFile& file) override;
    bool gameOptionsShown() override { return optionsShown(); }
    void startPractice() override;
    void startDaily() override;
    bool resultEntersTable() override { return mode != PlayMode::Daily; }

    // A practice session on exactly these facts, in this order (the facts a game's review lists).
    void startPractice(std::vector<PracticeFact> facts);
    void practiseFacts(const std::vector<history::ReviewItem>& review) override {
        startPractice(practiceOfReview(review));
    }

    int32_t difficulty() const { return options.difficulty(); }
    bool optionsShown() const { return showingOptions; }
    // The problem the player sees; false while none is posed (options, game over, a level ending).
    bool posedProblem(Problem& problem) const;

    Round round;
    PlayScreen play{*this};
    OptionsScreen options{*this};
    PracticeSession practice;
    PracticeSummary summary{*this};

private:
    // The one way in for a digit, from a key or from the keypad.
    void enterDigit(char16_t digit);
    void startFromOptions();
    void act(OptionsScreen::Action action);
    bool playKeyDown(uint32_t key);
    // The player leaves play for the options screen ("Menu (*)"): the game is abandoned.
    void abandonRound();
    // Every judged answer goes into the answer history.
    void remember(const JudgedAnswer& judged);
    // The front-end shows and records its own score and level counters; they follow the round's.
    void publishCounters();

    enum class PlayMode : uint8_t { Arcade, Practice, Daily };
    void practiceFrame();
    bool practiceKeyDown(uint32_t key);
    void leavePractice();
    void finishPractice();
    void endHistorySession(history::Ending ending, int32_t finalScore, int32_t finalLevel);
    void beginHistorySession(history::Mode historyMode, int32_t chosenDifficulty, const OperationSet& operations);
    void recordTry(const Problem& problem, const WString& typed, bool right, uint32_t shownAtMs, uint32_t judgedAtMs);
    // The facts among these whose last three tries were all right and quick.
    std::vector<PracticeFact> fluentAmong(const std::vector<PracticeFact>& facts);

    PlayMode mode = PlayMode::Arcade;
    bool showingSummary = false;
    uint32_t summarySince = 0;
    std::vector<PracticeFact> fluentBefore;

    bool showingOptions = true;

    std::unique_ptr<Sound> rightSound;      // 108
    std::unique_ptr<Sound> wrongSound;      // 110
    std::unique_ptr<Sound> levelSound;      // 112: a game starts, a level is advanced
    std::unique_ptr<Sound> tickSound;       // 114
    std::unique_ptr<Sound> challengeSound;  // 115
};
