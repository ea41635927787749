#pragma once
// A square showing a flag its owner keeps, with a label to its right. A tap toggles the flag when
// the stylus is lifted inside the square; the label takes no taps.
#include "ui/Widget.h"

class CheckBox : public Widget {
public:
    CheckBox();

    int32_t getWidth() override;  // 16 in a font under 16 pixels of ascent, else 32
    int32_t getHeight() override;
    void draw() override;
    void onClick(const Point& point) override;

    void bindFlag(bool* flag) { boundFlag = flag; }
    // Inverts the bound flag; nothing when none is bound.
    void toggle();

    bool* boundFlag = nullptr;

private:
    int32_t side() const;
    void drawTick();
};

// Joins the focus order with its label inside the ring.
void joinFocus(CheckBox& box);
