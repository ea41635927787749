#pragma once
// The bitmap layout the program reads: a 40-byte information header, a 256-entry colour table of
// blue, green, red, reserved, then one byte per pixel from offset 1,064, rows top first without
// padding (every width is a multiple of 4, so the rows are also what other readers expect).
#include "Bytes.h"
#include "Quantiser.h"

namespace art {

constexpr size_t bitmapPixelOffset = 40 + 256 * 4;

Bytes encodeBitmap(const IndexedImage& image);

}  // namespace art
