#include "render/ImageRegion.h"

#include <algorithm>
#include <limits>

#include "render/DrawTarget.h"

namespace {

int32_t saturate(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// Where a run of pixels is read from and written to. Callers clip.
struct BlitRows {
    const uint8_t* source;
    int64_t sourceStride;
    uint16_t* destination;
    int64_t destinationStride;
    int64_t width;
    int64_t rows;
    const uint16_t* palette;
};

void copyRows(const BlitRows& blit) {
    const uint8_t* source = blit.source;
    uint16_t* destination = blit.destination;
    for (int64_t row = 0; row < blit.rows; ++row, source += blit.sourceStride, destination += blit.destinationStride) {
        for (int64_t i = 0; i < blit.width; ++i) destination[i] = blit.palette[source[i]];
    }
}

void copyRowsKeyed(const BlitRows& blit, uint16_t key) {
    const uint8_t* source = blit.source;
    uint16_t* destination = blit.destination;
    for (int64_t row = 0; row < blit.rows; ++row, source += blit.sourceStride, destination += blit.destinationStride) {
        for (int64_t i = 0; i < blit.width; ++i) {
            const uint16_t p = blit.palette[source[i]];
            if (p != key) destination[i] = p;
        }
    }
}

}  // namespace

ImageRegion::ImageRegion(const Image& image, int32_t sourceLeft, int32_t sourceTop, int32_t stripWidth, int32_t height,
                         int32_t frameCount)
    : srcLeft(sourceLeft),
      srcTop(sourceTop),
      picture(&image),
      frames(std::max(frameCount, 1)),
      frameW(stripWidth / frames),
      stripW(stripWidth),
      heightPx(height) {}

void ImageRegion::draw() {
    if (!visible) return;
    const int64_t first = int64_t{frameIndex} * frameW;
    blitRegion(*this, saturate(first), saturate(first + frameW), 0);
}

void ImageRegion::bounds(Rect& rect) const {
    const int64_t right = static_cast<int64_t>(posX) + frameW;
    const int64_t bottom = static_cast<int64_t>(posY) + heightPx;
    rect = Rect{posX, posY, saturate(right), saturate(bottom)};
}

void ImageRegion::setFrame(int32_t index) { frameIndex = std::clamp(index, 0, frames - 1); }

void blitRegion(const ImageRegion& region, int32_t firstColumn, int32_t endColumn, int32_t rowOffset) {
    const Image* image = region.image();
    const DrawTarget& target = drawTarget();
    if (image == nullptr || image->pixels() == nullptr || image->bitsPerPixel() > 8 || target.pixels == nullptr) return;
    const int64_t cl = std::max<int64_t>(target.clip.left, 0);
    const int64_t ct = std::max<int64_t>(target.clip.top, 0);
    const int64_t cr = std::min<int64_t>(target.clip.right, target.width);
    const int64_t cb = std::min<int64_t>(target.clip.bottom, target.height);
    const int64_t x = region.x();
    const int64_t y = region.y();
    const int64_t frameWidth = region.frameWidth();
    const int64_t height = region.height();
    if (x >= cr || x + frameWidth < cl || y >= cb || y + height < ct) return;

    const int64_t width = std::min<int64_t>(frameWidth, int64_t{endColumn} - firstColumn);
    // Image column of screen column X is columnBase + X, image row of screen row Y is rowBase + Y.
    const int64_t columnBase = int64_t{region.sourceLeft()} + firstColumn - x;
    const int64_t rowBase = int64_t{region.sourceTop()} + rowOffset - y;
    // The right edge is the target's width rather than the clip's.
    const int64_t left = std::max({x, cl, -columnBase});
    const int64_t right = std::min({x + width, int64_t{target.width}, image->width() - columnBase});
    const int64_t top = std::max({y, ct, -rowBase});
    const int64_t bottom = std::min({y + height, cb, image->height() - rowBase});
    if (right <= left || bottom <= top) return;

    const BlitRows blit{image->pixels() + (rowBase + top) * image->width() + columnBase + left,
                        image->width(),
                        target.pixels + top * target.width + left,
                        target.width,
                        right - left,
                        bottom - top,
                        image->palette().data()};
    // The key mode is chosen once per call, so the inner loop holds at most one comparison.
    const int32_t key = image->colourKey();
    if (key != NoColourKey && region.keyEnabled()) {
        copyRowsKeyed(blit, rgbTo565(static_cast<Rgb>(key)));
    } else {
        copyRows(blit);
    }
}
