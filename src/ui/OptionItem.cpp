#include "ui/OptionItem.h"

#include "render/Primitives.h"
#include "text/TextDraw.h"
#include "ui/Palette.h"
#include "ui/TextMeasure.h"

int32_t OptionItem::getWidth() { return currentTextWidth(text) + 2 * currentSpaceWidth(); }

int32_t OptionItem::getHeight() {
    const int32_t a = currentAscent();
    return a + (a >> 1);
}

void OptionItem::draw() {
    registerForInput();
    if (boxed) {
        textColour = inkColour;
        drawPanel(x, y, getWidth(), getHeight(), outlineColour(), bordered ? 1 : 0,
                  chosen ? paletteWhite : fillColour());
    } else {
        textColour = outlineColour();
    }
    drawTextCurrent(text, x + currentSpaceWidth(), y + (currentAscent() >> 2), textColour);
}

void OptionItem::onPress(const Point&) { chosen = true; }
