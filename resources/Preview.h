#pragma once
// Pictures for a person to look at while working on the artwork (vx-makeres --preview): each bitmap
// as it will be drawn after palette reduction, enlarged, and mock-ups of the main menu at both sizes.
#include "ArtLayout.h"
#include "Canvas.h"
#include "Quantiser.h"

namespace art {

// The palette-reduced picture as full colour again.
RgbaImage expand(const IndexedImage& image);
// Enlarged by whole pixels (nearest neighbour), so single pixels can be seen.
RgbaImage enlarged(const RgbaImage& image, int factor);

// The main menu's decoration laid out as the front-end lays it out on a screen of the given size,
// from the palette-reduced sheet and logo (the menu's buttons are only suggested by plain boxes).
RgbaImage mockMainMenu(int width, int height, const IndexedImage& sheet, const IndexedImage& logo,
                       const SheetLayout& layout);

}  // namespace art
