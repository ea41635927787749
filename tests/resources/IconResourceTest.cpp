// The window icon: every size the program carries, and damaged bytes refused.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/Platform.h"
#include "platform/common/WindowIcon.h"
#include "resources/ArtLayout.h"

// Every size, opaque in the middle, with a rounded corner that lets the desktop show through; no
// other size is made up.
TEST(IconResource, HoldsEverySizeAsOpaqueArtworkWithSoftCorners) {
    EXPECT_EQ(platform::iconSizes(), std::vector<int>(art::iconSizes.begin(), art::iconSizes.end()));
    std::vector<uint32_t> argb;
    for (int size : art::iconSizes) {
        ASSERT_TRUE(platform::iconPixels(size, argb));
        ASSERT_EQ(argb.size(), static_cast<size_t>(size * size));
        EXPECT_EQ(argb[(size / 2) * size + size / 2] >> 24, 255u) << size;
        EXPECT_TRUE(argb[0] >> 24 < 128 && argb[size * size - 1] >> 24 < 128) << size;
    }
    EXPECT_FALSE(platform::iconPixels(20, argb));
    EXPECT_TRUE(argb.empty());
}

// Damaged icon bytes are refused without reading past their end.
TEST(IconResource, DamagedBytesAreRefused) {
    const auto real = platform::findResource(platform::ResourceType::Icon, art::iconId);
    const std::vector<uint8_t> whole(real.begin(), real.end());
    std::vector<uint32_t> argb;
    ASSERT_TRUE(platform::readIconPixels(whole, 16, argb));
    const std::function<void(std::vector<uint8_t>&)> damages[] = {
        [](auto& b) { b.pop_back(); },                          // the last picture's final byte missing
        [](auto& b) { std::fill_n(b.begin() + 12, 4, 0xFF); },  // the first picture's offset
        [](auto& b) { b[7] = 0x7F; },                           // a huge picture count
        [](auto& b) { b.resize(6); },                           // no whole header
        [](auto& b) { b[0] = 'X'; },                            // the wrong magic
    };
    for (size_t i = 0; i < std::size(damages); ++i) {
        std::vector<uint8_t> bytes = whole;
        damages[i](bytes);
        bytes.shrink_to_fit();
        argb.assign(3, 1);
        EXPECT_FALSE(platform::readIconPixels(bytes, i == 0 ? 16 : 64, argb)) << "damage " << i;
        EXPECT_TRUE(argb.empty()) << "damage " << i;
    }
}
