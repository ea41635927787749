// The maker's banner in the top-left corner: a marquee sign with a row of lights round its frame
// and the maker's name, mounted on the ribbon that runs on to the right across the screen.
#include <cmath>

#include "ArtStyle.h"
#include "Ribbon.h"
#include "ShadedText.h"
#include "SheetArt.h"

namespace art {

namespace {

constexpr Box signArea{3, 3, 394, 86};
constexpr float signRadius = 18;
constexpr float rimWidth = 4;     // dark red outer rim
constexpr float lightsWidth = 9;  // orange band that carries the lights
constexpr float trimWidth = 3;    // yellow trim round the field

void drawLights(Painter& painter, const Shape& band, float inset) {
    // Lights evenly spaced along the middle of the orange band, walked round the rounded box.
    const Box path = grown(signArea, -inset);
    const float r = signRadius - inset;
    const float straightX = path.width() - 2 * r, straightY = path.height() - 2 * r;
    const float perimeter = 2 * (straightX + straightY) + 2 * 3.14159265f * r;
    const int count = static_cast<int>(perimeter / 15);
    const float lightRadius = painter.atLeastPixels(2.6f, 1.2f);
    for (int i = 0; i < count; ++i) {
        float along = perimeter * (i + 0.5f) / count;
        Vec centre;
        const float quarter = 3.14159265f * r / 2;
        const float sides[8] = {straightX, quarter, straightY, quarter, straightX, quarter, straightY, quarter};
        int side = 0;
        while (side < 7 && along > sides[side]) along -= sides[side++];
        switch (side) {
            case 0:
                centre = {path.left + r + along, path.top};
                break;
            case 1:
                centre = polar({path.right - r, path.top + r}, r, -90 + 90 * along / quarter);
                break;
            case 2:
                centre = {path.right, path.top + r + along};
                break;
            case 3:
                centre = polar({path.right - r, path.bottom - r}, r, 90 * along / quarter);
                break;
            case 4:
                centre = {path.right - r - along, path.bottom};
                break;
            case 5:
                centre = polar({path.left + r, path.bottom - r}, r, 90 + 90 * along / quarter);
                break;
            case 6:
                centre = {path.left, path.bottom - r - along};
                break;
            default:
                centre = polar({path.left + r, path.top + r}, r, 180 + 90 * along / quarter);
                break;
        }
        const bool lit = i % 2 == 0;
        const Rgba bulb = lit ? style::cream : style::sunYellow;
        painter.fill(intersect(circle(centre, lightRadius * 2.2f), band),
                     radialGradient(centre, lightRadius * 2.2f, withAlpha(style::sunYellow, lit ? 0.7f : 0.35f),
                                    withAlpha(style::sunYellow, 0)));
        painter.fill(circle(centre, lightRadius),
                     radialGradient(centre - Vec{0.8f, 0.8f}, lightRadius * 1.2f, style::white, bulb));
    }
}

}  // namespace

void drawBanner(Painter& painter, const SheetLayout& sheet) {
    const float top = ribbonTop(painter, sheet);
    const float end = static_cast<float>(wideSheet.bannerRegion.width);
    ribbon::drawBands(painter, signArea.right - 60, end + 1, top);
    ribbon::drawCounters(painter, signArea.right - 60, end + 1, top, end);

    const Shape sign = roundedBox(signArea, signRadius);
    painter.fill(translate(sign, {3, 3}), style::shadow);
    painter.fill(sign, style::frameRed);
    const Shape lightsBand = inflate(sign, -rimWidth);
    painter.fill(lightsBand, verticalGradient(lighter(style::frameOrange, 0.15f), signArea.top,
                                              darker(style::frameOrange, 0.1f), signArea.bottom));
    drawLights(painter, lightsBand, rimWidth + lightsWidth / 2);
    const Shape trim = inflate(sign, -(rimWidth + lightsWidth));
    painter.fill(trim, style::frameYellow);
    const Shape field = inflate(sign, -(rimWidth + lightsWidth + trimWidth));
    painter.fill(field, verticalGradient(style::skyBlue, signArea.top + 16, style::deepBlue, signArea.bottom - 16));
    // A soft sheen across the top half of the field.
    painter.fill(intersect(field, ellipse({signArea.centre().x, signArea.top + 14}, signArea.width() * 0.55f, 26)),
                 withAlpha(style::white, 0.12f));

    ShadedTextStyle text;
    text.letters.capHeight = 34;
    text.letters.penWidth = 0.19f;
    text.letters.tracking = 0.07f;
    text.letters.slant = 0.1f;
    text.outline = painter.atLeastPixels(2.5f, 1.2f);
    text.shadowOffset = {2, 2.5f};
    text.bevel = 3;
    text.topColour = style::white;
    text.bottomColour = style::sunYellow;
    text.outlineColour = style::ink;
    text.shadowColour = withAlpha(style::ink, 0.45f);
    const std::string name = "Brinmoor Arcade";
    const float width = textWidth(name, text.letters);
    const Vec centre = signArea.centre();
    drawShadedText(painter, name, {centre.x - width / 2 - 1, centre.y - text.letters.capHeight / 2 - 1}, text);
}

}  // namespace art
