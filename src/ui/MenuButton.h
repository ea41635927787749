#pragma once
// A menu entry: bare centred text that shows a box only while the stylus holds it.
#include "ui/Button.h"

class MenuButton : public Button {
public:
    void draw() override;
};
