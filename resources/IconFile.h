#pragma once
// The icon resource: every size in one blob, laid out as the platform layer's icon reader expects
// (see src/platform/common/WindowIcon.h): "VXIC", a count, a directory of sizes and offsets, then
// each picture as 32-bit 0xAARRGGBB pixels, little-endian, rows top first.
#include <vector>

#include "Bytes.h"
#include "Canvas.h"

namespace art {

Bytes encodeIcon(const std::vector<RgbaImage>& sizes);

}  // namespace art
