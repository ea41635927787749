#pragma once
// Tests of the application object: a program object that writes every call the framework makes on it
// into one log, in order, on a fresh headless backend whose clock moves only when the program sleeps;
// run by the real main loop where the loop is the subject, by the tests' one driver elsewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/GameApp.h"
#include "common/HeadlessProgramTest.h"
#include "common/ProgramDriver.h"
#include "common/ScriptRun.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"
#include "render/Colour.h"
#include "render/DrawTarget.h"

class RecordingApp : public GameApp {
public:
    Rgb background = colourWhite();
    // Virtual milliseconds each frame's work takes.
    uint32_t workMs = 0;
    // Sets continuousFrames in every frame, as the front-end does.
    bool animate = false;
    // What isAnimating answers: false lets the loop rest.
    bool moving = true;
    // requestQuit at the end of this frame (counted from 1); 0: never.
    int quitAfterFrame = 0;
    // Runs inside each frame after it is logged, with the frame's number.
    std::function<void(int frame)> duringFrame;
    std::function<void(uint32_t key)> afterKeyDown;

    std::vector<std::string> log;
    std::vector<uint32_t> frameTimes;     // tick count at the start of each frame's work
    std::vector<std::string> frameSizes;  // the draw target's size in each frame
    int frames = 0;

    Rgb backgroundColor() override { return background; }
    void onStart() override { log.push_back("start"); }
    void onExit() override { log.push_back("exit"); }
    void onActivate() override { log.push_back("activate"); }
    void onResize(int32_t w, int32_t h) override { log.push_back("resize " + size(w, h)); }
    bool isAnimating() override { return moving; }

    void updateAndDraw() override {
        ++frames;
        log.push_back("frame");
        frameTimes.push_back(platform::tickCount());
        frameSizes.push_back(size(targetWidth(), targetHeight()));
        if (animate) continuousFrames = true;
        if (workMs) platform::sleepMs(workMs);
        if (duringFrame) duringFrame(frames);
        if (frames == quitAfterFrame) requestQuit();
        // A loop that never ends fails the test instead of hanging it.
        if (frames > 5000) {
            ADD_FAILURE() << "the main loop did not end";
            requestQuit();
        }
    }

    void onPointerDown(int32_t x, int32_t y) override { at("down", x, y); }
    void onPointerUp(int32_t x, int32_t y) override { at("up", x, y); }
    void onDoubleClick(int32_t x, int32_t y) override { at("double", x, y); }
    void onRightButtonDown(int32_t x, int32_t y) override { at("right", x, y); }
    void onRightDoubleClick(int32_t x, int32_t y) override { at("rightdouble", x, y); }
    void onPointerMove(int32_t x, int32_t y) override { at("move", x, y); }
    bool onKeyDown(uint32_t key) override {
        log.push_back("keydown " + std::to_string(key));
        if (afterKeyDown) afterKeyDown(key);
        return true;
    }
    bool onKeyUp(uint32_t key) override { return log.push_back("keyup " + std::to_string(key)), true; }

    // The log as one line ("start, frame, keydown 49, ..."); without the frames, the calls input made.
    std::string trace(bool withFrames = true) const {
        std::string line;
        for (const std::string& entry : log) {
            if (withFrames || entry != "frame") line += (line.empty() ? "" : ", ") + entry;
        }
        return line;
    }

private:
    static std::string size(int32_t w, int32_t h) { return std::to_string(w) + "x" + std::to_string(h); }
    void at(const char* what, int32_t x, int32_t y) {
        log.push_back(what + (" " + std::to_string(x)) + "," + std::to_string(y));
    }
};

class AppTest : public HeadlessProgramTest, public ProgramDriver {
protected:
    void TearDown() override {
        program = nullptr;  // the tests' own, gone with them
        HeadlessProgramTest::TearDown();
    }

    // Runs a program that ends itself; a loop that misses its end still stops, ten virtual minutes on.
    static void runUntilItQuits(GameApp& app) { runScript(app, "wait 600000\nclose\n"); }
};
