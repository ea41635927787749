#pragma once
// Up to twelve buttons laid out edge to edge in equal rows and columns each time the grid is drawn: the game's
// soft-key bar and its digit keypad. A "0" key spans three cells: the whole bottom row of a 4-row
// layout, or the whole right column of a 3-row layout, whose lower "0" keys are then left out.
#include "ui/Button.h"

class KeyGrid : public Widget {
public:
    static constexpr int32_t KeyCount = 12;

    // False, and the layout kept, when the cells would not fit the twelve keys or a side is empty.
    bool setLayout(int32_t rowCount, int32_t columnCount);
    Button& key(int32_t index) { return keys[index]; }

    void draw() override;

    Button keys[KeyCount];
    int32_t rows = 0;
    int32_t columns = 0;

private:
    bool isSpanningZero(int32_t index) const;

    friend void joinFocus(KeyGrid& grid);
};

// Each key shown joins the focus order, row by row.
void joinFocus(KeyGrid& grid);
