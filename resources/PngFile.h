#pragma once
// Minimal PNG writing for the desktop icons and the artwork previews: 8-bit RGBA, the image data in
// uncompressed deflate blocks, so no compression library is needed.
#include "Bytes.h"
#include "Canvas.h"

namespace art {

Bytes encodePng(const RgbaImage& image);

}  // namespace art
