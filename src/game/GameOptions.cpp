// The options screen shown before each game: the operations to practise, the difficulty, and the
// buttons that start a game or go back to the main menu. The options outlive the program in the
// settings file, and the high-score table names them with each result.
#include <algorithm>

#include "game/MathGame.h"
#include "platform/Platform.h"
#include "render/Primitives.h"
#include "storage/DataFile.h"
#include "text/TextDraw.h"
#include "ui/Palette.h"
#include "ui/TextMeasure.h"

namespace {

constexpr Rgb headingColour = paletteBlue;
constexpr Rgb headingRuleColour = 0x00969696;

const WString difficultyHeading = u"Difficulty";
const WString optionsHeading = u"Options";

constexpr int32_t addBit = 1;
constexpr int32_t subtractBit = 2;
constexpr int32_t multiplyBit = 4;
constexpr int32_t divideBit = 8;

// A heading in blue with a grey rule one line below its top, out to the right end of what it heads.
void drawHeading(const WString& text, int32_t x, int32_t y, int32_t ruleEnd) {
    drawTextCurrent(text, x, y, headingColour);
    drawHLine(x, y + currentAscent(), ruleEnd, headingRuleColour);
}

}  // namespace

void MathGame::setUpOptionWidgets() {
    addBox.text = u"Add (5)";
    subtractBox.text = u"Subtract (6)";
    multiplyBox.text = u"Multiply (7)";
    divideBox.text = u"Divide (8)";
    addBox.bindFlag(&generator.addEnabled);
    subtractBox.bindFlag(&generator.subtractEnabled);
    multiplyBox.bindFlag(&generator.multiplyEnabled);
    divideBox.bindFlag(&generator.divideEnabled);
    difficultyRow.framed = false;
    for (const char16_t* item : {u"Easy (2)", u"Normal (3)", u"Hard (4)"}) difficultyRow.addItem(item);
    difficultyRow.select(DifficultyNormal);
    startButton.text = u"Start (1)";
    menuButton.text = u"Menu (0)";
}

bool MathGame::anyOperationEnabled() const {
    return generator.addEnabled || generator.subtractEnabled || generator.multiplyEnabled || generator.divideEnabled;
}

void MathGame::optionSteps() {
    if (startButton.takeClickLatch()) {
        // With every operation cleared there is nothing to ask: the button does nothing.
        if (anyOperationEnabled()) startFromOptions();
    } else if (menuButton.takeClickLatch()) {
        returnToMenu();
    }
}

void MathGame::dropOptionLatches() {
    startButton.takeClickLatch();
    menuButton.takeClickLatch();
}

bool MathGame::optionKeyDown(uint32_t key) {
    switch (key) {
        case '1':
            if (anyOperationEnabled()) startFromOptions();
            break;
        case '2':
        case '3':
        case '4':
            difficultyRow.select(static_cast<int32_t>(key - '2'));
            break;
        case '5':
            addBox.toggle();
            break;
        case '6':
            subtractBox.toggle();
            break;
        case '7':
            multiplyBox.toggle();
            break;
        case '8':
            divideBox.toggle();
            break;
        case '0':
        case platform::VK_ESCAPE:
            returnToMenu();
            break;
        default:
            break;
    }
    return true;
}

// The row of difficulties spans seven eighths of the screen, or more where its items need it.
int32_t MathGame::difficultyRowWidth() {
    int32_t itemsWidth = 0;
    for (int32_t i = 0; i < difficultyRow.itemCount; ++i) itemsWidth += difficultyRow.items[i].getWidth();
    return std::clamp(itemsWidth, width - width / 8, width);
}

void MathGame::drawOptions() {
    selectArcadeFont();
    const int32_t l = currentAscent();
    const int32_t space = currentSpaceWidth();
    const int32_t rowWidth = difficultyRowWidth();
    const int32_t rowX = width / 2 - rowWidth / 2;
    const int32_t rowTop = 2 * l;
    difficultyRow.setWidth(rowWidth);
    difficultyRow.setPosition(rowX, rowTop);

    // The right column starts halfway along the row, or clear of the left column's longest label.
    const int32_t boxHeight = addBox.getHeight();
    const int32_t boxesTop = 7 * l;
    const int32_t secondRow = boxesTop + boxHeight + boxHeight / 2;
    const int32_t leftLabels = std::max(currentTextWidth(addBox.text), currentTextWidth(subtractBox.text));
    const int32_t rightColumn = std::max(rowX + rowWidth / 2, rowX + addBox.getWidth() + leftLabels + 2 * space);
    addBox.setPosition(rowX, boxesTop);
    subtractBox.setPosition(rowX, secondRow);
    multiplyBox.setPosition(rightColumn, boxesTop);
    divideBox.setPosition(rightColumn, secondRow);

    for (Button* button : {&startButton, &menuButton}) {
        button->setWidth(width / 8 + width / 4);
        button->setHeight(3 * l);
    }
    const int32_t buttonHeight = startButton.getHeight();
    const int32_t buttonTop = height - buttonHeight / 2 - buttonHeight;
    startButton.setPosition(3 * width / 4 - startButton.getWidth() / 2, buttonTop);
    menuButton.setPosition(width / 4 - menuButton.getWidth() / 2, buttonTop);

    menuButton.draw();
    const int32_t headingX = std::max(1, rowX - space);
    drawHeading(difficultyHeading, headingX, rowTop - boxHeight, rowX + rowWidth);
    drawHeading(optionsHeading, headingX, boxesTop - boxHeight, rowX + rowWidth);
    difficultyRow.draw();
    for (CheckBox* box : {&addBox, &subtractBox, &multiplyBox, &divideBox}) box->draw();
    startButton.draw();
}

int32_t MathGame::operationMask() {
    return (generator.addEnabled ? addBit : 0) | (generator.subtractEnabled ? subtractBit : 0) |
           (generator.multiplyEnabled ? multiplyBit : 0) | (generator.divideEnabled ? divideBit : 0);
}

void MathGame::modeText(WString& text) {
    struct Operation {
        bool enabled;
        char16_t code;
        const WString& label;
    };
    const Operation operations[] = {{generator.addEnabled, OpAddition, addBox.text},
                                    {generator.subtractEnabled, OpSubtraction, subtractBox.text},
                                    {generator.multiplyEnabled, OpMultiplication, multiplyBox.text},
                                    {generator.divideEnabled, OpDivision, divideBox.text}};
    int32_t enabledCount = 0;
    for (const Operation& operation : operations) enabledCount += operation.enabled ? 1 : 0;

    text.clear();
    for (const Operation& operation : operations) {
        if (!operation.enabled) continue;
        if (enabledCount == 1) {
            text = operation.label;
            return;
        }
        text += u' ';
        text += operation.code;
        text += u' ';
    }
}

int32_t MathGame::exchangeGameSettings(DataFile& file) {
    for (bool* flag :
         {&generator.addEnabled, &generator.subtractEnabled, &generator.multiplyEnabled, &generator.divideEnabled}) {
        uint8_t stored = *flag ? 1 : 0;
        file.exchangeBool(stored);
        *flag = stored == 1;
    }
    int32_t chosen = difficultyRow.selectedIndex();
    file.exchangeInt(chosen);
    // A hand-edited file may hold any number; only a real difficulty is taken.
    if (chosen >= DifficultyEasy && chosen <= DifficultyHard) difficultyRow.select(chosen);
    return 0;
}
