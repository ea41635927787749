#include "game/PlayScreen.h"

#include <algorithm>
#include <utility>

#include "frontend/ArcadeGame.h"
#include "render/Primitives.h"
#include "support/NumberText.h"
#include "text/TextDraw.h"
#include "ui/Focus.h"
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

constexpr int32_t problemFont = 48;
constexpr int32_t smallScreenProblemFont = 36;
constexpr int32_t smallestKeypadFont = 14;
constexpr int32_t largestKeypadFont = 40;

const WString timeLabel = u"Time";
const WString nextLabel = u"Next";
const WString nextProblemLabel = u"Next Problem";
const WString challengeLabel = u"Challenge Problem";

// The digit of each key, row by row as on a telephone; the keys' labels are made from it. In the
// three-row layout the right column is one tall "0"; the four-row layout leaves its last two keys empty.
constexpr char16_t threeRowDigits[KeyGrid::KeyCount] = {u'7', u'8', u'9', u'0', u'4', u'5',
                                                        u'6', u'0', u'1', u'2', u'3', u'0'};
constexpr char16_t fourRowDigits[KeyGrid::KeyCount] = {u'7', u'8', u'9', u'4', u'5', u'6',
                                                       u'1', u'2', u'3', u'0', 0,    0};

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

}  // namespace

PlayScreen::PlayScreen(ArcadeGame& owner) : app(owner) {
    skipButton.text = u"Skip (#)";
    answerArea.hidden = true;
    softKeyBar.setLayout(1, 1);
    softKeyBar.key(0).text = u"Menu (*)";
    for (WString* text : {&firstLine, &secondLine, &statusLine}) text->reserve(32);
}

void PlayScreen::makeFonts() {
    const int32_t size = app.isSmallScreen() ? smallScreenProblemFont : problemFont;
    bigFont = makeProblemFont(size);
    if (bigFont) {
        nominalFont = {size, bigFont->ascent(), bigFont->charWidth('0')};
        bigFontSize = size;
    }
}

void PlayScreen::releaseFonts() {
    bigFont.reset();
    keypadFont.reset();
}

void PlayScreen::labelKeypad() {
    const int32_t rows = keypadRowsFor(app.width, app.height);
    keypad.setLayout(rows, keypadColumnsFor(app.width, app.height));
    const char16_t* digits = rows == 3 ? threeRowDigits : fourRowDigits;
    for (int32_t i = 0; i < KeyGrid::KeyCount; ++i) {
        WString& label = keypad.key(i).text;
        label.clear();
        if (digits[i] != 0) label.push_back(digits[i]);
    }
}

PlayInput PlayScreen::takeInput() {
    PlayInput input;
    // The first key in index order that was touched types its digit; the others wait for later frames.
    const char16_t* digits = keypad.rows == 3 ? threeRowDigits : fourRowDigits;
    for (int32_t i = 0; i < keypad.rows * keypad.columns; ++i) {
        if (!takeTouch(keypad.key(i), keyPressSeen[static_cast<size_t>(i)])) continue;
        input.digit = digits[i];
        break;
    }
    if (input.digit == 0) digitSelector.takeEntered(input.digit);
    input.menuTapped = softKeyBar.key(0).takeClickLatch();
    // Taken in every frame, so that a tap left over from an earlier challenge cannot skip a later one.
    input.skipTapped = skipButton.takeClickLatch();
    input.problemTouched = takeTouch(answerArea, answerAreaPressSeen);
    return input;
}

void PlayScreen::dropLatches() {
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
    char16_t entered = 0;
    digitSelector.takeEntered(entered);
}

void PlayScreen::arrange() {
    app.selectArcadeFont();
    const int32_t lineStep = currentAscent();
    if (placed.width != app.width || placed.height != app.height || placed.lineStep != lineStep) {
        GameLayoutInput input;
        input.width = app.width;
        input.height = app.height;
        input.lineStep = lineStep;
        input.landscape = app.width > app.height && !app.isNearlySquare();
        input.withKeypad = !app.isSmallScreen();
        input.font = nominalFont;
        placed = computeGameLayout(input);
        labelKeypad();
        fitProblemFont();
        fitKeypadFont();
    }

    const int32_t l = placed.lineStep;
    softKeyBar.setPosition(placed.softKeyBar.left, placed.softKeyBar.top);
    softKeyBar.setSize(placed.softKeyBar.width(), placed.softKeyBar.height());
    // Placed on the answer line when it is drawn; its size is set here, in the font of its label.
    skipButton.setPosition(placed.timePanel.left, placed.timePanel.top);
    skipButton.setHeight(3 * l);
    skipButton.setWidth(app.width / 8 + app.width / 4);
}

// The layout's size is an estimate from the full-size font; the real font is measured, and a size
// smaller if its digits turn out a little wider or taller than estimated.
void PlayScreen::fitProblemFont() {
    if (nominalFont.size == 0 || placed.problemFontSize == bigFontSize) return;
    const int32_t smallest = std::min(placed.problemFontSize, SmallestProblemFont);
    for (int32_t size = placed.problemFontSize; size >= smallest; --size) {
        auto font = makeProblemFont(size);
        if (!font) return;
        const bool fits = problemFits(placed.problemArea, font->ascent(), font->charWidth('0'), placed.lineStep);
        if (fits || size == smallest) {
            bigFont = std::move(font);
            bigFontSize = size;
            return;
        }
    }
}

void PlayScreen::fitKeypadFont() {
    if (!placed.keypadShown) return;
    const int32_t size = std::clamp(placed.keyHeight * 11 / 20, smallestKeypadFont, largestKeypadFont);
    if (size == keypadFontSize && keypadFont) return;
    keypadFont = Font::create(u"Verdana", size);
    keypadFontSize = keypadFont ? size : 0;
}

void PlayScreen::draw(const Round& round) {
    drawTimePanel(placed.timePanel, round.clock());
    if (!round.challengeShown()) {
        drawNextPanel(placed.nextPanel, round.generator().prepared, placed.landscape ? nextProblemLabel : nextLabel);
    }
    drawStatusLines(placed.status, round);
    if (bigFont) {
        setCurrentFont(bigFont.get());
        drawCurrentProblem(placed.problemArea, round);
    }

    drawControls(skipShown(round));
}

void PlayScreen::drawControls(bool withSkip) {
    app.selectArcadeFont();
    softKeyBar.draw();
    drawKeypad();
    setCurrentFont(bigFont.get());
    answerArea.setPosition(placed.problemArea.left, placed.problemArea.top);
    answerArea.setSize(placed.problemArea.width(), placed.problemArea.height());
    answerArea.draw();

    if (placed.keypadShown) {
        joinFocus(keypad);
    } else {
        joinFocus(digitSelector);
    }
    if (withSkip) joinFocus(skipButton);
    joinFocus(softKeyBar.key(0));
}

void PlayScreen::drawPractice(const PracticeSession& session, uint32_t nowMs) {
    const Rect& time = placed.timePanel;
    const int32_t l = placed.lineStep;
    drawPanelLabel(timeLabel, time.left, time.top, time.width());
    const int32_t y = time.top + l + l / 2;
    drawPanel(time.left, y, time.width(), time.height(), inkColour, 1, paletteLightRed);
    setDecimal(statusLine, static_cast<int32_t>((nowMs - session.shownAt()) / 1000));
    statusLine.append(u" s");
    TextStyle style;
    style.boxWidth = time.width();
    drawTextStyledCurrent(statusLine, time.left, y + time.height() / 2 - currentAscent() / 2, style);

    const Rect& box = placed.status;
    const int32_t lineHeight = box.height() / 3;
    statusLine.assign(u"Practice ");
    appendDecimal(statusLine, session.number());
    statusLine.push_back(u'/');
    appendDecimal(statusLine, session.length());
    drawCentredLine(box, statusLine, box.top, lineHeight, textColour);
    const Problem problem = session.current();
    if (session.correcting()) {
        setDecimal(statusLine, problem.first);
        statusLine.push_back(u' ');
        statusLine.push_back(static_cast<char16_t>(problem.op));
        statusLine.push_back(u' ');
        appendDecimal(statusLine, problem.second);
        statusLine.append(u" = ");
        appendDecimal(statusLine, problem.result());
        drawCentredLine(box, statusLine, box.top + lineHeight, lineHeight, paletteRed);
        statusLine.assign(u"Type ");
        appendDecimal(statusLine, problem.result());
        drawCentredLine(box, statusLine, box.top + 2 * lineHeight, lineHeight, textColour);
    }

    if (bigFont) {
        Font& font = *bigFont;
        setCurrentFont(&font);
        const Rect& area = placed.problemArea;
        const ProblemLines lines =
            drawProblemLines(font, area.left, area.top, area.width(), area.height(), problem, true);
        const WString& answer = session.answer();
        drawText(font, answer, lines.right - font.textWidth(answer), lines.answerLine,
                 session.correcting() ? paletteRed : textColour);
    }
    drawControls(false);
}

void PlayScreen::drawKeypad() {
    if (!placed.keypadShown) return;
    setCurrentFont(keypadFont ? keypadFont.get() : app.arcadeFont.get());
    keypad.setPosition(placed.keypad.left, placed.keypad.top);
    keypad.setSize(placed.keypad.width(), placed.keypad.height());
    keypad.draw();
}

// Centred over its panel, but kept on its side of the screen: a label wider than its panel must not
// reach into the current problem's half.
void PlayScreen::drawPanelLabel(const WString& label, int32_t x, int32_t y, int32_t w) {
    Font* font = app.arcadeFont.get();
    if (!font) return;
    const int32_t labelWidth = font->textWidth(label);
    const int32_t left = std::max(0, std::min(x + w / 2 - labelWidth / 2, placed.labelLimit - labelWidth - 1));
    drawText(*font, label, left, y, textColour);
}

// The label above, then the panel; the clock's time at its top and the three lights at its bottom.
void PlayScreen::drawTimePanel(const Rect& box, const CountdownClock& clock) {
    const int32_t l = placed.lineStep;
    const int32_t x = box.left;
    const int32_t w = box.width();
    const int32_t h = box.height();
    drawPanelLabel(timeLabel, x, box.top, w);
    const int32_t y = box.top + l + l / 2;
    drawPanel(x, y, w, h, inkColour, 1, paletteLightRed);

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
    TextStyle style;
    style.boxWidth = w;
    drawTextStyledCurrent(clockText(clock.secondsLeft()), x, y + margin, style);
    drawLights(clock, x, y + h - size - margin, size, spacing);
}

void PlayScreen::drawLights(const CountdownClock& clock, int32_t x, int32_t top, int32_t size, int32_t spacing) {
    const int32_t seconds = clock.secondsLeft();
    const bool blinking = seconds < blinkBelowSeconds;
    const Rgb blinkColour = clock.blinkPhase() ? lightRed : lightOff;
    for (int32_t i = 0; i < 3; ++i) {
        const Rgb colour = blinking ? blinkColour : lightColour(seconds, lightThresholds[i]);
        drawPanel(x + spacing + i * (size + spacing), top, size, size, 0, 1, colour);
    }
}

// The prepared problem in the current font, under its label in a panel.
void PlayScreen::drawNextPanel(const Rect& box, const Problem& problem, const WString& label) {
    Font* font = currentFont();
    if (!font) return;
    const int32_t y = box.top + placed.lineStep + placed.lineStep / 2;
    drawPanelLabel(label, box.left, box.top, box.width());
    drawPanel(box.left, y, box.width(), box.height(), inkColour, 1, paletteLightRed);
    drawProblemLines(*font, box.left, y, box.width(), box.height(), problem, false);
}

// The two operand lines and the rule under them, centred as one block in the box.
PlayScreen::ProblemLines PlayScreen::drawProblemLines(Font& font, int32_t x, int32_t y, int32_t w, int32_t h,
                                                      const Problem& problem, bool withAnswerLine) {
    const int32_t ascent = font.ascent();
    const int32_t e = ascent / 8;
    const int32_t row = ascent + e;
    const int32_t top = y + (h / 2 - problemBlockHeight(ascent, withAnswerLine) / 2);

    setDecimal(firstLine, problem.first);
    secondLine.clear();
    secondLine.push_back(static_cast<char16_t>(problem.op));
    secondLine.push_back(u' ');
    appendDecimal(secondLine, problem.second);

    TextStyle style;
    style.fixedCells = true;
    style.colour = textColour;
    const int32_t firstWidth = font.styledTextWidth(firstLine, style);
    const int32_t secondWidth = font.styledTextWidth(secondLine, style);
    const int32_t wider = std::max(firstWidth, secondWidth);
    const int32_t right = x + (w / 2 - wider / 2) + wider;
    drawTextStyled(font, firstLine, right - firstWidth, top, style);
    drawTextStyled(font, secondLine, right - secondWidth, top + row, style);
    fillBox(right - wider, top + 2 * row, wider, e, textColour);
    return {right - wider, right, top + 2 * row + ascent / 4 + e};
}

// The current problem in the problem font, with the typed answer, or the skip button while nothing is
// typed for the challenge, on the answer line.
void PlayScreen::drawCurrentProblem(const Rect& box, const Round& round) {
    Font& font = *bigFont;
    const ProblemLines lines =
        drawProblemLines(font, box.left, box.top, box.width(), box.height(), round.generator().current, true);
    const WString& answer = round.answer();
    // The last right answer fades only on an empty answer line: under typed digits or the skip button it
    // would be a smudge.
    if (round.feedbackFade() > 0 && answer.empty() && !round.challengeShown()) {
        const WString& feedback = round.feedback();
        drawText(font, feedback, lines.right - font.textWidth(feedback), lines.answerLine,
                 greyLevel(round.feedbackFade()));
    }
    placeDigitSelector(lines, font.ascent());
    if (skipShown(round)) {
        app.selectArcadeFont();
        // Never lower than the problem's area, so that it stays clear of the keypad below it.
        const int32_t l = placed.lineStep;
        skipButton.setHeight(std::clamp(box.bottom - lines.answerLine, l + l / 2, 3 * l));
        skipButton.setPosition(box.left + box.width() / 2 - skipButton.getWidth() / 2, lines.answerLine);
        skipButton.draw();
        setCurrentFont(&font);
        return;
    }
    drawText(font, answer, lines.right - font.textWidth(answer), lines.answerLine, textColour);
}

// Left of the rule, its digit level with the answer's; drawn only while a pad is in use.
void PlayScreen::placeDigitSelector(const ProblemLines& lines, int32_t ascent) {
    if (placed.keypadShown) return;
    const int32_t x = std::max(1, lines.left - ascent / 2 - digitSelector.getWidth());
    // Kept on the screen, with room for the focus ring, where the answer line is near its bottom.
    const int32_t lowest = app.height - digitSelector.getHeight() - 3;
    digitSelector.setPosition(x, std::min(lines.answerLine - digitSelector.digitOffset(), lowest));
    if (focusShown()) digitSelector.draw();
}

// Score, level and the problem's number in the level, each centred in a third of the box; during the
// challenge only its name, centred in the whole box.
void PlayScreen::drawStatusLines(const Rect& box, const Round& round) {
    Font* font = currentFont();
    if (!font) return;
    constexpr int32_t lineCount = 3;
    const int32_t lineHeight = box.height() / lineCount;

    const auto drawCentred = [&](const WString& text, int32_t top, int32_t boxHeight) {
        drawCentredLine(box, text, top, boxHeight, textColour);
    };
    if (round.challengeShown()) {
        drawCentred(challengeLabel, box.top, box.height());
        return;
    }
    statusLine.assign(u"Score: ");
    appendDecimal(statusLine, round.score());
    drawCentred(statusLine, box.top, lineHeight);
    statusLine.assign(u"Level: ");
    appendDecimal(statusLine, round.level());
    drawCentred(statusLine, box.top + lineHeight, lineHeight);
    statusLine.assign(u"Problem: ");
    appendDecimal(statusLine, round.generator().problemNumber());
    statusLine.push_back(u'/');
    appendDecimal(statusLine, ProblemGenerator::OrdinaryProblems);
    drawCentred(statusLine, box.top + 2 * lineHeight, lineHeight);
}

void PlayScreen::drawCentredLine(const Rect& box, const WString& text, int32_t top, int32_t lineHeight, Rgb colour) {
    Font* font = currentFont();
    if (!font) return;
    const int32_t textWidth = font->textWidth(text);
    const int32_t rightmost = app.width - textWidth - std::max(1, font->ascent() / 4);
    const int32_t left = std::max(0, std::min(box.left + box.width() / 2 - textWidth / 2, rightmost));
    drawText(*font, text, left, top + lineHeight / 2 - font->ascent() / 2, colour);
}
