#include "ui/DigitSelector.h"

#include <utility>

#include "render/Primitives.h"
#include "text/TextDraw.h"
#include "ui/Focus.h"
#include "ui/Palette.h"
#include "ui/TextMeasure.h"

namespace {
int32_t arrowHeight() { return currentAscent() / 4 + 2; }

// A filled triangle with its point up (pointing -1) or down (1), apex at apexY.
void drawArrow(int32_t centreX, int32_t apexY, int32_t size, int32_t pointing, Rgb colour) {
    for (int32_t row = 0; row < size; ++row)
        drawHLine(centreX - row, apexY - pointing * row, centreX + row + 1, colour);
}
}  // namespace

int32_t DigitSelector::digitOffset() const { return arrowHeight() + currentAscent() / 8; }

int32_t DigitSelector::getWidth() { return currentTextWidth(u"0") + currentAscent() / 2; }
int32_t DigitSelector::getHeight() { return currentAscent() + 2 * arrowHeight() + currentAscent() / 4; }

void DigitSelector::draw() {
    const int32_t w = getWidth();
    const int32_t arrow = arrowHeight();
    drawPanel(x, y, w, getHeight(), inkColour, 1, paletteLightBlue);
    const int32_t centreX = x + w / 2;
    drawArrow(centreX, y + 2, arrow - 2, -1, inkColour);
    drawArrow(centreX, y + getHeight() - 3, arrow - 2, 1, inkColour);
    const WString shown(1, static_cast<char16_t>(u'0' + digit));
    drawTextCurrent(shown, centreX - currentTextWidth(shown) / 2, y + digitOffset(), inkColour);
}

bool DigitSelector::onFocusKey(FocusKey key) {
    switch (key) {
        case FocusKey::Up:
            digit = (digit + 1) % 10;
            return true;
        case FocusKey::Down:
            digit = (digit + 9) % 10;
            return true;
        case FocusKey::Press:
            enteredLatch = true;
            return true;
        default:
            return false;
    }
}

bool DigitSelector::takeEntered(char16_t& entered) {
    if (!std::exchange(enteredLatch, false)) return false;
    entered = static_cast<char16_t>(u'0' + digit);
    return true;
}
