#include <gtest/gtest.h>

#include <vector>

#include "../../resources/ArtLayout.h"
#include "platform/Platform.h"
#include "platform/common/WindowIcon.h"

namespace {

uint32_t alphaOf(uint32_t argb) { return argb >> 24; }

}  // namespace

TEST(IconResource, HoldsEverySizeAsOpaqueArtworkWithSoftCorners) {
    EXPECT_EQ(platform::iconSizes(), std::vector<int>(art::iconSizes.begin(), art::iconSizes.end()));
    for (int size : art::iconSizes) {
        SCOPED_TRACE(size);
        std::vector<uint32_t> argb;
        ASSERT_TRUE(platform::iconPixels(size, argb));
        ASSERT_EQ(argb.size(), static_cast<size_t>(size * size));
        // The tile is opaque in the middle and the rounded corner lets the desktop show through.
        EXPECT_EQ(alphaOf(argb[(size / 2) * size + size / 2]), 255u);
        EXPECT_LT(alphaOf(argb[0]), 128u);
        EXPECT_LT(alphaOf(argb[size * size - 1]), 128u);
    }
    std::vector<uint32_t> argb{1, 2, 3};
    EXPECT_FALSE(platform::iconPixels(20, argb));
    EXPECT_TRUE(argb.empty());
}

// Damaged icon bytes are refused without reading past their end.
TEST(IconResource, DamagedBytesAreRefused) {
    const auto real = platform::findResource(platform::ResourceType::Icon, art::iconId);
    ASSERT_GT(real.size(), 16u);
    std::vector<uint32_t> argb;
    const std::vector<uint8_t> whole(real.begin(), real.end());
    ASSERT_TRUE(platform::readIconPixels(whole, 16, argb));

    const std::vector<uint8_t> cut(whole.begin(), whole.end() - 1);  // the last picture's final byte missing
    EXPECT_FALSE(platform::readIconPixels(cut, 16, argb));
    EXPECT_TRUE(argb.empty());

    std::vector<uint8_t> badOffset = whole;
    badOffset[12] = badOffset[13] = badOffset[14] = badOffset[15] = 0xFF;  // first picture's offset
    EXPECT_FALSE(platform::readIconPixels(badOffset, 64, argb));

    std::vector<uint8_t> hugeCount = whole;
    hugeCount[7] = 0x7F;
    EXPECT_FALSE(platform::readIconPixels(hugeCount, 64, argb));

    EXPECT_FALSE(platform::readIconPixels(std::span<const uint8_t>(whole.data(), 6), 64, argb));
    std::vector<uint8_t> wrongMagic = whole;
    wrongMagic[0] = 'X';
    EXPECT_FALSE(platform::readIconPixels(wrongMagic, 64, argb));
}
