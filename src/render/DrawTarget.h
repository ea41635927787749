#pragma once
// Rendering (src/render): this draw target, the frame buffer (FrameBuffer.h), colours (Colour.h),
// rectangles (Rect.h), the drawing primitives and their pixel rules (Primitives.h), and bitmap
// images with the regions cut from them (Image.h, ImageRegion.h).
//
// The one global description of the pixels all drawing writes to, and of the clip rectangle.
// Primitives, blits, text and widget registration never take a surface: they read this.
#include <cstdint>

#include "render/Rect.h"

struct DrawTarget {
    uint16_t* pixels = nullptr;
    int32_t width = 0;  // also the row stride in pixels
    int32_t height = 0;
    Rect clip;
};

// Points drawing at pixels and sets the clip to the whole target.
void setDrawTarget(uint16_t* pixels, int32_t width, int32_t height);
int32_t targetWidth();
int32_t targetHeight();
void getClip(Rect& clip);
const DrawTarget& drawTarget();
