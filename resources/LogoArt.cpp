#include "LogoArt.h"

#include "ArtStyle.h"
#include "ShadedText.h"

namespace art {

namespace {

constexpr int supersampling = 4;
const char* const title = "Vortellanox";

}  // namespace

RgbaImage drawLogo(const LogoLayout& layout) {
    // Designed at the wide logo's size; the narrow one is the same drawing at its scale.
    const float scale = static_cast<float>(layout.width) / wideLogo.width;
    Canvas canvas(layout.width, layout.height, supersampling, fromColour24(logoColourKey));
    Painter painter(canvas, scale);

    ShadedTextStyle text;
    text.letters.capHeight = 44;
    text.letters.penWidth = 0.2f;
    text.letters.tracking = 0.1f;
    text.letters.slant = 0.12f;
    text.outline = painter.atLeastPixels(3, 1.5f);
    text.shadowOffset = {2.5f, 3};
    text.bevel = 3.5f;
    text.topColour = style::sunYellow;
    text.bottomColour = style::frameOrange;
    text.outlineColour = style::ink;
    text.shadowColour = style::shadow;

    const float width = textWidth(title, text.letters);
    // The outline and the shadow stay a pixel clear of the edges at either scale.
    const float margin = text.outline + painter.atLeastPixels(1, 1);
    const float room = wideLogo.width - 2 * margin - text.shadowOffset.x;
    if (width > room) text.letters.capHeight *= room / width;
    const float left = (wideLogo.width - text.shadowOffset.x - textWidth(title, text.letters)) / 2;
    const float top = (wideLogo.height - text.shadowOffset.y - text.letters.capHeight) / 2;
    drawShadedText(painter, title, {left, top}, text);
    return canvas.resolve();
}

}  // namespace art
