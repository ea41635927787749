#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "render/BitmapBytes.h"
#include "render/Image.h"
#include "render/ImageRegion.h"
#include "render/TinyTarget.h"

namespace {

// Bytes in a heap block of exactly their size, so that the address sanitizer reports any read past them.
class ExactBytes {
public:
    explicit ExactBytes(const std::vector<uint8_t>& source)
        : size(source.size()), block(std::make_unique<uint8_t[]>(source.size())) {
        if (size > 0) std::memcpy(block.get(), source.data(), size);
    }
    std::span<const uint8_t> span() const { return {block.get(), size}; }

private:
    size_t size;
    std::unique_ptr<uint8_t[]> block;
};

// The blit picture: 20 x 3, every fifth column the white key colour, the rest palette indices
// 1 .. 60 whose RGB565 value is the index shifted into the green bits.
constexpr int sheetWidth = 20;
constexpr int sheetHeight = 3;
uint8_t sheetIndex(int x, int y) { return x % 5 == 0 ? 0 : static_cast<uint8_t>(x + 1 + 20 * y); }
Rgb sheetColour(int i) { return i == 0 ? colourWhite() : makeRgb(0, static_cast<uint32_t>(4 * i), 0); }
uint16_t sheet565(int x, int y) {
    const int i = sheetIndex(x, y);
    return i == 0 ? 0xFFFF : static_cast<uint16_t>(i << 5);
}

constexpr uint16_t background = 0x0001;

class Blits : public ::testing::Test {
protected:
    Blits() : bytes(paletteBitmap(sheetWidth, sheetHeight, sheetColour, sheetIndex)) {
        EXPECT_TRUE(sheet.loadImageBytes(bytes.span(), 107, colourWhite()));
    }

    // Screen pixel (X, Y) shows sheet pixel (X + dx, Y + dy) inside the screen rectangle
    // [left, right) x [top, bottom), and the background everywhere else.
    void expectShown(int left, int top, int right, int bottom, int dx, int dy, bool keyed) {
        for (int y = 0; y < target.height(); ++y) {
            for (int x = 0; x < target.width(); ++x) {
                const bool inside = x >= left && x < right && y >= top && y < bottom;
                uint16_t expected = background;
                if (inside && !(keyed && sheetIndex(x + dx, y + dy) == 0)) expected = sheet565(x + dx, y + dy);
                EXPECT_EQ(target.at(x, y), expected) << "screen " << x << ", " << y;
            }
        }
        EXPECT_TRUE(target.guardsIntact());
    }

    ExactBytes bytes;
    Image sheet;
    TinyTarget target{20, 4, background};
};

TEST(Images, LoadHeaderPaletteAndPixelsInPlace) {
    auto colourOf = [](int i) { return i == 1 ? 0x00FFE7DBu : makeRgb(i, 255 - i, (i * 7) & 255); };
    const ExactBytes bytes(paletteBitmap(8, 2, colourOf, [](int x, int y) { return static_cast<uint8_t>(9 + x + y); }));
    Image image;
    ASSERT_TRUE(image.loadImageBytes(bytes.span(), 130, 0x00FFE7DB));
    EXPECT_EQ(image.width(), 8);
    EXPECT_EQ(image.height(), 2);
    EXPECT_EQ(image.bitsPerPixel(), 8);
    EXPECT_EQ(image.resourceId(), 130);
    EXPECT_EQ(image.pixels(), bytes.span().data() + 1064);
    EXPECT_EQ(image.pixels()[0], 9);
    EXPECT_EQ(image.pixels()[8], 10);  // rows are 8 bytes, the top one first
    EXPECT_EQ(image.palette()[1], 0xDF3F);
    EXPECT_EQ(image.palette()[0], 0x07E0);
    EXPECT_EQ(image.palette()[255], 0xF81F);
    for (int i = 2; i < 256; ++i) EXPECT_EQ(image.palette()[static_cast<size_t>(i)], rgbTo565(colourOf(i))) << i;
}

TEST(Images, DeeperPicturesPointAtTheHeaderEndAndAreNotDrawn) {
    std::vector<uint8_t> raw = bitmapHeader(4, 2, 1, 24);
    raw.resize(40 + 4 * 3 * 2, 0x42);
    const ExactBytes bytes(raw);
    Image image;
    ASSERT_TRUE(image.loadImageBytes(bytes.span(), 5, NoColourKey));
    EXPECT_EQ(image.bitsPerPixel(), 24);
    EXPECT_EQ(image.pixels(), bytes.span().data() + 40);

    TinyTarget target(10, 10);
    ImageRegion region(image, 0, 0, 4, 2);
    region.draw();
    EXPECT_EQ(target.countNot(0), 0);
}

TEST(Images, ColourKeyIsStoredByChannel) {
    Image image;
    EXPECT_EQ(image.colourKey(), NoColourKey);
    image.setColourKey(0x00FFE7DB);
    EXPECT_EQ(image.colourKey(), 0x00FFE7DB);
    image.setColourKey(-1);
    EXPECT_EQ(image.colourKey(), -1);
    image.setColourKey(0);
    EXPECT_EQ(image.colourKey(), 0);
    image.setColourKey(static_cast<int32_t>(NoColourKey));
    EXPECT_EQ(image.colourKey(), -1);
}

TEST(Images, MissingResourceLeavesAnEmptyPicture) {
    const ExactBytes bytes(paletteBitmap(4, 1, sheetColour, sheetIndex));
    Image image;
    ASSERT_TRUE(image.loadImageBytes(bytes.span(), 1, NoColourKey));
    EXPECT_FALSE(image.loadImageResource(31999, colourWhite()));
    EXPECT_EQ(image.width(), 0);
    EXPECT_EQ(image.height(), 0);
    EXPECT_EQ(image.pixels(), nullptr);
    EXPECT_EQ(image.resourceId(), 31999);
    EXPECT_EQ(image.colourKey(), static_cast<int32_t>(colourWhite()));

    const Image constructed(31998, NoColourKey);
    EXPECT_EQ(constructed.pixels(), nullptr);
}

TEST(Images, BytesShorterThanTheHeaderClaimsAreTreatedAsMissing) {
    auto header = [](int32_t w, int32_t h, uint16_t planes, uint16_t bits, size_t total) {
        std::vector<uint8_t> raw = bitmapHeader(w, h, planes, bits);
        raw.resize(total, 0);
        return raw;
    };
    const std::vector<std::vector<uint8_t>> damaged{std::vector<uint8_t>(39, 0),
                                                    header(4, 4, 1, 8, 40),               // no colour table
                                                    header(4, 4, 1, 8, 1000),             // colour table cut short
                                                    header(8, 8, 1, 8, 1064 + 63),        // one pixel short
                                                    header(-8, 8, 1, 8, 1064 + 64),       // negative width
                                                    header(8, -8, 1, 8, 1064 + 64),       // negative height
                                                    header(0, 8, 1, 8, 1064 + 64),        // no columns
                                                    header(INT_MAX, 2, 1, 8, 1064 + 64),  // absurd width
                                                    header(1, INT_MAX, 1, 8, 1064 + 64),  // absurd height
                                                    header(65536, 65536, 1, 8, 1064),     // a product past 32 bits
                                                    header(4, 2, 1, 24, 40 + 23),         // deep pixels one byte short
                                                    header(4, 2, 65535, 65535, 40 + 4096)};  // absurd depth
    for (size_t i = 0; i < damaged.size(); ++i) {
        const ExactBytes bytes(damaged[i]);
        Image image;
        EXPECT_FALSE(image.loadImageBytes(bytes.span(), 7, NoColourKey)) << "case " << i;
        EXPECT_EQ(image.width(), 0) << "case " << i;
        EXPECT_EQ(image.height(), 0) << "case " << i;
        EXPECT_EQ(image.pixels(), nullptr) << "case " << i;

        TinyTarget target(10, 10);
        ImageRegion region(image, 0, 0, 8, 8);
        region.draw();
        EXPECT_EQ(target.countNot(0), 0) << "case " << i;
    }
    const ExactBytes exact(header(8, 8, 1, 8, 1064 + 64));
    Image image;
    EXPECT_TRUE(image.loadImageBytes(exact.span(), 7, NoColourKey));
}

TEST_F(Blits, RegionHangingOffTheLeftShowsItsRightPart) {
    ImageRegion region(sheet, 0, 0, 20, 3);
    region.setPosition(-5, 0);
    region.setKeyEnabled(false);
    region.draw();
    expectShown(0, 0, 15, 3, 5, 0, false);
    EXPECT_EQ(region.x(), -5);
}

TEST_F(Blits, KeyedPixelsLeaveTheTargetUnchanged) {
    ImageRegion region(sheet, 0, 0, 20, 3);
    region.setPosition(-5, 0);
    region.draw();
    expectShown(0, 0, 15, 3, 5, 0, true);
}

TEST_F(Blits, WithoutAKeyEveryPixelIsDrawn) {
    sheet.setColourKey(NoColourKey);
    ImageRegion region(sheet, 0, 0, 20, 3);
    region.setPosition(0, 1);
    region.draw();
    expectShown(0, 1, 20, 4, 0, -1, false);
}

TEST_F(Blits, RightEdgeStopsAtTheTargetWidth) {
    ImageRegion region(sheet, 0, 0, 20, 3);
    region.setPosition(12, -1);
    region.draw();
    expectShown(12, 0, 20, 2, -12, 1, true);
    target.clear();
    region.setKeyEnabled(false);
    region.draw();
    expectShown(12, 0, 20, 2, -12, 1, false);
}

TEST_F(Blits, RegionsWhollyOutsideDrawNothing) {
    ImageRegion region(sheet, 0, 0, 20, 3);
    const std::pair<int, int> outside[] = {{20, 0}, {-20, 0}, {0, 4}, {0, -3}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}};
    for (auto [x, y] : outside) {
        region.setPosition(x, y);
        region.draw();
    }
    region.setPosition(0, 0);
    region.setVisible(false);
    region.draw();
    expectShown(0, 0, 0, 0, 0, 0, false);
}

TEST_F(Blits, SourceRectanglesAndFramesSelectTheirColumns) {
    ImageRegion part(sheet, 5, 1, 10, 2);
    part.setPosition(3, 2);
    part.draw();
    expectShown(3, 2, 13, 4, 2, -1, true);

    target.clear();
    ImageRegion strip(sheet, 0, 0, 20, 3, 4);
    EXPECT_EQ(strip.frameWidth(), 5);
    strip.setFrame(2);
    strip.setPosition(1, 0);
    strip.draw();
    expectShown(1, 0, 6, 3, 9, 0, true);
    Rect bounds;
    strip.bounds(bounds);
    EXPECT_EQ(bounds, (Rect{1, 0, 6, 3}));

    ImageRegion single(sheet, 0, 0, 20, 3, 0);
    EXPECT_EQ(single.frameCount(), 1);
    EXPECT_EQ(single.frameWidth(), 20);
}

TEST_F(Blits, ColumnsAndRowsOutsideThePictureAreNeverRead) {
    ImageRegion pastRight(sheet, 15, 0, 10, 5);
    pastRight.setKeyEnabled(false);
    pastRight.draw();
    expectShown(0, 0, 5, 3, 15, 0, false);

    target.clear();
    ImageRegion beforeLeft(sheet, -3, -1, 10, 3);
    beforeLeft.setKeyEnabled(false);
    beforeLeft.draw();
    expectShown(3, 1, 10, 3, -3, -1, false);
}

}  // namespace
