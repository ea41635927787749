#include "game/KeyGrid.h"

#include "ui/Focus.h"

bool KeyGrid::setLayout(int32_t rowCount, int32_t columnCount) {
    if (rowCount < 1 || columnCount < 1 || rowCount * columnCount > KeyCount) return false;
    rows = rowCount;
    columns = columnCount;
    return true;
}

namespace {
// Sizes are stored directly: a key keeps its cell even when its label is wider.
void placeKey(Button& k, float right, float bottom) {
    k.width = static_cast<int32_t>(right - static_cast<float>(k.x));
    k.height = static_cast<int32_t>(bottom - static_cast<float>(k.y));
}
}  // namespace

bool KeyGrid::isSpanningZero(int32_t index) const { return (rows == 3 || rows == 4) && keys[index].text == u"0"; }

// Cell sizes are kept in floating point so that rounding does not pile up along a row; the last
// column takes what is left and ends on the grid's right edge. A held key is drawn last, over its
// neighbours.
void KeyGrid::draw() {
    const int32_t n = rows * columns;
    if (n == 0) return;
    const int32_t gridWidth = getWidth();
    const int32_t gridHeight = getHeight();
    const float cw = static_cast<float>(gridWidth - 1) / columns;
    const float ch = static_cast<float>(gridHeight - 1) / rows;
    const auto left = static_cast<float>(x);
    float cellX = left;
    auto cellY = static_cast<float>(y);
    float rowBottom = cellY + ch;
    const int32_t rightEdge = x + gridWidth - 1;
    // A zero key spanning the rows ends where the last row ends, as the last column ends on rightEdge.
    const int32_t bottomEdge = y + gridHeight - 1;
    int32_t held = -1;
    bool heldIsShown = false;

    int32_t i = 0;
    while (i < n) {
        Button& k = keys[i];
        const bool spanning = isSpanningZero(i);
        if (held == -1 && k.pressed) held = i;
        k.setPosition(static_cast<int32_t>(cellX), static_cast<int32_t>(cellY));
        float right = cellX + cw;
        if (spanning && rows == 4) right += 2 * cw;
        bool shown = true;
        if (spanning && rows == 3) {
            shown = i < columns;
            if (shown) placeKey(k, right, static_cast<float>(bottomEdge));
        } else {
            placeKey(k, right, rowBottom);
        }
        cellX = right;
        if (i % columns == columns - 1) k.width = rightEdge - k.x;
        if (i == held) heldIsShown = shown;
        if (i != held && shown) k.draw();

        i += spanning && rows == 4 ? 3 : 1;
        if (i % columns == 0) {
            cellX = left;
            cellY = rowBottom;
            rowBottom += ch;
        }
    }
    if (heldIsShown) keys[held].draw();
}

// The same walk as draw's: a spanning zero is one key, and the lower zeros of the three-row layout are left out.
void joinFocus(KeyGrid& grid) {
    const int32_t n = grid.rows * grid.columns;
    int32_t i = 0;
    while (i < n) {
        const bool spanning = grid.isSpanningZero(i);
        if (!spanning || grid.rows != 3 || i < grid.columns) joinFocus(grid.keys[i]);
        i += spanning && grid.rows == 4 ? 3 : 1;
    }
}
