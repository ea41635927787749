// Rotation of the device and the size classes the screens choose their layout by.
#include "RecordingApp.h"

using namespace platform;

using Screen = AppTest;

// Turning a 240 x 320 device and back: from the next frame on the client area is the turned screen
// below the task bar, drawn into a new frame buffer, and the program is told exactly once each way.
// With the tallest task bar the command line allows the turned screen is one row; with a taller one
// (which the command line refuses) the frame keeps its buffer and size, never loses them.
TEST_F(Screen, RotationReplacesTheBufferAndResizesOnceEachWay) {
    struct Case {
        int taskBar;
        std::vector<std::string> sizes;  // of the client area, in turn
    };
    for (const Case& c : {Case{26, {"240x294", "320x214", "240x294"}}, Case{239, {"240x81", "320x1", "240x81"}},
                          Case{240, {"240x80"}}}) {
        SCOPED_TRACE("task bar " + std::to_string(c.taskBar));
        HeadlessBackend& backend = useScreen(240, 320, -1, c.taskBar);
        RecordingApp app;
        start(app);
        std::vector<std::string> sizes = {app.frameSizes.back()};
        for (int turn = 0; turn < 2; ++turn) {
            backend.rotate();
            frames(2);
            if (app.frameSizes.back() != sizes.back()) sizes.push_back(app.frameSizes.back());
            ASSERT_TRUE(app.frameBuffer);
            EXPECT_EQ(drawTarget().pixels, app.frameBuffer->pixels());
            EXPECT_EQ(std::to_string(backend.frameWidth()) + "x" + std::to_string(backend.windowHeight()),
                      sizes.back());
        }
        EXPECT_EQ(sizes, c.sizes);
        std::string expected = "start";
        for (size_t turn = 1; turn < 3; ++turn)
            expected += c.sizes.size() > 1 ? ", activate, resize " + c.sizes[turn] : ", activate";
        EXPECT_EQ(app.trace(false), expected);
    }
}

TEST(ScreenClasses, PredicatesAtTheirEdges) {
    struct Case {
        int32_t width, height;
        bool small, narrow, nearlySquare;
    };
    const Case cases[] = {
        {176, 220, true, true, false},  {176, 221, false, true, false}, {177, 220, false, true, false},
        {240, 240, false, true, true},  {273, 240, false, true, true},  {274, 240, false, true, false},
        {240, 260, false, true, false}, {320, 240, false, true, false}, {321, 240, false, false, false},
        {480, 480, false, false, true}, {540, 480, false, false, true}, {548, 480, false, false, false},
    };
    for (const Case& c : cases) {
        GameApp app;
        app.width = c.width;
        app.height = c.height;
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        EXPECT_EQ(std::tuple(app.isSmallScreen(), app.isNarrowScreen(), app.isNearlySquare()),
                  std::tuple(c.small, c.narrow, c.nearlySquare));
    }
}
