#include "ui/Button.h"

#include <algorithm>
#include <utility>

#include "text/TextDraw.h"
#include "ui/TextMeasure.h"

Button::Button() {
    width = 96;
    height = 24;
}

void Button::setWidth(int32_t w) { width = std::max(w, currentTextWidth(text)); }

void Button::draw() {
    registerForInput();
    if (hidden) return;
    drawBox();
    drawCentredText();
}

void Button::onPress(const Point&) {
    downLatch = true;
    clickLatch = false;
}

void Button::onClick(const Point&) {
    clickLatch = true;
    downLatch = false;
}

bool Button::takeDownLatch() { return std::exchange(downLatch, false); }
bool Button::takeClickLatch() { return std::exchange(clickLatch, false); }

void Button::drawCentredText() {
    TextStyle style;
    style.boxWidth = getWidth();
    style.boxHeight = getHeight();
    drawTextStyledCurrent(text, x, y, style);
}
