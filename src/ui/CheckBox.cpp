#include "ui/CheckBox.h"

#include "render/Primitives.h"
#include "text/Font.h"
#include "text/TextDraw.h"
#include "ui/Focus.h"
#include "ui/Palette.h"
#include "ui/TextMeasure.h"

CheckBox::CheckBox() {
    width = 32;
    height = 32;
}

int32_t CheckBox::side() const { return currentAscent() < 16 ? 16 : 32; }
int32_t CheckBox::getWidth() { return side(); }
int32_t CheckBox::getHeight() { return side(); }

void CheckBox::draw() {
    registerForInput();
    if (boundFlag && *boundFlag) {
        drawBox();
        drawTick();
    } else {
        drawPanel(x, y, getWidth(), getHeight(), outlineColour(), bordered ? 1 : 0, paletteWhite);
    }
    TextStyle style;
    style.indent = true;
    style.boxHeight = getHeight();
    drawTextStyledCurrent(text, x + getWidth(), y, style);
}

void CheckBox::onClick(const Point&) { toggle(); }

void CheckBox::toggle() {
    if (boundFlag) *boundFlag = !*boundFlag;
}

// Two anti-aliased strokes; the large box repeats them one pixel to the left and then one to the
// right for a tick three pixels wide.
void CheckBox::drawTick() {
    const int32_t w = getWidth();
    const int32_t h = getHeight();
    const int32_t d = w >> 3;
    const Point a{x + d, y + h - 3 * d};
    const Point b{x + 3 * d, y + h - d};
    const Point c{x + w - d, y + d};
    const auto strokes = [&](int32_t shift) {
        drawSmoothLine(a.x + shift, a.y, b.x + shift, b.y, inkColour);
        drawSmoothLine(b.x + shift, b.y, c.x + shift, c.y, inkColour);
    };
    strokes(0);
    if (w > 16) {
        strokes(-1);
        strokes(1);
    }
}

// The label starts a space's width after the square (drawn indented).
void joinFocus(CheckBox& box) {
    const int32_t right = box.x + box.getWidth() + currentSpaceWidth() + currentTextWidth(box.text);
    joinFocus(box, Rect{box.x, box.y, right, box.y + box.getHeight()});
}
