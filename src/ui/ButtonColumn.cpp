#include "ui/ButtonColumn.h"

#include "text/Font.h"
#include "ui/Focus.h"

int32_t ButtonColumn::getHeight() {
    height = spacing * (itemCount - 1) + currentAscent() * itemCount;
    return height;
}

void ButtonColumn::draw() {
    const int32_t w = getWidth();
    const int32_t step = spacing + currentAscent();
    int32_t cursorY = y;
    for (int32_t i = 0; i < itemCount; ++i) {
        MenuButton& entry = items[i];
        entry.setPosition(x, cursorY);
        entry.setWidth(w);
        entry.setHeight(step);
        entry.draw();
        cursorY += step;
    }
}

void ButtonColumn::addItem(const WString& itemText) {
    if (itemCount < Capacity) items[itemCount++].text = itemText;
}

bool ButtonColumn::takeClicked(int32_t& index) {
    for (int32_t i = 0; i < itemCount; ++i) {
        if (items[i].takeClickLatch()) {
            index = i;
            return true;
        }
    }
    return false;
}

void joinFocus(ButtonColumn& column) {
    for (int32_t i = 0; i < column.itemCount; ++i) joinFocus(column.items[i]);
}
