#include "ui/LinkLabel.h"

#include "platform/Platform.h"
#include "render/Primitives.h"
#include "text/TextDraw.h"
#include "ui/Palette.h"
#include "ui/TextMeasure.h"

int32_t LinkLabel::getWidth() { return currentTextWidth(text); }
int32_t LinkLabel::getHeight() { return currentAscent(); }

void LinkLabel::draw() {
    Rgb colour = textColour;
    if (active) {
        registerForInput();
        if (pressed) colour = paletteGreen;
    }
    TextStyle style;
    style.colour = colour;
    drawTextStyledCurrent(text, x, y, style);
    drawHLine(x, y + getHeight(), x + getWidth(), colour);
}

void LinkLabel::onClick(const Point&) {
    if (active) openLink();
}

bool LinkLabel::openLink() { return platform::openUrl(address.empty() ? text : address); }
