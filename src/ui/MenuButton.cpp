#include "ui/MenuButton.h"

void MenuButton::draw() {
    registerForInput();
    if (pressed) drawBox();
    drawCentredText();
}
