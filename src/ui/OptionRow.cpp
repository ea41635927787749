#include "ui/OptionRow.h"

#include "render/Primitives.h"
#include "ui/Focus.h"
#include "ui/Palette.h"

int32_t OptionRow::getHeight() {
    height = itemCount > 0 ? items[0].getHeight() : 0;
    return height;
}

// The free width shared out before, between and after the items; negative (items overlap) when
// the row is narrower than its items.
int32_t OptionRow::itemGap() {
    int32_t total = 0;
    for (int32_t i = 0; i < itemCount; ++i) total += items[i].getWidth();
    return static_cast<int32_t>(static_cast<float>(width - total) / static_cast<float>(itemCount + 1));
}

void OptionRow::draw() {
    if (itemCount == 0) return;
    if (framed) drawPanel(x, y, getWidth(), getHeight(), inkColour, 1, paletteLightBlue);
    const int32_t gap = itemGap();
    int32_t cursor = framed ? x + gap : x;
    for (int32_t i = 0; i < itemCount; ++i) {
        OptionItem& item = items[i];
        item.bordered = !framed || i == selected;
        item.setPosition(cursor, y);
        // An unframed row shows the pressed colours rather than the white box of a chosen item.
        if (!framed) item.chosen = false;
        item.boxed = i == selected;
        item.draw();
        cursor += item.getWidth() + gap;
    }
    // After the items, so that a press reaches the item first and then the row.
    registerForInput();
    if (framed) {
        drawHLine(x, y, x + getWidth(), inkColour);
        drawHLine(x, y + getHeight(), x + getWidth(), inkColour);
    }
}

// The item under the press has already marked itself chosen; make it the selected one.
void OptionRow::onPress(const Point&) {
    for (int32_t i = 0; i < itemCount; ++i) {
        if (i != selected && items[i].chosen) {
            items[selected].chosen = false;
            selected = i;
            return;
        }
    }
}

void OptionRow::addItem(const WString& itemText) {
    if (itemCount >= Capacity) return;
    items[itemCount].text = itemText;
    if (itemCount == 0) {
        items[0].chosen = true;
        selected = 0;
    }
    ++itemCount;
}

void OptionRow::select(int32_t index) {
    if (index < 0 || index >= itemCount || index == selected) return;
    items[selected].chosen = false;
    selected = index;
    items[index].chosen = true;
}

void joinFocus(OptionRow& row) {
    if (row.itemCount == 0) return;
    joinFocus(row.items[row.selected]);
    for (int32_t i = 0; i < row.itemCount; ++i) {
        if (i != row.selected) joinFocus(row.items[i]);
    }
}
