// The upper side picture: a little tower of toy number blocks with arithmetic signs floating round
// it in coloured bubbles.
#include <string>

#include "ArtStyle.h"
#include "ShadedText.h"
#include "SheetArt.h"
#include "Symbols.h"

namespace art {

namespace {

constexpr float blockSize = 54;
constexpr float blockDepth = 14;
constexpr float lift = 0.7f;  // how far the top face rises per unit of depth

void drawBlock(Painter& painter, Vec topLeft, Rgba colour, char digit) {
    const float x = topLeft.x, y = topLeft.y, s = blockSize, d = blockDepth, h = d * lift;
    const Shape front = box({x, y, x + s, y + s});
    const Shape topFace = polygon({{x, y}, {x + d, y - h}, {x + s + d, y - h}, {x + s, y}});
    const Shape sideFace = polygon({{x + s, y}, {x + s + d, y - h}, {x + s + d, y + s - h}, {x + s, y + s}});
    const Shape whole = unite({front, topFace, sideFace});
    const float outline = painter.atLeastPixels(2, 1);
    painter.fill(inflate(whole, outline), style::ink);
    painter.fill(topFace, lighter(colour, 0.35f));
    painter.fill(sideFace, darker(colour, 0.25f));
    painter.fill(front, verticalGradient(lighter(colour, 0.1f), y, colour, y + s));
    // Thin ink edges where the faces meet.
    const float edge = painter.atLeastPixels(1, 0.6f);
    painter.fill(capsule({x, y}, {x + s, y}, edge), withAlpha(style::ink, 0.6f));
    painter.fill(capsule({x + s, y}, {x + s, y + s}, edge), withAlpha(style::ink, 0.6f));
    painter.fill(capsule({x + s, y}, {x + s + d, y - h}, edge), withAlpha(style::ink, 0.6f));
    // The recessed panel on the front with the block's number.
    const float inset = 6;
    const Shape panel = roundedBox({x + inset, y + inset, x + s - inset, y + s - inset}, 5);
    painter.fill(inflate(panel, painter.atLeastPixels(1.2f, 0.8f)), darker(colour, 0.3f));
    painter.fill(panel, verticalGradient(style::cream, y + inset, style::white, y + s - inset));
    ShadedTextStyle text;
    text.letters.capHeight = 30;
    text.letters.penWidth = 0.2f;
    text.outline = painter.atLeastPixels(1.6f, 1);
    text.shadowOffset = {1.5f, 1.5f};
    text.bevel = 2.5f;
    text.topColour = lighter(colour, 0.2f);
    text.bottomColour = darker(colour, 0.1f);
    text.outlineColour = style::ink;
    text.shadowColour = withAlpha(style::ink, 0.25f);
    const std::string number(1, digit);
    drawShadedText(painter, number, {x + s / 2 - textWidth(number, text.letters) / 2, y + s / 2 - 15}, text);
}

void drawBubble(Painter& painter, Vec centre, float radius, Rgba colour, char sign) {
    const Shape disc = circle(centre, radius);
    painter.fill(translate(disc, {2, 2.5f}), style::shadow);
    painter.fill(inflate(disc, painter.atLeastPixels(2, 1)), style::ink);
    painter.fill(disc, radialGradient(centre - Vec{radius * 0.35f, radius * 0.45f}, radius * 1.7f,
                                      lighter(colour, 0.4f), colour));
    // A glint near the bubble's upper-left rim, clear of the sign.
    painter.fill(rotate(ellipse(centre - Vec{radius * 0.52f, radius * 0.52f}, radius * 0.24f, radius * 0.11f),
                        centre - Vec{radius * 0.52f, radius * 0.52f}, -45),
                 withAlpha(style::white, 0.75f));
    painter.fill(
        operatorSign(sign, centre, radius * (sign == 'x' ? 1.15f : 1.05f), painter.atLeastPixels(radius * 0.28f, 2)),
        style::white);
}

}  // namespace

void drawSideArtUpper(Painter& painter, const SheetLayout&) {
    // A soft shadow on the ground under the tower.
    painter.fill(ellipse({78, 157}, 74, 6), withAlpha(style::ink, 0.16f));
    drawBlock(painter, {8, 98}, style::cherry, '1');
    drawBlock(painter, {70, 98}, style::skyBlue, '2');
    drawBlock(painter, {39, 39}, style::leafGreen, '3');
    drawBubble(painter, {22, 22}, 13, style::grape, 'x');
    drawBubble(painter, {160, 30}, 17, style::frameOrange, '+');
    drawBubble(painter, {168, 82}, 14, style::leafGreen, '/');
    drawBubble(painter, {166, 132}, 12, style::cherry, '-');
}

}  // namespace art
