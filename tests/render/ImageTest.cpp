// Images read in place from 8-bit bitmap bytes; damaged bytes count as no picture.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "common/PixelTarget.h"
#include "render/Image.h"
#include "render/ImageRegion.h"

namespace {

TEST(Images, LoadTheHeaderThePaletteAsRgb565AndPixelsInPlace) {
    const std::vector<uint8_t> bytes = makeBitmap(
        8, 2, [](int i) { return i == 1 ? 0x00FFE7DBu : makeRgb(i, 255 - i, 7 * i); },
        [](int x, int y) { return x + 8 * y; });
    Image image;
    ASSERT_TRUE(image.loadImageBytes(bytes, 107, 0x00FFE7DB));
    EXPECT_EQ(std::tuple(image.width(), image.height(), image.bitsPerPixel(), image.pixels(), image.colourKey()),
              std::tuple(8, 2, 8, bytes.data() + 1064, 0x00FFE7DB));
    EXPECT_EQ(std::tuple(image.palette()[0], image.palette()[1], image.palette()[255]),
              std::tuple(0x07E0, 0xDF3F, 0xF81F));
    EXPECT_FALSE(image.loadImageResource(31999, 0));
    EXPECT_TRUE(image.width() == 0 && image.height() == 0 && image.pixels() == nullptr && image.colourKey() == 0);
}

TEST(Images, BytesShorterThanTheHeaderClaimsCountAsMissingAndDeepPicturesAreNotDrawn) {
    auto cut = [](std::vector<uint8_t> bytes, size_t size) {
        bytes.resize(size);
        return bytes;
    };
    auto field = [](std::vector<uint8_t> bytes, size_t at, uint32_t value) {
        for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
        return bytes;
    };
    const std::vector<uint8_t> eight = makeBitmap(8, 8, sheetColour, sheetIndex);
    const std::vector<uint8_t> deep = field(cut(eight, 40 + 8 * 8 * 3), 14, 24);
    const std::vector<uint8_t> damaged[] = {
        cut(eight, 39),                              // no whole header
        cut(eight, 1000),                            // colour table cut short
        cut(eight, eight.size() - 1),                // one pixel short
        field(eight, 4, static_cast<uint32_t>(-8)),  // negative width
        field(eight, 8, static_cast<uint32_t>(-8)),  // negative height
        field(eight, 4, INT_MAX),                    // absurd width
        field(field(eight, 4, 65536), 8, 65536),     // a pixel count past 32 bits
        field(eight, 12, 0xFFFFFFFF),                // absurd depth
        cut(deep, deep.size() - 1)                   // deep pixels one byte short
    };
    PixelTarget target(4, 4);
    for (const std::vector<uint8_t>& bytes : damaged) {
        const std::vector<uint8_t> exact(bytes.begin(), bytes.end());  // no spare capacity to read unnoticed
        Image image;
        EXPECT_FALSE(image.loadImageBytes(exact, 1, NoColourKey)) << bytes.size();
        EXPECT_EQ(image.pixels(), nullptr);
        ImageRegion(image, 0, 0, 4, 4).draw();
    }
    // A deeper picture of the right size loads, pointing just past the header, but is not drawn.
    Image image;
    ASSERT_TRUE(image.loadImageBytes(deep, 5, NoColourKey));
    EXPECT_TRUE(image.bitsPerPixel() == 24 && image.pixels() == deep.data() + 40);
    ImageRegion(image, 0, 0, 4, 2).draw();
    EXPECT_EQ(target.picture(0xFFFF), Rows(4, "...."));
}

}  // namespace
