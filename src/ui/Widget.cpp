#include "ui/Widget.h"

#include "render/DrawTarget.h"
#include "render/Primitives.h"
#include "ui/HitList.h"
#include "ui/Palette.h"

void Widget::setPosition(int32_t newX, int32_t newY) {
    x = newX;
    y = newY;
}

void Widget::setWidth(int32_t w) { width = w; }
int32_t Widget::getWidth() { return width; }
void Widget::setHeight(int32_t h) { height = h; }
int32_t Widget::getHeight() { return height; }

void Widget::setSize(int32_t w, int32_t h) {
    setWidth(w);
    setHeight(h);
}

void Widget::draw() {}
void Widget::onPress(const Point&) {}
void Widget::onClick(const Point&) {}
bool Widget::onFocusKey(FocusKey) { return false; }

void Widget::registerForInput() {
    appendToHitList(*this);
    getClip(clipRect);
}

Rgb Widget::outlineColour() const { return pressed ? paletteGreen : inkColour; }
Rgb Widget::fillColour() const { return pressed ? paletteLightGreen : paletteLightBlue; }

void Widget::drawBox() { drawPanel(x, y, getWidth(), getHeight(), outlineColour(), bordered ? 1 : 0, fillColour()); }

Rect Widget::hitRect() {
    Rect area{x, y, x + getWidth(), y + getHeight()};
    if (area.top < clipRect.top) area.top = clipRect.top;
    if (area.bottom > clipRect.bottom) area.bottom = clipRect.bottom;
    return area;
}
