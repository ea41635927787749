// The table of the five best games: entering a finished game, showing one entry at a time, and the
// game-over screen that leads to the entry.
#include <algorithm>

#include "frontend/ArcadeGame.h"
#include "support/NumberText.h"
#include "text/TextDraw.h"
#include "ui/Focus.h"
#include "ui/Palette.h"

namespace {

WString withNumber(const char16_t* label, int32_t value) {
    WString text = label;
    appendDecimal(text, value);
    return text;
}

// Centred across width from x.
void drawCentred(const WString& text, int32_t x, int32_t y, int32_t width, Rgb colour) {
    TextStyle style;
    style.colour = colour;
    style.boxWidth = width;
    drawLaidOutCurrent(text, x, y, style);
}

}  // namespace

void ArcadeGame::recordScore() {
    int32_t row = 0;
    while (row < HighScoreRows && highScores[row].entryScore > score) ++row;
    if (row == HighScoreRows) return;
    // An equal score goes above the old one: the newer game ranks first among equals. Copied, not
    // moved: the new row keeps the texts it had where the game gives none.
    std::copy_backward(highScores.begin() + row, highScores.begin() + HighScoreRows - 1,
                       highScores.begin() + HighScoreRows);
    HighScoreEntry& entry = highScores[row];
    entry.entryScore = score;
    entry.entryLevel = level;
    difficultyName(entry.difficultyName);
    modeText(entry.modeText);
}

void ArcadeGame::drawHighScoresContent(const Rect& outer) {
    const int32_t h = currentAscent();
    const int32_t inset = (h + h / 2) / 2;
    const Rect panel{outer.left + inset, outer.top + inset, outer.right - inset, outer.bottom - inset};

    backButton.setPosition(width / 2 - backButton.getWidth() / 2, panel.top);
    backButton.draw();
    joinFocus(backButton);

    rankRow.setWidth(panel.width());
    rankRow.setPosition(panel.left, panel.bottom - rankRow.getHeight());

    // The four lines of an entry sit centred between the button and the row, a line and a half apart.
    // Where the panel is too short for that (the back button keeps its taller default height until the
    // options screen has been shown) they close up rather than run over the button and the row.
    const int32_t backTop = backButton.y;
    const int32_t backBottom = backTop + backButton.getHeight();
    const int32_t room = rankRow.y - backBottom;
    int32_t step = h + h / 2;
    int32_t top = (rankRow.y - backButton.getHeight() - backTop) / 2 - (5 * h + h / 2) / 2 + backBottom;
    if (room < 3 * step + h) {
        step = std::max(h, (room - h) / 3);
        top = backBottom + (room - 3 * step - h) / 2;
    }
    const int32_t shown = std::clamp(rankRow.selectedIndex(), 0, HighScoreRows - 1);
    drawHighScoreEntry(highScores[shown], panel, top, step);

    rankRow.draw();
    joinFocus(rankRow);
}

void ArcadeGame::drawHighScoreEntry(const HighScoreEntry& entry, const Rect& panel, int32_t top, int32_t step) {
    if (entry.entryScore == 0) {
        drawCentred(u"- Empty -", panel.left, top, panel.width(), inkColour);
        return;
    }
    drawCentred(entry.difficultyName, panel.left, top, panel.width(), paletteBlue);
    drawCentred(withNumber(u"Level: ", entry.entryLevel), panel.left, top + step, panel.width(), inkColour);
    drawCentred(entry.modeText, panel.left, top + 2 * step, panel.width(), inkColour);
    drawCentred(withNumber(u"Score: ", entry.entryScore), panel.left, top + 3 * step, panel.width(), paletteBlue);
}

void ArcadeGame::drawGameOverScreen() {
    selectArcadeFont();
    const int32_t h = currentAscent();
    const int32_t y = height / 2 - 9 * h / 2;
    drawCentred(u"Game Over", 0, y, width, paletteBlue);
    WString result = withNumber(u"Your score is ", score);
    result += u".";
    drawCentred(result, 0, y + 2 * h, width, inkColour);

    okButton.setHeight(3 * h);
    okButton.setPosition(width / 2 - okButton.getWidth() / 2, y + 4 * h);
    okButton.draw();
    joinFocus(okButton);
    reviewButton.setHeight(2 * h);
    reviewButton.setPosition(width / 2 - reviewButton.getWidth() / 2, y + 7 * h + h / 2);
    reviewButton.draw();
    joinFocus(reviewButton);
}
