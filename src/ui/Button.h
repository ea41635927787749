#pragma once
// A rectangle with centred text that its owner polls: downLatch as soon as the stylus touches it,
// clickLatch when the stylus is lifted inside it. A hidden button draws nothing but still takes taps.
#include "ui/Widget.h"

class Button : public Widget {
public:
    Button();

    void setWidth(int32_t w) override;  // never narrower than the text in the current font
    void draw() override;
    void onPress(const Point& point) override;
    void onClick(const Point& point) override;

    // Each answers whether the latch was set since the last call, and clears it.
    bool takeDownLatch();
    bool takeClickLatch();

    bool hidden = false;
    bool downLatch = false;
    bool clickLatch = false;

protected:
    // The label, black and centred in the button.
    void drawCentredText();
};
