// Rotation of the device and the size classes the screens choose their layout by.
#include "RecordingApp.h"

using namespace platform;

using Screen = AppTest;

// Turning a 240 x 320 device with a 26-pixel task bar: from the next frame on the client area is
// 320 x 214, drawn into a new frame buffer, and the program is told exactly once.
TEST_F(Screen, RotationReplacesTheBufferAndResizesOnce) {
    HeadlessBackend& backend = useScreen(240, 320, 26);
    RecordingApp app;
    app.animate = true;
    runScript(app, "wait 100\nrotate\nwait 100\nclose\n");

    EXPECT_EQ(app.calls(), (std::vector<std::string>{"start", "activate", "resize 320x214", "exit"}));
    EXPECT_EQ(app.frameSizes.front(), "240x294");
    EXPECT_EQ(app.frameSizes.back(), "320x214");
    ASSERT_TRUE(app.frameBuffer);
    EXPECT_EQ(drawTarget().pixels, app.frameBuffer->pixels());
    EXPECT_EQ(std::tuple(app.frameBuffer->width(), backend.frameWidth(), backend.windowHeight()),
              std::tuple(320, 320, 214));
}

TEST(ScreenClasses, PredicatesAtTheirEdges) {
    struct Case {
        int32_t width, height;
        bool small, narrow, nearlySquare;
    };
    const Case cases[] = {
        {240, 240, false, true, true},  {260, 240, false, true, true},   {273, 240, false, true, true},
        {274, 240, false, true, false}, {280, 240, false, true, false},  {240, 260, false, true, false},
        {176, 220, true, true, false},  {176, 221, false, true, false},  {177, 220, false, true, false},
        {320, 240, false, true, false}, {321, 240, false, false, false}, {640, 480, false, false, false},
        {480, 480, false, false, true}, {540, 480, false, false, true},  {548, 480, false, false, false},
    };
    for (const Case& c : cases) {
        GameApp app;
        app.width = c.width;
        app.height = c.height;
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        EXPECT_EQ(app.isSmallScreen(), c.small);
        EXPECT_EQ(app.isNarrowScreen(), c.narrow);
        EXPECT_EQ(app.isNearlySquare(), c.nearlySquare);
    }
}
