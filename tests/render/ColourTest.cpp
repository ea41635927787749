// Colours between Rgb (0x00BBGGRR) and the RGB565 pixels of the frame buffer.
#include <gtest/gtest.h>

#include "render/Colour.h"

TEST(Colours, ToAndFrom565) {
    EXPECT_EQ(rgbTo565(0x00FFFFFF), 0xFFFF);
    EXPECT_EQ(rgbTo565(0x000000FF), 0xF800);
    EXPECT_EQ(rgbTo565(0x0000FF00), 0x07E0);
    EXPECT_EQ(rgbTo565(0x00FF0000), 0x001F);
    EXPECT_EQ(rgbTo565(makeRgb(0x07, 0x03, 0x07)), 0x0000);  // below each channel's first step
    EXPECT_EQ(rgbTo565(makeRgb(0x08, 0x04, 0x08)), 0x0821);
    EXPECT_EQ(rgbFrom565(0xFFFF), 0x00F8FCF8u);
    EXPECT_EQ(rgbFrom565(0xF800), 0x000000F8u);
    EXPECT_EQ(rgbFrom565(0x07E0), 0x0000FC00u);
    EXPECT_EQ(rgbFrom565(0x001F), 0x00F80000u);
    // Every pixel survives the way to Rgb and back.
    for (uint32_t p = 0; p <= 0xFFFF; ++p) ASSERT_EQ(rgbTo565(rgbFrom565(static_cast<uint16_t>(p))), p);
}
