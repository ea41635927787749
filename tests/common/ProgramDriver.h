#pragma once
// The one way tests drive a program object in process: it is started as run() starts it (window, frame
// buffer, onStart, first frame) and then stepped by hand. Queued messages are dispatched as the main loop
// dispatches them, each frame is the program's stepFrame, and the virtual clock moves 25 ms after it, as
// the loop's sleep would. Only tests whose subject is the main loop itself run it (ScriptRun.h).
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/GameApp.h"
#include "common/HeadlessProgramTest.h"
#include "platform/Platform.h"
#include "platform/common/PadButtons.h"
#include "platform/headless/HeadlessBackend.h"
#include "render/DrawTarget.h"
#include "render/FrameBuffer.h"
#include "support/Random.h"
#include "ui/Widget.h"

class ProgramDriver {
public:
    static constexpr uint32_t framePeriodMs = 25;

    // Starts the program on the current headless backend and draws its first frame. The generator is
    // seeded with the seed given, or as run() seeds it (the minute) when none is.
    void start(GameApp& app, int64_t seed = -1) {
        program = &app;
        backend = platform::headlessBackend();
        seedRandom(seed >= 0 ? static_cast<uint32_t>(seed) : static_cast<uint32_t>(platform::systemTimeUtc().minute));
        app.width = platform::screenWidth();
        app.height = platform::screenHeight() - platform::workAreaTop();
        EXPECT_TRUE(app.createMainWindow(app.name));
        app.frameBuffer = FrameBuffer::create(app.width, app.height);
        setDrawTarget(app.frameBuffer->pixels(), app.width, app.height);
        app.framePeriodMs = framePeriodMs;
        app.onStart();
        app.active = app.started = true;
        frame();
    }
    // Ends the program as the loop ends it, saving its files.
    void shutDown() {
        if (program) program->onExit();
        program = nullptr;
    }
    // The window is closed (as by its close box) and the program ends as the loop ends it on the quit
    // that follows; false when the program did not ask to quit.
    bool closeWindow() {
        backend->pushMessage({platform::WM_CLOSE, 0, 0});
        platform::Message message;
        while (platform::peekMessage(message) && message.message != platform::WM_QUIT)
            platform::dispatchMessage(message);
        if (!program->quitRequested) return false;
        shutDown();
        return true;
    }

    void pump() {
        platform::Message message;
        while (platform::peekMessage(message)) platform::dispatchMessage(message);
    }
    void frame() {
        pump();
        program->stepFrame(false);
        backend->advance(framePeriodMs);
    }
    void frames(int count) {
        for (int i = 0; i < count; ++i) frame();
    }
    void waitMs(int ms) { frames(ms / static_cast<int>(framePeriodMs)); }
    void key(uint32_t code) {
        backend->pushKey(code);
        pump();
    }
    void type(const std::string& text) {
        for (char c : text) key(static_cast<uint32_t>(c));
    }
    // A press and release in the middle of a widget as it was last drawn.
    void tap(Widget& widget) { tap(widget.x + widget.getWidth() / 2, widget.y + widget.getHeight() / 2); }
    void tap(int x, int y) {
        backend->pushTap(x, y);
        pump();
    }
    // A gamepad button by the name the runner's "pad NAME" uses ("a", "dpdown", "start").
    void pad(const char* name) { key(platform::padButtonKey(name)); }

    platform::HeadlessBackend* backend = nullptr;
    GameApp* program = nullptr;
};

// A program of one kind on a fresh headless backend and a data root of the test's own, driven by the
// driver. The program seeds its generator with Seed, or as run() does (the minute) when it is -1.
template <class App, int64_t Seed = -1>
class ProgramTest : public HeadlessProgramTest, public ProgramDriver {
protected:
    void TearDown() override {
        shutDown();
        game.reset();
        HeadlessProgramTest::TearDown();
    }
    // A fresh run on a screen of this size, showing the main menu; the run before it ends first, as a
    // program ends.
    App& boot(int width, int height) {
        shutDown();
        useScreen(width, height);
        return launch();
    }
    // The same on the backend and data root as they are.
    App& launch() {
        shutDown();
        game = std::make_unique<App>();
        start(*game, Seed);
        return *game;
    }

    std::unique_ptr<App> game;
};
