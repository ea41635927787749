// The answer history as the front-end keeps and shows it: the sessions a game begins and ends, the
// review of the game just played, and the progress screen. What the screens show is read from the
// history when they open (or another operation is chosen), never while they are drawn.
#include <algorithm>

#include "frontend/ArcadeGame.h"
#include "render/Primitives.h"
#include "support/NumberText.h"
#include "text/TextDraw.h"
#include "text/TextLayout.h"
#include "ui/Focus.h"
#include "ui/Palette.h"
#include "ui/TextMeasure.h"

namespace {

constexpr Rgb unseenColour = 0x00D8D8D8;    // light grey
constexpr Rgb learningColour = 0x0040C8FF;  // amber
constexpr Rgb fluentColour = 0x0040B040;    // green
constexpr Rgb stripColour = paletteBlue;
constexpr int32_t stripDays = 30;
constexpr int64_t msPerDay = 86'400'000;

// "7 x 8 = 56", with the division sign the game draws.
WString factText(const history::ReviewItem& item) {
    WString text;
    appendDecimal(text, item.first);
    const char sign = history::operationSymbol(item.op);
    text += u' ';
    text += sign == '/' ? DivisionSignCode : static_cast<char16_t>(sign);
    text += u' ';
    appendDecimal(text, item.second);
    text += u" = ";
    appendDecimal(text, item.expected);
    return text;
}

// Tenths of a second: "4.2 s".
WString secondsText(int32_t ms) {
    WString text;
    appendDecimal(text, ms / 1000);
    text += u'.';
    appendDecimal(text, ms % 1000 / 100);
    text += u" s";
    return text;
}

void drawCentred(const WString& text, int32_t x, int32_t y, int32_t width, Rgb colour) {
    TextStyle style;
    style.colour = colour;
    style.boxWidth = width;
    style.markup = false;
    drawLaidOutCurrent(text, x, y, style);
}

// "label value" on one line, or the value on a line of its own where the two do not fit in width;
// returns the lines taken.
int32_t drawLabelled(const WString& label, const WString& value, int32_t x, int32_t y, int32_t width, int32_t line) {
    const WString joined = label + u' ' + value;
    if (currentTextWidth(joined) <= width) {
        drawTextCurrent(joined, x, y, inkColour);
        return 1;
    }
    drawTextCurrent(label, x, y, inkColour);
    drawTextCurrent(value, x, y + line, inkColour);
    return 2;
}

Rgb stateColour(history::FactState state) {
    switch (state) {
        case history::FactState::Fluent:
            return fluentColour;
        case history::FactState::Learning:
            return learningColour;
        case history::FactState::NotSeen:
            return unseenColour;
        default:
            return paletteWhite;
    }
}

}  // namespace

void ArcadeGame::beginSession(history::Mode mode, int32_t sessionDifficulty, unsigned operations) {
    endSession(history::Ending::Abandoned);
    session = history.beginSession({platform::utcMilliseconds(), mode, sessionDifficulty, operations});
}

void ArcadeGame::recordAnswer(const history::Answer& answer) {
    if (session != 0) history.recordAnswer(session, answer);
}

void ArcadeGame::endSession(history::Ending ending) {
    if (session == 0) return;
    history.endSession(session, {platform::utcMilliseconds(), score, level, ending});
    lastSession = session;
    session = 0;
}

void ArcadeGame::practiseReviewed() {
    const std::vector<history::ReviewItem> items = reviewItems;
    leaveGameOver();
    screen = ScreenGame;
    practiseFacts(items);
}

void ArcadeGame::openReview() {
    reviewing = true;
    reviewItems = lastSession != 0 ? history.review(lastSession) : std::vector<history::ReviewItem>{};
    backButton.takeClickLatch();
}

void ArcadeGame::openProgress() {
    const int64_t now = platform::utcMilliseconds();
    progressMedians = history.medianResponseMs(now);
    progressDays = history.answersPerDay(now, stripDays);
    progressDailyBest = history.bestDailyScores(now - int64_t{stripDays} * msPerDay);
    progressOperation = operationRow.selectedIndex();
    progressGrid = history.factGrid(static_cast<history::Operation>(progressOperation));
    backButton.takeClickLatch();
}

// By key, or after a tap or a focus press has selected the row's item.
void ArcadeGame::chooseProgressOperation(int32_t index) {
    if (index < 0 || index >= history::operationCount) return;
    operationRow.select(index);
    if (index == progressOperation) return;
    progressOperation = index;
    progressGrid = history.factGrid(static_cast<history::Operation>(index));
}

// The history screens' top line: the title on the left and "Back (0)" on the right.
void ArcadeGame::drawScreenTitle(const char16_t* title) {
    const int32_t h = currentAscent();
    const int32_t margin = h / 2;
    backButton.setHeight(h + h / 2);
    backButton.setPosition(width - margin - backButton.getWidth(), margin);
    backButton.draw();
    joinFocus(backButton);
    drawTextCurrent(title, margin, margin + h / 4, paletteBlue);
}

// Up to ten facts of the game just played, worst first: the right answer, and the slowest try (red
// when the fact was missed).
void ArcadeGame::drawReviewScreen() {
    selectArcadeFont();
    const int32_t h = currentAscent();
    const int32_t margin = h / 2;
    drawScreenTitle(u"Review");

    const int32_t listTop = margin + backButton.getHeight() + h / 2;
    // The rows share what is left, a line and a half apart where there is room.
    const int32_t room = height - listTop - 2 * h - margin;
    const int32_t rows = static_cast<int32_t>(std::max<size_t>(reviewItems.size(), 1));
    const int32_t step = std::clamp(room / rows, h + 2, 2 * h);
    if (reviewItems.empty()) {
        drawCentred(u"Nothing missed, nothing slow.", 0, listTop + h, width, inkColour);
        return;
    }
    const int32_t timeRight = width - margin;
    const int32_t factLeft = std::max(margin, width / 2 - 7 * currentSpaceWidth() * 2);
    for (size_t i = 0; i < reviewItems.size(); ++i) {
        const history::ReviewItem& item = reviewItems[i];
        const int32_t y = listTop + static_cast<int32_t>(i) * step;
        const Rgb colour = item.misses > 0 ? paletteRed : inkColour;
        TextStyle style;
        style.colour = colour;
        style.markup = false;
        drawLaidOutCurrent(factText(item), factLeft, y, style);
        const WString time = secondsText(item.slowestMs);
        drawTextCurrent(time, timeRight - currentTextWidth(time), y, colour);
    }
    practiseButton.setHeight(h + h / 2);
    practiseButton.setWidth(currentTextWidth(practiseButton.text) + 2 * h);
    practiseButton.setPosition(width / 2 - practiseButton.getWidth() / 2, height - margin - practiseButton.getHeight());
    practiseButton.draw();
    joinFocus(practiseButton);
    const int32_t keyY = listTop + static_cast<int32_t>(reviewItems.size()) * step + h / 2;
    drawCentred(u"Red: missed, black: slow", 0, std::min(keyY, practiseButton.y - h - h / 4), width, inkColour);
}

// The grid of basic facts of the chosen operation, its legend, the operation's median time over seven
// days and the answers of the last 30 days. Landscape puts the grid on the left and the rest beside it.
void ArcadeGame::drawProgressScreen() {
    fillBox(0, 0, width, height, paletteWhite);
    const int32_t h = currentAscent();
    const int32_t margin = h / 2;
    const int32_t line = h + h / 3;

    drawScreenTitle(u"Progress");
    const int32_t rowTop = margin + backButton.getHeight() + h / 3;
    operationRow.setWidth(width - 2 * margin);
    operationRow.setPosition(margin, rowTop);
    operationRow.draw();
    joinFocus(operationRow);
    const int32_t top = rowTop + operationRow.getHeight() + h / 3;

    // What goes under (or beside) the grid: the legend, the median, the strip's caption and its bars.
    const int32_t infoHeight = 3 * line + 2 * h;
    const bool landscape = width > height;
    // Landscape leaves the words beside the grid about ten characters' room.
    const int32_t gridSpanW = landscape ? width - 2 * margin - std::max(10 * h, width * 2 / 5) : width - 2 * margin;
    const int32_t gridSpanH = landscape ? height - top - margin : height - top - margin - infoHeight - h / 2;
    // Row and column numbers take a cell more each way where two digits fit in a cell.
    const int32_t digits = 2 * currentTextWidth(u"0") + 2;
    int32_t cell = std::min(gridSpanW, gridSpanH) / (history::gridSide + 1);
    const bool labels = cell >= digits;
    if (!labels) cell = std::min(gridSpanW, gridSpanH) / history::gridSide;
    cell = std::max(cell, 2);
    const int32_t labelSpace = labels ? cell : 0;
    const int32_t gridSide = labelSpace + history::gridSide * cell;
    const int32_t gridLeft = landscape ? margin : (width - gridSide) / 2;
    const int32_t gridTop = top;
    for (int32_t a = 0; a < history::gridSide; ++a) {
        for (int32_t b = 0; b < history::gridSide; ++b) {
            const Rgb colour = stateColour(progressGrid[a * history::gridSide + b]);
            fillBox(gridLeft + labelSpace + b * cell, gridTop + labelSpace + a * cell, cell - 1, cell - 1, colour);
        }
        if (!labels) continue;
        WString number;
        appendDecimal(number, a);
        const int32_t offset = (cell - currentTextWidth(number)) / 2;
        const int32_t baseline = (cell - h) / 2;
        drawTextCurrent(number, gridLeft + offset, gridTop + labelSpace + a * cell + baseline, inkColour);
        drawTextCurrent(number, gridLeft + labelSpace + a * cell + offset, gridTop + baseline, inkColour);
    }

    const int32_t infoLeft = landscape ? gridLeft + gridSide + h : margin;
    const int32_t infoWidth = width - margin - infoLeft;
    int32_t y = landscape ? top : gridTop + gridSide + h / 2;

    // The legend: a swatch and a word for each state.
    int32_t x = infoLeft;
    const std::pair<history::FactState, const char16_t*> legend[] = {{history::FactState::NotSeen, u"Unseen"},
                                                                     {history::FactState::Learning, u"Learning"},
                                                                     {history::FactState::Fluent, u"Fluent"}};
    for (const auto& [state, word] : legend) {
        if (landscape && x != infoLeft) {
            x = infoLeft;
            y += line;
        }
        fillBox(x, y + 1, h - 2, h - 2, stateColour(state));
        x += h + 1;
        const WString label = word;
        drawTextCurrent(label, x, y, inkColour);
        x += currentTextWidth(label) + h / 2;
    }
    y += line;

    const int32_t ms = progressMedians[static_cast<size_t>(progressOperation) % progressMedians.size()];
    y += line *
         drawLabelled(u"Median, 7 days:", ms < 0 ? WString(u"none") : secondsText(ms), infoLeft, y, infoWidth, line);

    int32_t total = 0;
    int32_t most = 1;
    for (const history::DayCount& day : progressDays) {
        total += day.count;
        most = std::max(most, day.count);
    }
    WString answered;
    appendDecimal(answered, total);
    answered += u" answers";
    y += line * drawLabelled(u"30 days:", answered, infoLeft, y, infoWidth, line);

    // The best daily game of each day, newest first, as many days as fit beside the label (or, where
    // not even one does, on a line of their own).
    const WString label = u"Daily best:";
    const int32_t beside = infoWidth - currentTextWidth(label + u' ');
    const int32_t room = beside >= currentTextWidth(u"00-00 000") ? beside : infoWidth;
    WString days;
    for (auto day = progressDailyBest.rbegin(); day != progressDailyBest.rend(); ++day) {
        WString entry = widenAscii(history::isoTime(day->day * msPerDay).substr(5, 5).c_str());  // MM-DD
        entry += u' ';
        appendDecimal(entry, day->score);
        if (!days.empty()) entry.insert(0, u", ");
        if (currentTextWidth(days + entry) > room) break;
        days += entry;
    }
    // One bar a day, today on the right; a day without answers keeps a line on the base.
    const int32_t barWidth = std::max(1, infoWidth / stripDays);
    // The bars give up height before the daily line leaves the screen.
    const int32_t dailyRows = room == infoWidth || (days.empty() && beside < currentTextWidth(u"none yet")) ? 2 : 1;
    const int32_t barsHeight = std::clamp(height - y - dailyRows * line - h / 2, h / 2, 2 * h);
    const int32_t base = y + barsHeight;
    drawHLine(infoLeft, base, infoLeft + barWidth * stripDays, inkColour);
    for (size_t i = 0; i < progressDays.size(); ++i) {
        const int32_t barHeight = progressDays[i].count * barsHeight / most;
        if (barHeight > 0)
            fillBox(infoLeft + static_cast<int32_t>(i) * barWidth, base - barHeight, std::max(1, barWidth - 1),
                    barHeight, stripColour);
    }

    drawLabelled(label, days.empty() ? WString(u"none yet") : days, infoLeft, base + h / 4, infoWidth, line);
}
