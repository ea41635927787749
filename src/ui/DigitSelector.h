#pragma once
// A digit the D-pad turns, for a screen that has no keypad to press: Up and Down turn it (9 follows
// 0 and 0 follows 9) and A enters it. It takes those focus keys itself (onFocusKey) and no taps; its
// owner polls takeEntered. Drawn as a box with the digit between two arrows, in the current font.
#include "ui/Widget.h"

class DigitSelector : public Widget {
public:
    int32_t getWidth() override;   // the digit with a quarter of the ascent either side
    int32_t getHeight() override;  // the digit with an arrow above and below
    void draw() override;
    bool onFocusKey(FocusKey key) override;
    // How far below the top the digit's own top is.
    int32_t digitOffset() const;

    // The digit entered since the last call, if any.
    bool takeEntered(char16_t& entered);

    int32_t digit = 0;

private:
    bool enteredLatch = false;
};
