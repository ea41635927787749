#pragma once
// Minimal PNG writing for the desktop icons and the artwork previews: 8-bit RGBA, filtered per row and
// compressed by our own deflate, so no image or compression library is needed.
#include "Bytes.h"
#include "Canvas.h"

namespace art {

Bytes encodePng(const RgbaImage& image);

}  // namespace art
