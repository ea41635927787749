#pragma once
// Measuring a widget's text in the current font, as the widget kinds size themselves.
#include <cstdint>

#include "support/WString.h"
#include "text/Font.h"

// 0 when no font is current.
inline int32_t currentTextWidth(const WString& text) {
    const Font* font = currentFont();
    return font ? font->textWidth(text) : 0;
}
