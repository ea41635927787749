#pragma once
// A drawable view onto a rectangle of an Image, shown with its top-left corner at a screen position.
// The Image is not owned and must outlive the region.
#include <cstdint>

#include "render/Image.h"
#include "render/Rect.h"

class ImageRegion {
public:
    // The width x height image pixels at (sourceLeft, sourceTop), shown at (0, 0) until moved.
    ImageRegion(const Image& image, int32_t sourceLeft, int32_t sourceTop, int32_t width, int32_t height)
        : srcLeft(sourceLeft), srcTop(sourceTop), picture(&image), widthPx(width), heightPx(height) {}

    // Blits the region with its top-left corner at its position: one palette look-up and 16-bit store
    // per pixel, pixels of the image's colour key skipped. Clipped at the clip's left, top and bottom,
    // and at the target's right edge; pixels outside the picture are never read, and a picture of more
    // than 8 bits per pixel is not drawn.
    void draw() const;

    void setPosition(int32_t x, int32_t y) {
        posX = x;
        posY = y;
    }
    int32_t x() const { return posX; }
    int32_t y() const { return posY; }
    int32_t frameWidth() const { return widthPx; }
    int32_t height() const { return heightPx; }

private:
    int32_t posX = 0;
    int32_t posY = 0;
    int32_t srcLeft;
    int32_t srcTop;
    const Image* picture;
    int32_t widthPx;
    int32_t heightPx;
};
