#pragma once
// The arithmetic game: the options screen before each game, and play against a 60-second clock that
// starts half full. Right answers score up to 10 points (60 for the challenge that closes each level)
// and add time, wrong answers take time away, and the game ends when the clock shows 0.
//
// The front-end decides which screen is up; it calls gameFrame once per frame while the game's screen
// is shown and passes on the keys it does not use itself. The game polls its widgets' latches at the
// start of each frame, so a tap acts one frame after the widget was drawn.
//
// The work is split by concern: play and scoring (GamePlay.cpp), the game screen's layout and drawing
// (GameScreen.cpp, with the arithmetic of the layout in GameLayout), and the options screen
// (GameOptions.cpp).
#include <array>
#include <cstdint>
#include <memory>

#include "frontend/ArcadeGame.h"
#include "game/CountdownClock.h"
#include "game/GameLayout.h"
#include "game/KeyGrid.h"
#include "game/ProblemGenerator.h"
#include "support/Sound.h"
#include "support/WString.h"
#include "text/Font.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/OptionRow.h"

namespace platform {
struct PosedProblem;
}

class MathGame : public ArcadeGame {
public:
    static constexpr int32_t ClockCapacity = 60;  // seconds
    static constexpr int32_t StartingSeconds = 30;
    static constexpr int32_t ChallengePoints = 60;
    static constexpr int32_t FeedbackStart = 255;  // the last right answer starts black and fades out

    MathGame();
    ~MathGame() override;

    // The screen turned: the keypad takes the labels of the new orientation.
    void onResize(int32_t newWidth, int32_t newHeight) override;

    // The game operations the front-end calls.
    void buildGameUi() override;
    void releaseGameResources() override;
    void gameFrame() override;
    void showGameOptions() override;
    void pauseClock() override { clock.pauseCountdown(); }
    void resumeClock() override { clock.resumeCountdown(); }
    int32_t difficulty() override { return difficultyRow.selectedIndex(); }
    int32_t operationMask() override;
    void modeText(WString& text) override;
    bool gameKeyDown(uint32_t key, const uint32_t* keys) override;
    int32_t exchangeGameSettings(DataFile& file) override;

    // Play (GamePlay.cpp).
    void startRound();
    // Appends one typed digit and judges the answer once it is as long as the result.
    void typeDigit(char16_t digit);
    // True when the answer was judged and right.
    bool checkAnswer();
    void acceptAnswer();
    void rejectAnswer();
    // The challenge is passed over: its level ends at once.
    void skipChallenge();
    // The problem the player sees; false while none is posed (options, game over, a level ending).
    bool posedProblem(platform::PosedProblem& problem);

    // The game screen (GameScreen.cpp).
    void drawPlay();
    void drawProblemPanel(const Rect& box, const Problem& problem, const WString* answer, Rgb colour,
                          const WString* label, bool framed);
    void drawTimePanel(const Rect& box, const WString* label, bool framed);
    void drawStatusLines(const Rect& box, bool showScore, bool showLevel, bool showProblem, bool framed);
    // The layout the last frame of play was drawn with.
    const GameLayout& currentLayout() const { return layout; }

    // The options screen (GameOptions.cpp).
    void drawOptions();

    ProblemGenerator generator{[this] { return difficulty(); }};
    CountdownClock clock;
    WString answerText;
    WString feedbackText;  // the last right answer, fading under the next problem
    int32_t feedbackFade = 0;
    int32_t scoreTimeMark = StartingSeconds;  // seconds left when the current problem began to count
    int32_t timeBonus = 0;
    int32_t timePenalty = 0;
    bool challengeActive = false;
    bool optionsShown = true;

    // Play's widgets.
    KeyGrid softKeyBar;
    KeyGrid keypad;
    Button skipButton;
    Button answerArea;  // hidden: a touch on the problem clears the typed answer

    // The options screen's widgets; the difficulty row's selection is the game's difficulty.
    CheckBox addBox;
    CheckBox subtractBox;
    CheckBox multiplyBox;
    CheckBox divideBox;
    OptionRow difficultyRow;
    Button startButton;
    Button menuButton;

    // The font the current problem is drawn in: 48 pixels (36 on the keypad phones) unless the screen
    // has too little room for that beside the keypad, and then the largest size that fits.
    std::unique_ptr<Font> bigFont;
    std::unique_ptr<Font> keypadFont;  // sized to the keys

    std::unique_ptr<Sound> rightSound;      // 108: a right answer to problems 1 to 9
    std::unique_ptr<Sound> wrongSound;      // 110
    std::unique_ptr<Sound> levelSound;      // 112: a game starts, a level is advanced
    std::unique_ptr<Sound> tickSound;       // 114: the shown second changes
    std::unique_ptr<Sound> challengeSound;  // 115: the challenge problem is posed

private:
    // GamePlay.cpp
    void playSteps();
    void typeFromKeypad();
    bool answerAreaTouched();
    void advanceLevel();
    void startFromOptions();
    bool playKeyDown(uint32_t key);
    bool levelEnding() const { return generator.problemNumber > generator.problemsPerLevel; }

    // GameOptions.cpp
    void optionSteps();
    bool optionKeyDown(uint32_t key);
    bool anyOperationEnabled() const;
    void setUpOptionWidgets();
    void dropOptionLatches();
    int32_t difficultyRowWidth();

    // GameScreen.cpp
    void labelKeypad();
    void dropPlayLatches();
    void updateLayout();
    void fitProblemFont();
    void fitKeypadFont();
    void drawKeypad();
    void drawLights(int32_t x, int32_t top, int32_t size, int32_t spacing);
    void drawPanelLabel(const WString& label, int32_t x, int32_t y, int32_t w);

    // Keys and the answer area act when touched; these remember a press already acted on.
    std::array<bool, KeyGrid::KeyCount> keyPressSeen{};
    bool answerAreaPressSeen = false;

    GameLayout layout;
    ProblemFontModel nominalFont;  // the problem font as first made, before any fitting
    int32_t bigFontSize = 0;
    int32_t keypadFontSize = 0;

    // Texts rebuilt in every frame of play, kept so that a steady frame allocates nothing.
    WString firstLine;
    WString secondLine;
    WString statusLine;
};
