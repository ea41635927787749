// The main loop's pacing, its redraws, the inactive window and the ways it ends.
#include "RecordingApp.h"
#include "render/Colour.h"
#include "support/Random.h"

using namespace platform;

using MainLoop = AppTest;

// A frame starts every period, or at once when the last frame's work took the period or longer: slow
// frames never add a sleep on top of their work.
TEST_F(MainLoop, FramesStartEveryPeriodOrRightAfterASlowFrame) {
    for (uint32_t work : {0u, 10u, 24u, 25u, 30u, 70u}) {
        SCOPED_TRACE("work " + std::to_string(work) + " ms");
        HeadlessBackend& backend = useScreen(240, 320);
        RecordingApp app;
        app.animate = true;
        app.workMs = work;
        app.quitAfterFrame = 8;
        runUntilItQuits(app);

        ASSERT_EQ(app.frames, 8);
        // frameTimes[0] is the first frame, drawn by run before the loop starts.
        for (size_t i = 2; i < app.frameTimes.size(); ++i)
            EXPECT_EQ(app.frameTimes[i] - app.frameTimes[i - 1], std::max(work, 25u)) << "frame " << i;
        const uint64_t workSleeps = work ? static_cast<uint64_t>(app.frames) : 0;
        const uint64_t loopSleeps = backend.sleepCount() - workSleeps;
        EXPECT_EQ(loopSleeps, work >= 25 ? 0u : 7u);
    }
}

// A screen that stops animating gets two more frames (the end of what moved, then what that changed)
// and the loop rests until the next message. The message is handled where the frames would have
// found it, on the same grid, and its latches get their two frames; an animating screen never rests.
TEST_F(MainLoop, AStillScreenRestsUntilTheNextMessageOnTheSameGrid) {
    useScreen(240, 320);
    RecordingApp app;
    app.animate = true;
    app.duringFrame = [&](int frame) { app.moving = frame < 4; };
    std::vector<uint32_t> keyTimes;
    app.afterKeyDown = [&](uint32_t) { keyTimes.push_back(tickCount()); };
    runScript(app, "wait 1010\nkey 49\nwait 990\nkey 50\nwait 1000\nclose\n");

    // frameTimes[0] is the frame run draws before the loop starts.
    EXPECT_EQ(app.frameTimes, (std::vector<uint32_t>{0, 0, 25, 50, 75, 1025, 1050, 2000, 2025}));
    EXPECT_EQ(keyTimes, (std::vector<uint32_t>{1025, 2000}));
}

// Every input message redraws a program that draws only on demand; once frames are continuous, input
// draws nothing extra. A pointer move redraws only while the stylus is held; a right-button release
// reaches no operation.
TEST_F(MainLoop, InputRedrawsOnlyWhileFramesAreNotContinuous) {
    for (const bool continuous : {false, true}) {
        SCOPED_TRACE(continuous ? "continuous" : "on demand");
        HeadlessBackend& backend = useScreen(240, 320);
        backend.pushKey('1');
        backend.pushMessage({WM_MOUSEMOVE, 0, makePointLParam(-5, -7)});
        backend.pushMessage({WM_RBUTTONUP, 0, makePointLParam(3, 3)});
        backend.pushMessage({WM_RBUTTONDOWN, 2, makePointLParam(3, 4)});
        backend.pushMessage({WM_LBUTTONDOWN, 1, makePointLParam(10, 10)});
        backend.pushMessage({WM_MOUSEMOVE, 1, makePointLParam(12, 12)});
        backend.pushMessage({WM_LBUTTONUP, 0, makePointLParam(12, 12)});
        RecordingApp app;
        app.animate = continuous;
        app.quitAfterFrame = continuous ? 3 : 0;
        runUntilItQuits(app);
        EXPECT_EQ(app.trace(), continuous ? "start, frame, keydown 49, keyup 49, move -5,-7, right 3,4, down 10,10, "
                                            "move 12,12, up 12,12, frame, frame, exit"
                                          : "start, frame, keydown 49, frame, keyup 49, frame, move -5,-7, right 3,4, "
                                            "frame, down 10,10, frame, move 12,12, frame, up 12,12, frame, exit");
    }
}

// An inactive window draws nothing, even for input; activation (which lays out only when the size
// changed) or a paint message brings the frames back.
TEST_F(MainLoop, InactiveWindowDrawsNothingUntilActivatedOrPainted) {
    const auto framesBetween = [](const RecordingApp& app, uint32_t from, uint32_t to) {
        return std::ranges::count_if(app.frameTimes, [&](uint32_t t) { return t >= from && t < to; });
    };
    for (const bool painted : {false, true}) {
        SCOPED_TRACE(painted ? "painted" : "activated");
        HeadlessBackend& backend = useScreen(240, 320);
        RecordingApp app;
        app.animate = true;
        if (painted) app.afterKeyDown = [&](uint32_t) { backend.pushMessage({WM_PAINT, 0, 0}); };
        runScript(app, painted ? "wait 100\ndeactivate\nwait 400\nkey 49\nwait 400\nclose\n"
                               : "wait 100\ndeactivate\nwait 400\nkey 49\nwait 400\nactivate\nwait 100\nclose\n");
        EXPECT_EQ(framesBetween(app, 100, painted ? 500 : 900), 0);
        // The paint's own frame, then one every period; after the activation 900, 925, 950, 975.
        EXPECT_EQ(painted ? framesBetween(app, 500, 900) : framesBetween(app, 900, 1000), painted ? 17 : 4);
        EXPECT_EQ(app.trace(false),
                  painted ? "start, keydown 49, keyup 49, exit" : "start, keydown 49, keyup 49, activate, exit");
    }
}

// requestQuit inside a frame (of a program drawn on demand, where input would draw), the window's close
// message and the system close command all end the loop alike: the frame under way is finished and
// shown, input still queued is handled but draws nothing, the loop ends at the next empty queue, sleeping
// no more than the rest of that frame's period, and onExit runs once. Minimising is no end.
TEST_F(MainLoop, EveryEndFinishesItsFrameHandlesQueuedInputAndExitsOnce) {
    constexpr uint16_t marker = 0xF800;
    const Message closings[] = {{0, 0, 0}, {WM_CLOSE, 0, 0}, {WM_SYSCOMMAND, SC_CLOSE | 0x3, 0}};
    for (const Message& closing : closings) {
        SCOPED_TRACE(closing.message ? std::to_string(closing.message) : "requestQuit");
        const bool onDemand = !closing.message;
        const int lastFrame = onDemand ? 2 : 4;
        HeadlessBackend& backend = useScreen(240, 320);
        if (onDemand) backend.pushKey('2');
        RecordingApp app;
        app.animate = !onDemand;
        app.duringFrame = [&](int frame) {
            if (frame == 1) backend.pushMessage({WM_SYSCOMMAND, 0xF020, 0});
            if (frame != lastFrame) return;
            if (onDemand) {
                app.requestQuit();
            } else {
                backend.pushMessage(closing);
            }
            backend.pushKey('1');
            backend.pushTap(5, 5);
            drawTarget().pixels[0] = marker;  // drawn after the end was asked for: must still be presented
        };
        runScript(app, "wait 5000\nclose\n");  // would end a loop that missed the end, much later

        EXPECT_EQ(app.frames, lastFrame);
        EXPECT_TRUE(app.trace().ends_with("keydown 49, keyup 49, down 5,5, up 5,5, exit"));
        EXPECT_EQ(app.trace().find("exit"), app.trace().size() - 4) << "onExit runs once";
        EXPECT_EQ(backend.presentCount(), static_cast<uint64_t>(lastFrame));
        EXPECT_EQ(backend.lastFrame()[0], marker);
        EXPECT_EQ(tickCount(), onDemand ? 0u : app.frameTimes.back() + framePeriodMs);
        if (closing.message == WM_CLOSE) {
            EXPECT_FALSE(app.continuousFrames);
        }
    }
}

// Start-up: the generator is seeded with the UTC minute, the client area is the screen below the task
// bar (480 x 640 when the screen reports no size), every frame is cleared to the program's background
// and presented.
TEST_F(MainLoop, StartUpSeedsSizesClearsAndPresents) {
    HeadlessBackend& backend = useScreen(240, 320, 59, 26);
    backend.pushKey('5');
    RecordingApp app;
    app.background = makeRgb(0x12, 0x9A, 0xE0);
    int firstRandom = -1;  // nothing draws from the generator before the first frame
    app.duringFrame = [&](int frame) {
        if (frame == 1) firstRandom = nextRandom();
    };
    runScript(app, "");

    seedRandom(59);
    EXPECT_EQ(firstRandom, nextRandom());
    EXPECT_EQ(app.frameSizes.front(), "240x294");
    EXPECT_EQ(std::ranges::count(backend.lastFrame(), rgbTo565(app.background)), std::ssize(backend.lastFrame()));
    EXPECT_EQ(backend.presentCount(), static_cast<uint64_t>(app.frames));

    useScreen(0, 0);
    RecordingApp unsized;
    runScript(unsized, "");
    EXPECT_EQ(unsized.frameSizes.front(), "480x640");
}
