#pragma once
// Where everything of the game screen goes, worked out from the screen size and the line step of the
// front-end's font alone, so that the arithmetic can be checked without drawing.
//
// Portrait and nearly square screens put the "Time" and "Next" panels at the top left, the status
// lines at the top right and the current problem across the rest; landscape screens keep the panels
// and the status lines in the left half and give the current problem the right half.
//
// Screens with a stylus (all but the keypad phones) also get the digit keypad. It takes its room from
// the current problem's region (its bottom, or its right side) or, in landscape, from below the status
// lines, wherever the problem keeps the largest digits; the keys never get smaller than a finger needs
// (28 pixels on a 240-pixel-wide screen, in proportion elsewhere). Where room runs short the problem's
// digits get smaller, never the keys.
#include <cstdint>

#include "render/Rect.h"

// Digits smaller than this are no longer worth shrinking to.
inline constexpr int32_t SmallestProblemFont = 10;

// The problem font's measurements at one pixel size; other sizes are estimated in proportion.
struct ProblemFontModel {
    int32_t size = 0;    // pixel height asked of the font
    int32_t ascent = 0;  // line step
    int32_t cell = 0;    // width of one fixed cell (the width of '0')
};

struct GameLayoutInput {
    int32_t width = 0;
    int32_t height = 0;
    int32_t lineStep = 0;  // L: the ascent of the front-end's font
    bool landscape = false;
    bool withKeypad = false;
    ProblemFontModel font;  // the problem font at its full size
};

struct GameLayout {
    int32_t width = 0;
    int32_t height = 0;
    int32_t lineStep = 0;
    bool landscape = false;

    Rect softKeyBar;
    // The panels' regions; each label takes a line and a half at the top and pushes its panel down.
    Rect timePanel;
    Rect nextPanel;
    Rect status;
    Rect problemRegion;      // the current problem's whole region
    Rect problemArea;        // what the keypad leaves of it for the problem
    int32_t labelLimit = 0;  // panel labels end left of this

    bool keypadShown = false;
    Rect keypad;
    int32_t keyHeight = 0;

    int32_t problemFontSize = 0;  // the largest size up to the full one whose problem fits problemArea
};

// The keypad's shape for a screen: three rows of four in portrait, four rows of three otherwise.
constexpr int32_t keypadRowsFor(int32_t width, int32_t height) { return height > width ? 3 : 4; }
constexpr int32_t keypadColumnsFor(int32_t width, int32_t height) { return height > width ? 4 : 3; }

// The stacked problem: two operand lines, the rule and the answer line.
int32_t problemBlockHeight(int32_t ascent, bool withAnswer);
// True when a problem in a font of this ascent and cell width fits the area with a little air,
// answers of up to five digits included.
bool problemFits(const Rect& area, int32_t ascent, int32_t cell, int32_t lineStep);

GameLayout computeGameLayout(const GameLayoutInput& input);
