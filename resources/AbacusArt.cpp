// The lower side picture: a wooden abacus with four rods of coloured beads, some counted across.
#include "ArtStyle.h"
#include "SheetArt.h"

namespace art {

namespace {

constexpr Box frameOuter{5, 5, 153, 88};
constexpr float frameWidth = 9;
constexpr int rods = 4;
constexpr float beadRadiusX = 6.2f, beadRadiusY = 7.4f;

void drawFrame(Painter& painter) {
    const float outline = painter.atLeastPixels(2, 1);
    const Shape outer = roundedBox(frameOuter, 7);
    const Shape opening = roundedBox(grown(frameOuter, -frameWidth), 3);
    const Shape frame = subtract(outer, opening);
    painter.fill(translate(inflate(frame, outline), {2.5f, 3}), style::shadow);
    painter.fill(subtract(inflate(outer, outline), inflate(opening, -outline)), style::ink);
    painter.fill(frame,
                 verticalGradient(lighter(style::wood, 0.2f), frameOuter.top, style::darkWood, frameOuter.bottom));
    // Brass pins at the corners.
    const float pin = painter.atLeastPixels(2, 1);
    for (Vec corner :
         {Vec{frameOuter.left + 4.5f, frameOuter.top + 4.5f}, Vec{frameOuter.right - 4.5f, frameOuter.top + 4.5f},
          Vec{frameOuter.left + 4.5f, frameOuter.bottom - 4.5f},
          Vec{frameOuter.right - 4.5f, frameOuter.bottom - 4.5f}})
        painter.fill(circle(corner, pin), style::sunYellow);
    // Feet.
    for (float x : {frameOuter.left + 14, frameOuter.right - 14}) {
        const Shape foot = roundedBox({x - 7, frameOuter.bottom - 1, x + 7, frameOuter.bottom + 6}, 3);
        painter.fill(inflate(foot, outline), style::ink);
        painter.fill(foot, style::darkWood);
    }
}

float rodY(int rod) {
    const Box inside = grown(frameOuter, -frameWidth);
    return inside.top + inside.height() * (2 * rod + 1) / (2 * rods);
}

void drawBead(Painter& painter, Vec centre, Rgba colour) {
    const Shape bead = ellipse(centre, beadRadiusX, beadRadiusY);
    painter.fill(inflate(bead, painter.atLeastPixels(1.3f, 0.8f)), style::ink);
    painter.fill(bead, radialGradient(centre - Vec{2, 3}, beadRadiusY * 1.6f, lighter(colour, 0.45f), colour));
}

}  // namespace

void drawSideArtLower(Painter& painter, const SheetLayout&) {
    drawFrame(painter);
    const Box inside = grown(frameOuter, -frameWidth);
    const Rgba colours[rods] = {style::cherry, style::sunYellow, style::leafGreen, style::skyBlue};
    // How many beads sit at the left end of each rod; the rest are at the right.
    const int counted[rods] = {3, 5, 2, 4};
    const int beadsPerRod = 8;
    const float step = 2 * beadRadiusX + 0.8f;
    for (int rod = 0; rod < rods; ++rod) {
        const float y = rodY(rod);
        painter.fill(capsule({inside.left, y}, {inside.right, y}, painter.atLeastPixels(1.1f, 0.6f)), style::steel);
        for (int bead = 0; bead < beadsPerRod; ++bead) {
            const bool left = bead < counted[rod];
            const float x = left ? inside.left + beadRadiusX + 1 + bead * step
                                 : inside.right - beadRadiusX - 1 - (beadsPerRod - 1 - bead) * step;
            drawBead(painter, {x, y}, colours[rod]);
        }
    }
}

}  // namespace art
