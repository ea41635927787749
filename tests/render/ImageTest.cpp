#include <gtest/gtest.h>

#include <climits>

#include "render/Image.h"
#include "render/ImageRegion.h"
#include "render/TinyTarget.h"

namespace {

// The test sheet, 20 x 3: every fifth column the white key colour, elsewhere index x + 1 + 20y, whose
// RGB565 value is the index in the green bits.
int sheetIndex(int x, int y) { return x % 5 == 0 ? 0 : x + 1 + 20 * y; }
Rgb sheetColour(int i) { return i == 0 ? colourWhite() : makeRgb(0, 4 * i, 0); }
constexpr uint16_t background = 0x0001;

TEST(Images, LoadTheHeaderThePaletteAsRgb565AndPixelsInPlace) {
    const std::vector<uint8_t> bytes = makeBitmap(
        8, 2, [](int i) { return i == 1 ? 0x00FFE7DBu : makeRgb(i, 255 - i, 7 * i); },
        [](int x, int y) { return x + 8 * y; });
    Image image;
    ASSERT_TRUE(image.loadImageBytes(bytes, 107, 0x00FFE7DB));
    EXPECT_TRUE(image.width() == 8 && image.height() == 2 && image.bitsPerPixel() == 8);
    EXPECT_EQ(image.pixels(), bytes.data() + 1064);
    EXPECT_EQ(image.pixels()[9], 9);
    EXPECT_EQ(image.palette()[0], 0x07E0);
    EXPECT_EQ(image.palette()[1], 0xDF3F);
    EXPECT_EQ(image.palette()[255], 0xF81F);
    EXPECT_EQ(image.colourKey(), 0x00FFE7DB);
    image.setColourKey(NoColourKey);
    EXPECT_EQ(image.colourKey(), -1);

    EXPECT_FALSE(image.loadImageResource(31999, 0));
    EXPECT_TRUE(image.width() == 0 && image.height() == 0 && image.pixels() == nullptr);
    EXPECT_EQ(image.colourKey(), 0);
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
    const std::vector<std::vector<uint8_t>> damaged = {
        cut(eight, 39),                                // no whole header
        cut(eight, 1000),                              // colour table cut short
        cut(eight, eight.size() - 1),                  // one pixel short
        field(eight, 4, static_cast<uint32_t>(-8)),    // negative width
        field(eight, 8, static_cast<uint32_t>(-8)),    // negative height
        field(eight, 4, INT_MAX),                      // absurd width
        field(field(eight, 4, 65536), 8, 65536),       // a pixel count past 32 bits
        field(eight, 12, 0xFFFFFFFF),                  // absurd depth
        field(cut(eight, 40 + 8 * 8 * 3 - 1), 14, 24)  // deep pixels one byte short
    };
    for (const std::vector<uint8_t>& bytes : damaged) {
        const std::vector<uint8_t> exact(bytes.begin(), bytes.end());  // no spare capacity to read unnoticed
        Image image;
        EXPECT_FALSE(image.loadImageBytes(exact, 1, NoColourKey)) << bytes.size();
        EXPECT_EQ(image.pixels(), nullptr);
        TinyTarget target(4, 4);
        ImageRegion(image, 0, 0, 4, 4).draw();
        EXPECT_EQ(target.picture(0xFFFF), Rows(4, "...."));
    }
    // A deeper picture of the right size loads, pointing just past the header, but is not drawn.
    const std::vector<uint8_t> deep = field(cut(eight, 40 + 8 * 8 * 3), 14, 24);
    Image image;
    ASSERT_TRUE(image.loadImageBytes(deep, 5, NoColourKey));
    EXPECT_TRUE(image.bitsPerPixel() == 24 && image.pixels() == deep.data() + 40);
    TinyTarget target(4, 4);
    ImageRegion(image, 0, 0, 4, 2).draw();
    EXPECT_EQ(target.picture(0xFFFF), Rows(4, "...."));
}

class Blits : public ::testing::Test {
protected:
    // Screen (x, y) shows sheet pixel (x + dx, y + dy) inside [left, right) x [top, bottom), key
    // pixels left alone when keyed; the background everywhere else.
    void expectShown(int left, int top, int right, int bottom, int dx, int dy, bool keyed) {
        for (int y = 0; y < target.height; ++y) {
            for (int x = 0; x < target.width; ++x) {
                const int index = sheetIndex(x + dx, y + dy);
                const bool shown = x >= left && x < right && y >= top && y < bottom && !(keyed && index == 0);
                const uint16_t expected = !shown ? background : index == 0 ? 0xFFFF : static_cast<uint16_t>(index << 5);
                EXPECT_EQ(target.at(x, y), expected) << "screen " << x << ", " << y;
            }
        }
        target.clear();
    }

    const std::vector<uint8_t> bytes = makeBitmap(20, 3, sheetColour, sheetIndex);
    Image sheet{};
    TinyTarget target{20, 4, background};
    void SetUp() override { ASSERT_TRUE(sheet.loadImageBytes(bytes, 107, colourWhite())); }
};

TEST_F(Blits, CutAtTheLeftClipAndTheTargetWidthWithAndWithoutAKey) {
    ImageRegion region(sheet, 0, 0, 20, 3);
    region.setPosition(-5, 0);
    region.draw();
    expectShown(0, 0, 15, 3, 5, 0, true);
    region.setPosition(12, -1);
    region.draw();
    expectShown(12, 0, 20, 2, -12, 1, true);
    sheet.setColourKey(NoColourKey);
    region.draw();
    expectShown(12, 0, 20, 2, -12, 1, false);
    for (auto [x, y] : {std::pair{20, 0}, std::pair{0, -3}, std::pair{INT_MIN, INT_MAX}}) {
        region.setPosition(x, y);
        region.draw();
    }
    expectShown(0, 0, 0, 0, 0, 0, false);
}

TEST_F(Blits, SourceRectanglesPastThePictureReadOnlyThePicture) {
    ImageRegion beyond(sheet, 15, -1, 10, 9);
    beyond.draw();
    expectShown(0, 1, 5, 4, 15, -1, true);
}

}  // namespace
