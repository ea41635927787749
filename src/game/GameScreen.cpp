// The game screen during play: the soft-key bar, the "Time" panel with the clock and its three lights,
// the "Next" panel, the status lines, the current problem written as on paper (operands stacked and
// right-aligned, a rule, the answer below it) and, on stylus screens, the digit keypad. GameLayout
// says where each goes; this file draws them.
#include <algorithm>

#include "game/MathGame.h"
#include "render/Primitives.h"
#include "support/NumberText.h"
#include "text/TextDraw.h"
#include "ui/Palette.h"

namespace {

constexpr Rgb textColour = 0x00000000;
constexpr Rgb lightGreen = 0x0000FF00;
constexpr Rgb lightYellow = 0x0000FFFF;
constexpr Rgb lightRed = 0x000000FF;
constexpr Rgb lightOff = 0x00FFFFFF;

// Below this many seconds all three lights blink.
constexpr int32_t blinkBelowSeconds = 5;

// Seconds at which one light turns from green to yellow, to red, and goes out.
struct LightThresholds {
    int32_t yellowBelow;
    int32_t redBelow;
    int32_t offBelow;
};
constexpr LightThresholds lightThresholds[3] = {{15, 10, 5}, {35, 25, 20}, {60, 50, 45}};

constexpr int32_t fadeStep = 10;

constexpr int32_t smallestKeypadFont = 14;
constexpr int32_t largestKeypadFont = 40;

const WString timeLabel = u"Time";
const WString nextLabel = u"Next";
const WString nextProblemLabel = u"Next Problem";
const WString challengeLabel = u"Challenge Problem";

// Row by row, as a telephone's keys; in the three-row layout the right column is one tall "0".
const char16_t* const threeRowLabels[KeyGrid::KeyCount] = {u"7", u"8", u"9", u"0", u"4", u"5",
                                                           u"6", u"0", u"1", u"2", u"3", u"0"};
const char16_t* const fourRowLabels[KeyGrid::KeyCount] = {u"7", u"8", u"9", u"4", u"5", u"6",
                                                          u"1", u"2", u"3", u"0", u"",  u""};

Rgb lightColour(int32_t seconds, const LightThresholds& light) {
    if (seconds >= light.yellowBelow) return lightGreen;
    if (seconds >= light.redBelow) return lightYellow;
    if (seconds >= light.offBelow) return lightRed;
    return lightOff;
}

constexpr Rgb greyLevel(int32_t fade) {
    const auto g = static_cast<uint32_t>(255 - fade);
    return g | (g << 8) | (g << 16);
}

std::unique_ptr<Font> makeProblemFont(int32_t size) {
    auto font = Font::create(u"Verdana", size);
    if (font) font->setCellWidth(font->charWidth('0'));
    return font;
}

}  // namespace

void MathGame::labelKeypad() {
    const int32_t rows = keypadRowsFor(width, height);
    keypad.setLayout(rows, keypadColumnsFor(width, height));
    const char16_t* const* labels = rows == 3 ? threeRowLabels : fourRowLabels;
    for (int32_t i = 0; i < KeyGrid::KeyCount; ++i) keypad.key(i).text = labels[i];
}

void MathGame::dropPlayLatches() {
    for (Button& key : keypad.keys) {
        key.takeDownLatch();
        key.takeClickLatch();
    }
    keyPressSeen.fill(false);
    softKeyBar.key(0).takeClickLatch();
    skipButton.takeClickLatch();
    answerArea.takeDownLatch();
    answerArea.takeClickLatch();
    answerAreaPressSeen = false;
}

// Worked out again only when the screen or the font changed, since fitting the fonts opens new ones.
void MathGame::updateLayout() {
    const int32_t lineStep = currentAscent();
    if (layout.width == width && layout.height == height && layout.lineStep == lineStep) return;
    GameLayoutInput input;
    input.width = width;
    input.height = height;
    input.lineStep = lineStep;
    input.landscape = width > height && !isNearlySquare();
    input.withKeypad = !isSmallScreen();
    input.font = nominalFont;
    layout = computeGameLayout(input);
    labelKeypad();
    fitProblemFont();
    fitKeypadFont();
}

// The layout's size is an estimate from the full-size font; the real font is measured, and a size
// smaller if its digits turn out a little wider or taller than estimated.
void MathGame::fitProblemFont() {
    if (nominalFont.size == 0 || layout.problemFontSize == bigFontSize) return;
    const int32_t smallest = std::min(layout.problemFontSize, SmallestProblemFont);
    for (int32_t size = layout.problemFontSize; size >= smallest; --size) {
        auto font = makeProblemFont(size);
        if (!font) return;
        const bool fits = problemFits(layout.problemArea, font->ascent(), font->charWidth('0'), layout.lineStep);
        if (fits || size == smallest) {
            bigFont = std::move(font);
            bigFontSize = size;
            return;
        }
    }
}

void MathGame::fitKeypadFont() {
    if (!layout.keypadShown) return;
    const int32_t size = std::clamp(layout.keyHeight * 11 / 20, smallestKeypadFont, largestKeypadFont);
    if (size == keypadFontSize && keypadFont) return;
    keypadFont = Font::create(u"Verdana", size);
    keypadFontSize = keypadFont ? size : 0;
}

void MathGame::drawPlay() {
    selectArcadeFont();
    updateLayout();
    const int32_t l = layout.lineStep;

    softKeyBar.setPosition(layout.softKeyBar.left, layout.softKeyBar.top);
    softKeyBar.setSize(layout.softKeyBar.width(), layout.softKeyBar.height());
    // Placed on the answer line when it is drawn; its size is set here, in the font of its label.
    skipButton.setPosition(layout.timePanel.left, layout.timePanel.top);
    skipButton.setHeight(3 * l);
    skipButton.setWidth(width / 8 + width / 4);

    drawTimePanel(layout.timePanel, &timeLabel, true);
    if (!challengeActive) {
        drawProblemPanel(layout.nextPanel, generator.prepared, nullptr, textColour,
                         layout.landscape ? &nextProblemLabel : &nextLabel, true);
    }
    drawStatusLines(layout.status, true, true, true, false);
    if (bigFont) {
        setCurrentFont(bigFont.get());
        drawProblemPanel(layout.problemArea, generator.current, &answerText, textColour, nullptr, false);
    }

    selectArcadeFont();
    softKeyBar.draw();
    drawKeypad();
    setCurrentFont(bigFont.get());

    if (answerAreaTouched()) answerText.clear();
    answerArea.setPosition(layout.problemArea.left, layout.problemArea.top);
    answerArea.setSize(layout.problemArea.width(), layout.problemArea.height());
    answerArea.draw();
}

void MathGame::drawKeypad() {
    if (!layout.keypadShown) return;
    setCurrentFont(keypadFont ? keypadFont.get() : arcadeFont.get());
    keypad.setPosition(layout.keypad.left, layout.keypad.top);
    keypad.setSize(layout.keypad.width(), layout.keypad.height());
    keypad.draw();
}

// Centred over its panel, but kept on its side of the screen: a label wider than its panel must not
// reach into the current problem's half.
void MathGame::drawPanelLabel(const WString& label, int32_t x, int32_t y, int32_t w) {
    if (!arcadeFont) return;
    const int32_t labelWidth = arcadeFont->textWidth(label);
    const int32_t left = std::max(0, std::min(x + w / 2 - labelWidth / 2, layout.labelLimit - labelWidth - 1));
    drawText(*arcadeFont, label, left, y, textColour);
}

void MathGame::drawTimePanel(const Rect& box, const WString* label, bool framed) {
    const int32_t l = layout.lineStep;
    const int32_t x = box.left;
    const int32_t w = box.width();
    const int32_t h = box.height();
    int32_t y = box.top;
    if (label) {
        drawPanelLabel(*label, x, y, w);
        y += l + l / 2;
    }
    if (framed) drawPanel(x, y, w, h, inkColour, 1, paletteLightRed);

    int32_t size = w / 4;
    int32_t margin = w / 16;
    int32_t spacing = margin;
    // A wide, low panel (a large screen with a small font) would put the lights over the clock; they
    // shrink to the room under it and spread over the panel's width.
    if (size > h - 2 * margin - l - 1) {
        margin = std::min(margin, std::max(1, l / 4));
        size = std::max(0, std::min(w / 4, h - 2 * margin - l - 1));
        spacing = (w - 3 * size) / 4;
    }
    clock.setPosition(x, y + margin);
    clock.setWidth(w);
    clock.draw();
    drawLights(x, y + h - size - margin, size, spacing);
}

void MathGame::drawLights(int32_t x, int32_t top, int32_t size, int32_t spacing) {
    const int32_t seconds = clock.secondsLeft();
    const bool blinking = seconds < blinkBelowSeconds;
    const Rgb blinkColour = clock.blinkPhase() ? lightRed : lightOff;
    for (int32_t i = 0; i < 3; ++i) {
        const Rgb colour = blinking ? blinkColour : lightColour(seconds, lightThresholds[i]);
        drawPanel(x + spacing + i * (size + spacing), top, size, size, 0, 1, colour);
    }
}

void MathGame::drawProblemPanel(const Rect& box, const Problem& problem, const WString* answer, Rgb colour,
                                const WString* label, bool framed) {
    Font* font = currentFont();
    if (!font) return;
    const int32_t x = box.left;
    const int32_t w = box.width();
    const int32_t h = box.height();
    int32_t y = box.top;
    if (label) {
        drawPanelLabel(*label, x, y, w);
        y += layout.lineStep + layout.lineStep / 2;
    }
    if (framed) drawPanel(x, y, w, h, inkColour, 1, paletteLightRed);

    const int32_t ascent = font->ascent();
    const int32_t e = ascent / 8;
    const int32_t row = ascent + e;
    const int32_t top = y + (h / 2 - problemBlockHeight(ascent, answer != nullptr) / 2);

    setDecimal(firstLine, problem.first);
    secondLine.clear();
    secondLine.push_back(static_cast<char16_t>(problem.op));
    secondLine.push_back(u' ');
    appendDecimal(secondLine, problem.second);

    TextStyle style;
    style.fixedCells = true;
    style.colour = colour;
    const int32_t firstWidth = font->styledTextWidth(firstLine, style);
    const int32_t secondWidth = font->styledTextWidth(secondLine, style);
    const int32_t wider = std::max(firstWidth, secondWidth);
    const int32_t right = x + (w / 2 - wider / 2) + wider;
    drawTextStyled(*font, firstLine, right - firstWidth, top, style);
    drawTextStyled(*font, secondLine, right - secondWidth, top + row, style);
    fillBox(right - wider, top + 2 * row, wider, e, colour);

    const int32_t answerY = top + 2 * row + ascent / 4 + e;
    if (feedbackFade > 0 && font == bigFont.get()) {
        // Only on an empty answer line: under typed digits or the skip button it would be a smudge.
        const bool lineFree = !answer || (answer->empty() && !challengeActive);
        if (lineFree) {
            drawText(*font, feedbackText, right - font->textWidth(feedbackText), answerY, greyLevel(feedbackFade));
        }
        feedbackFade = std::max(0, feedbackFade - fadeStep);
    }
    if (!answer) return;
    if (challengeActive && answer->empty()) {
        selectArcadeFont();
        // Never lower than the problem's area, so that it stays clear of the keypad below it.
        const int32_t l = layout.lineStep;
        skipButton.setHeight(std::clamp(box.bottom - answerY, l + l / 2, 3 * l));
        skipButton.setPosition(x + w / 2 - skipButton.getWidth() / 2, answerY);
        skipButton.draw();
        setCurrentFont(font);
        return;
    }
    drawText(*font, *answer, right - font->textWidth(*answer), answerY, textColour);
}

void MathGame::drawStatusLines(const Rect& box, bool showScore, bool showLevel, bool showProblem, bool framed) {
    Font* font = currentFont();
    if (!font) return;
    if (framed) drawPanel(box.left, box.top, box.width(), box.height(), inkColour, 1, paletteLightGreen);
    const int32_t count = (showScore ? 1 : 0) + (showLevel ? 1 : 0) + (showProblem ? 1 : 0);
    if (count == 0) return;
    const int32_t lineHeight = box.height() / count;

    // Centred in its box, but never past the screen's right edge, which the portrait status box overhangs.
    const auto drawCentred = [&](const WString& text, int32_t top, int32_t boxHeight) {
        const int32_t textWidth = font->textWidth(text);
        const int32_t rightmost = width - textWidth - std::max(1, font->ascent() / 4);
        const int32_t left = std::max(0, std::min(box.left + box.width() / 2 - textWidth / 2, rightmost));
        drawText(*font, text, left, top + boxHeight / 2 - font->ascent() / 2, textColour);
    };
    if (challengeActive) {
        drawCentred(challengeLabel, box.top, box.height());
        return;
    }
    int32_t top = box.top;
    if (showScore) {
        statusLine.assign(u"Score: ");
        appendDecimal(statusLine, score);
        drawCentred(statusLine, top, lineHeight);
        top += lineHeight;
    }
    if (showLevel) {
        statusLine.assign(u"Level: ");
        appendDecimal(statusLine, level);
        drawCentred(statusLine, top, lineHeight);
        top += lineHeight;
    }
    if (showProblem) {
        statusLine.assign(u"Problem: ");
        appendDecimal(statusLine, generator.problemNumber);
        statusLine.push_back(u'/');
        appendDecimal(statusLine, generator.problemsPerLevel - 1);
        drawCentred(statusLine, top, lineHeight);
    }
}
