#pragma once
// The front-end sprite sheets: every region drawn from one description, in design units of the wide
// sheet's pixels, and scaled for the narrow sheet, so both sizes show the same pictures.
#include "ArtLayout.h"
#include "Canvas.h"
#include "Painter.h"

namespace art {

RgbaImage drawSheet(const SheetLayout& sheet);

// The pictures of the regions, each drawn with its top-left corner at design (0, 0) at the size the
// region has on the wide sheet. The sheet passed tells where the strip runs at this scale.
void drawBanner(Painter& painter, const SheetLayout& sheet);
void drawStripTile(Painter& painter, const SheetLayout& sheet);
void drawCornerOrnament(Painter& painter, const SheetLayout& sheet);
void drawSideArtUpper(Painter& painter, const SheetLayout& sheet);
void drawSideArtLower(Painter& painter, const SheetLayout& sheet);

enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };
void drawPanelCorner(Painter& painter, Corner corner);

// The ribbon's top in design units in a region whose top is the banner's or the ornament's top.
float ribbonTop(const Painter& painter, const SheetLayout& sheet);

}  // namespace art
