#pragma once
// The game screen during play: the soft-key bar, the "Time" panel with the clock and its three lights,
// the "Next" panel, the status lines, the current problem written as on paper (operands stacked and
// right-aligned, a rule, the answer below it) and, on stylus screens, the digit keypad. GameLayout says
// where each goes. Where there is no keypad, a digit selector next to the answer lets a gamepad type;
// it shows only while the focus does.
//
// The screen reads the round and never changes it. What the player touches is left in the widgets'
// latches and taken in the next frame by takeInput, for the game to apply.
#include <array>
#include <cstdint>
#include <memory>

#include "game/GameLayout.h"
#include "game/KeyGrid.h"
#include "game/Practice.h"
#include "game/Round.h"
#include "support/WString.h"
#include "text/Font.h"
#include "ui/Button.h"
#include "ui/DigitSelector.h"

class ArcadeGame;

// What the player touched on the play screen since the last frame.
struct PlayInput {
    char16_t digit = 0;  // the digit of the keypad key touched first (or entered by the selector), or 0
    bool menuTapped = false;
    bool skipTapped = false;
    bool problemTouched = false;  // a touch on the problem clears the typed answer
};

class PlayScreen {
public:
    explicit PlayScreen(ArcadeGame& owner);

    // The problem font, 48 pixels (36 on the keypad phones) until the layout asks for less room.
    void makeFonts();
    void releaseFonts();
    // The keypad takes the labels of the screen's orientation.
    void labelKeypad();

    PlayInput takeInput();
    // A latch set on a screen that has gone must not act when it comes back, perhaps games later.
    void dropLatches();

    // Lays the screen out for the current screen size and font; fonts are made only when that changed.
    void arrange();
    void draw(const Round& round);
    // A practice session on the same screen: the time of the problem in progress where the clock
    // is, how far the session is and, after a wrong answer, the whole fact with its answer.
    void drawPractice(const PracticeSession& session, uint32_t nowMs);

    // The layout the last frame of play was drawn with.
    const GameLayout& layout() const { return placed; }

    KeyGrid softKeyBar;
    KeyGrid keypad;
    Button skipButton;
    Button answerArea;  // hidden: takes touches on the current problem
    DigitSelector digitSelector;
    std::unique_ptr<Font> bigFont;

private:
    struct ProblemLines {
        int32_t left;        // the left end of the rule
        int32_t right;       // the common right edge of the lines
        int32_t answerLine;  // the top of the answer line
    };

    void fitProblemFont();
    void fitKeypadFont();
    void drawPanelLabel(const WString& label, int32_t x, int32_t y, int32_t w);
    void drawTimePanel(const Rect& box, const CountdownClock& clock);
    void drawLights(const CountdownClock& clock, int32_t x, int32_t top, int32_t size, int32_t spacing);
    void drawNextPanel(const Rect& box, const Problem& problem, const WString& label);
    void drawCurrentProblem(const Rect& box, const Round& round);
    ProblemLines drawProblemLines(Font& font, int32_t x, int32_t y, int32_t w, int32_t h, const Problem& problem,
                                  bool withAnswerLine);
    void drawStatusLines(const Rect& box, const Round& round);
    // Centred in the box across the line's height, but never past the screen's right edge, which
    // the portrait status box overhangs.
    void drawCentredLine(const Rect& box, const WString& text, int32_t top, int32_t lineHeight, Rgb colour);
    // The soft key, the keypad (or the digit selector) and the answer area, each joining the focus.
    void drawControls(bool withSkip);
    void drawKeypad();
    void placeDigitSelector(const ProblemLines& lines, int32_t ascent);
    static bool skipShown(const Round& round) { return round.challengeShown() && round.answer().empty(); }

    ArcadeGame& app;
    GameLayout placed;
    ProblemFontModel nominalFont;  // the problem font as first made, before any fitting
    int32_t bigFontSize = 0;
    std::unique_ptr<Font> keypadFont;  // sized to the keys
    int32_t keypadFontSize = 0;

    // Keys and the answer area act when touched; these remember a press already acted on.
    std::array<bool, KeyGrid::KeyCount> keyPressSeen{};
    bool answerAreaPressSeen = false;

    // Texts rebuilt in every frame, kept so that a steady frame allocates nothing.
    WString firstLine;
    WString secondLine;
    WString statusLine;
};
