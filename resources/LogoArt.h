#pragma once
// The "Vortellanox" title logo, keyed on white: it is drawn on the white panel of the front-end.
#include "ArtLayout.h"
#include "Canvas.h"

namespace art {

RgbaImage drawLogo(const LogoLayout& layout);

}  // namespace art
