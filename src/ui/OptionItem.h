#pragma once
// One choice of an OptionRow: its text, with a box behind it when it is the selected one. It lets a
// press go on to the row behind it, which moves the selection.
#include "ui/Widget.h"

class OptionItem : public Widget {
public:
    OptionItem() { passThrough = true; }

    int32_t getWidth() override;   // the text with a space's width on either side
    int32_t getHeight() override;  // one and a half times the current ascent
    void draw() override;
    void onPress(const Point& point) override;

    bool boxed = true;
    bool chosen = false;  // selected, or just pressed to become it
};
