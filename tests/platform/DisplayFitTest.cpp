// The simulated screen a full-screen display shows: a handheld's own size, a big display divided by
// the smallest whole factor that brings it within the sizes the layouts were made for.
#include <gtest/gtest.h>

#include "platform/sdl/DisplayFit.h"

using platform::fullscreenScreenSize;
using platform::ScreenSize;

TEST(DisplayFit, HandheldsKeepTheirSizeBigDisplaysAreDividedEvenly) {
    const std::pair<ScreenSize, ScreenSize> table[] = {
        {{176, 220}, {176, 220}},   {{640, 480}, {640, 480}},  {{480, 640}, {480, 640}},   {{720, 720}, {720, 720}},
        {{800, 480}, {800, 480}},   {{1280, 720}, {640, 360}}, {{1280, 800}, {640, 400}},  {{1920, 1080}, {640, 360}},
        {{1080, 1920}, {360, 640}}, {{1366, 768}, {682, 384}}, {{3840, 2160}, {768, 432}}, {{801, 601}, {400, 300}},
        {{0, 768}, {0, 0}},
    };
    for (const auto& [display, screen] : table)
        EXPECT_TRUE(fullscreenScreenSize(display.width, display.height) == screen)
            << display.width << "x" << display.height;
}
