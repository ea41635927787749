#include "game/OptionsScreen.h"

#include <algorithm>

#include "frontend/ArcadeGame.h"
#include "platform/Platform.h"
#include "render/Primitives.h"
#include "storage/DataFile.h"
#include "text/TextDraw.h"
#include "ui/Focus.h"
#include "ui/Palette.h"
#include "ui/TextMeasure.h"

namespace {

constexpr Rgb headingColour = paletteBlue;
constexpr Rgb headingRuleColour = 0x00969696;

const WString difficultyHeading = u"Difficulty";
const WString optionsHeading = u"Options";

// A heading in blue with a grey rule one line below its top, out to the right end of what it heads.
void drawHeading(const WString& text, int32_t x, int32_t y, int32_t ruleEnd) {
    drawTextCurrent(text, x, y, headingColour);
    drawHLine(x, y + currentAscent(), ruleEnd, headingRuleColour);
}

}  // namespace

OptionsScreen::OptionsScreen(ArcadeGame& owner) : app(owner) {
    addBox.text = u"Add (5)";
    subtractBox.text = u"Subtract (6)";
    multiplyBox.text = u"Multiply (7)";
    divideBox.text = u"Divide (8)";
    addBox.bindFlag(&chosen.add);
    subtractBox.bindFlag(&chosen.subtract);
    multiplyBox.bindFlag(&chosen.multiply);
    divideBox.bindFlag(&chosen.divide);
    difficultyRow.framed = false;
    // Labelled with the key that chooses each: "Easy (2)", "Normal (3)", "Hard (4)".
    for (int32_t d = 0; d < DifficultyCount; ++d) {
        WString item = difficultyName(d);
        item += u" (";
        item += static_cast<char16_t>(u'2' + d);
        item += u')';
        difficultyRow.addItem(item);
    }
    difficultyRow.select(DifficultyNormal);
    startButton.text = u"Start (1)";
    menuButton.text = u"Menu (0)";
}

OptionsScreen::Action OptionsScreen::takeAction() {
    if (startButton.takeClickLatch()) return startIfChosen();
    if (menuButton.takeClickLatch()) return Action::Menu;
    return Action::None;
}

void OptionsScreen::dropLatches() {
    startButton.takeClickLatch();
    menuButton.takeClickLatch();
}

OptionsScreen::Action OptionsScreen::keyDown(uint32_t key) {
    if (focusKeyOf(key) == FocusKey::Back) return Action::Menu;
    switch (key) {
        case '1':
            return startIfChosen();
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
            return Action::Menu;
        default:
            break;
    }
    return Action::None;
}

// The row of difficulties spans seven eighths of the screen, or more where its items need it.
int32_t OptionsScreen::difficultyRowWidth() {
    int32_t itemsWidth = 0;
    for (int32_t i = 0; i < difficultyRow.itemCount; ++i) itemsWidth += difficultyRow.items[i].getWidth();
    return std::clamp(itemsWidth, app.width - app.width / 8, app.width);
}

void OptionsScreen::draw() {
    const int32_t width = app.width;
    const int32_t height = app.height;
    app.selectArcadeFont();
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

    joinFocus(difficultyRow);
    for (CheckBox* box : {&addBox, &multiplyBox, &subtractBox, &divideBox}) joinFocus(*box);
    joinFocus(menuButton);
    joinFocus(startButton);
}

void OptionsScreen::modeText(WString& text) const {
    struct Operation {
        bool enabled;
        char16_t code;
        const WString& label;
    };
    const Operation operations[] = {{chosen.add, OpAddition, addBox.text},
                                    {chosen.subtract, OpSubtraction, subtractBox.text},
                                    {chosen.multiply, OpMultiplication, multiplyBox.text},
                                    {chosen.divide, OpDivision, divideBox.text}};
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

void OptionsScreen::exchange(DataFile& file) {
    for (bool* flag : {&chosen.add, &chosen.subtract, &chosen.multiply, &chosen.divide}) {
        uint8_t stored = *flag ? 1 : 0;
        file.exchangeBool(stored);
        *flag = stored == 1;
    }
    int32_t selected = difficultyRow.selectedIndex();
    file.exchangeInt(selected);
    // A hand-edited file may hold any number; only a real difficulty is taken.
    if (difficultyName(selected)) difficultyRow.select(selected);
}
