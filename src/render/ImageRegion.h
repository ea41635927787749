#pragma once
// A drawable view onto a rectangle of an Image: one frame, or a horizontal strip of equal frames, shown
// with its top-left corner at a screen position. The Image is not owned and must outlive the region.
#include <cstdint>

#include "render/Image.h"
#include "render/Rect.h"

class ImageRegion {
public:
    // The strip of stripWidth x height image pixels at (sourceLeft, sourceTop), cut into frameCount
    // equal frames (fewer than 1 counts as 1). Position (0, 0), key enabled, visible, frame 0.
    ImageRegion(const Image& image, int32_t sourceLeft, int32_t sourceTop, int32_t stripWidth, int32_t height,
                int32_t frameCount = 1);
    virtual ~ImageRegion() = default;
    // Blits the current frame at the position when visible.
    virtual void draw();

    void setPosition(int32_t x, int32_t y) {
        posX = x;
        posY = y;
    }
    // (x, y, x + frame width, y + height).
    void bounds(Rect& rect) const;
    // Shows frame index, kept within 0 .. frame count - 1.
    void setFrame(int32_t index);
    void setKeyEnabled(bool enabled) { keyOn = enabled; }
    void setVisible(bool shown) { visible = shown; }

    int32_t x() const { return posX; }
    int32_t y() const { return posY; }
    int32_t frame() const { return frameIndex; }
    int32_t frameCount() const { return frames; }
    int32_t frameWidth() const { return frameW; }
    int32_t stripWidth() const { return stripW; }
    int32_t height() const { return heightPx; }
    int32_t sourceLeft() const { return srcLeft; }
    int32_t sourceTop() const { return srcTop; }
    bool keyEnabled() const { return keyOn; }
    bool isVisible() const { return visible; }
    const Image* image() const { return picture; }

private:
    int32_t posX = 0;
    int32_t posY = 0;
    bool keyOn = true;
    bool visible = true;
    int32_t srcLeft;
    int32_t srcTop;
    const Image* picture;
    int32_t frameIndex = 0;
    int32_t frames;
    int32_t frameW;
    int32_t stripW;
    int32_t heightPx;
};

// Draws a frame-wide run of source columns from firstColumn (at most up to endColumn) and the frame's
// rows from rowOffset on, both relative to the source rectangle, at the region's position: one palette
// look-up and 16-bit store per pixel, pixels of the image's colour key skipped when the region honours
// it. Clipped at the clip's left, top and bottom, and at the target's right edge; pixels outside the
// picture are never read, and a picture of more than 8 bits per pixel is not drawn.
void blitRegion(const ImageRegion& region, int32_t firstColumn, int32_t endColumn, int32_t rowOffset);
