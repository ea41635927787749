#pragma once
// A vertical menu of up to eight entries of one common width, polled for the entry clicked. The
// column itself takes no taps; its entries do.
#include "ui/MenuButton.h"

class ButtonColumn : public Widget {
public:
    static constexpr int32_t Capacity = 8;

    // The entries' combined height with the gaps between them, also stored in height.
    int32_t getHeight() override;
    void draw() override;

    // Ignored once the column holds Capacity entries.
    void addItem(const WString& itemText);
    // The lowest entry clicked since it was last reported; later clicks stay pending for the next call.
    bool takeClicked(int32_t& index);

    int32_t spacing = 0;
    MenuButton items[Capacity];
    int32_t itemCount = 0;
};

// Each entry joins the focus order, top to bottom.
void joinFocus(ButtonColumn& column);
