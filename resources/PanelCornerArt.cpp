// The four corners of the panel frame: the frame's three bands turn the corner on a quarter circle
// and carry on straight for the last pixels, so they meet the straight edges the program draws
// without a seam; outside the curve the background shows, inside it the panel's white.
#include "ArtStyle.h"
#include "SheetArt.h"

namespace art {

void drawPanelCorner(Painter& painter, Corner corner) {
    constexpr float size = 12;        // design units: the wide corner
    constexpr float band = size / 6;  // three bands, then the panel's fill from half the corner in
    constexpr float radius = size - band;
    const bool right = corner == Corner::TopRight || corner == Corner::BottomRight;
    const bool bottom = corner == Corner::BottomLeft || corner == Corner::BottomRight;
    // The panel as a large rounded box whose corner sits in this picture.
    const float far = 10 * size;
    const Box panel{right ? -far : 0, bottom ? -far : 0, right ? size : far, bottom ? size : far};
    const Shape outer = roundedBox(panel, radius);
    painter.fill(outer, style::frameRed);
    painter.fill(inflate(outer, -band), style::frameOrange);
    painter.fill(inflate(outer, -2 * band), style::frameYellow);
    painter.fill(inflate(outer, -3 * band), fromColour24(panelFill));
}

}  // namespace art
