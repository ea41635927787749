#pragma once
// Underlined text that opens a web address in the browser when tapped. Its owner sets active before
// every draw; an inactive link is drawn but takes no taps.
#include "ui/Widget.h"

class LinkLabel : public Widget {
public:
    int32_t getWidth() override;   // the text's width in the current font
    int32_t getHeight() override;  // the current font's ascent
    void draw() override;
    void onClick(const Point& point) override;

    // Opens address, or the text itself when no address is set. False when no browser could be started.
    bool openLink();

    bool active = false;
    WString address;
};
