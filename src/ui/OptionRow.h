#pragma once
// A row of up to ten mutually exclusive choices, one always selected once there is one. Framed, it
// sits in a panel and shows only the selected choice in a white box; unframed, it shows the selected
// choice in a box and the others as plain text. Items are spread with equal gaps over the row's width.
#include "ui/OptionItem.h"

class OptionRow : public Widget {
public:
    static constexpr int32_t Capacity = 10;

    OptionRow() { passThrough = true; }

    int32_t getHeight() override;  // the items' height, also stored in height
    void draw() override;
    void onPress(const Point& point) override;

    // Ignored once the row holds Capacity items. The first item added becomes the selected one.
    void addItem(const WString& itemText);
    // Ignored for an index that names no item (a damaged settings file can bring one).
    void select(int32_t index);
    int32_t selectedIndex() const { return selected; }

    bool framed = true;
    OptionItem items[Capacity];
    int32_t itemCount = 0;
    int32_t selected = 0;

private:
    int32_t itemGap();
};

// Each item joins the focus order, the selected one first: a screen that starts on the row starts on
// its choice, so that a first press changes nothing.
void joinFocus(OptionRow& row);
