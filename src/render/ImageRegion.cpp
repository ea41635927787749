#include "render/ImageRegion.h"

#include <algorithm>

#include "render/DrawTarget.h"

namespace {

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

void ImageRegion::draw() const {
    const Image* image = picture;
    const DrawTarget& target = drawTarget();
    if (image->pixels() == nullptr || image->bitsPerPixel() > 8 || target.pixels == nullptr) return;
    const int64_t cl = std::max<int64_t>(target.clip.left, 0);
    const int64_t ct = std::max<int64_t>(target.clip.top, 0);
    const int64_t cr = std::min<int64_t>(target.clip.right, target.width);
    const int64_t cb = std::min<int64_t>(target.clip.bottom, target.height);
    const int64_t x = posX;
    const int64_t y = posY;
    const int64_t width = widthPx;
    const int64_t height = heightPx;
    if (x >= cr || x + width < cl || y >= cb || y + height < ct) return;

    // Image column of screen column X is columnBase + X, image row of screen row Y is rowBase + Y.
    const int64_t columnBase = int64_t{srcLeft} - x;
    const int64_t rowBase = int64_t{srcTop} - y;
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
    if (key != NoColourKey) {
        copyRowsKeyed(blit, rgbTo565(static_cast<Rgb>(key)));
    } else {
        copyRows(blit);
    }
}
