#pragma once
// The application framework (src/app): the application object, which owns the one window, the frame
// buffer, the message pump with its frame pacing, and the order of start-up and shutdown; the window
// procedure (WindowMessages.cpp); screen size and orientation (Screen.cpp); the tick timer.
// Game code overrides the virtual operations. Where the rest lives: README, "Layout of the source".
//
// One frame, in order (GameApp::stepFrame, run by the main loop whenever the message queue is empty):
//   1. the input that arrived since the last frame has been handled: each key and stylus message went
//      through handleMessage as it came (widgets first, then onKeyDown / the pointer operations);
//   2. watch the screen: a rotation replaces the frame buffer and calls onResize;
//   3. empty the HitList, so only the widgets drawn in this frame take the next taps;
//   4. clear the frame buffer to backgroundColor();
//   5. updateAndDraw(): the front-end reads the latches the taps set, updates, and draws its screen
//      (or the game's frame);
//   6. present the frame buffer;
//   7. sleep for the rest of the 25 ms period (not at all when the frame took longer).
#include <cstdint>
#include <memory>

#include "app/TickTimer.h"
#include "render/Colour.h"
#include "render/FrameBuffer.h"
#include "support/WString.h"

namespace platform {
struct Message;
}

class GameApp {
public:
    GameApp();
    virtual ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    // The operations game code overrides.
    virtual Rgb backgroundColor();
    virtual void onStart() {}
    virtual void onExit() {}
    virtual void updateAndDraw() {}
    virtual void onActivate() {}
    virtual void onResize(int32_t, int32_t) {}
    virtual void onPointerDown(int32_t, int32_t) {}
    virtual void onPointerUp(int32_t, int32_t) {}
    virtual void onDoubleClick(int32_t, int32_t) {}
    virtual void onRightButtonDown(int32_t, int32_t) {}
    virtual void onRightDoubleClick(int32_t, int32_t) {}
    virtual void onPointerMove(int32_t, int32_t) {}
    // Keys arrive as the backend translated them (platform/Keys.h): digits as "0"-"9", the phone's
    // star and hash keys as VK_F8 and VK_F9.
    virtual bool onKeyDown(uint32_t) { return false; }
    virtual bool onKeyUp(uint32_t) { return false; }
    // Whether the screen shown changes by itself, with no input. While it does not and the last input
    // has been fully handled, the main loop sleeps until the next message instead of drawing the same
    // frame again and again. A program that does not say animates.
    virtual bool isAnimating() { return true; }

    // Everything from start-up to shutdown; returns the exit code given to the quit message.
    int32_t run();
    bool createMainWindow(const WString& title);
    // Draws one frame. fromInput: an input or window message asked for it.
    void stepFrame(bool fromInput);
    void clearToBackground();
    void requestQuit() { quitRequested = true; }
    // The focused control pressed as a tap in its middle would press it (see ui/Focus.h); the focus
    // stays shown.
    void pressFocused();

    // The window procedure's work for one message.
    intptr_t handleMessage(uint32_t message, uint32_t wParam, int32_t lParam);

    // Screen size and orientation.
    bool adjustToScreen();
    bool isSmallScreen() const { return width <= 176 && height <= 220; }
    bool isNarrowScreen() const { return width <= 320; }
    bool isNearlySquare() const;

    bool continuousFrames = false;
    WString name = u"Brinmoor Mobile";
    int32_t iconId = 101;
    uint32_t framePeriodMs = 0;
    TickTimer frameTimer;
    bool window = false;  // the main window exists
    bool distinguishDoubleClick = true;
    int32_t width = 0;
    int32_t height = 0;
    bool quitRequested = false;
    bool active = false;
    bool started = false;
    WString windowClassName;
    std::unique_ptr<FrameBuffer> frameBuffer;
    bool pointerHeld = false;

private:
    void mainLoop(int32_t& exitCode);
    bool restUntilMessage(platform::Message& message);
    void watchScreen();
    void onActivationMessage(uint32_t wParam);
    void onPointerPress(int32_t x, int32_t y);
    void onPointerRelease(int32_t x, int32_t y);
};

// The one application object, set by its constructor.
extern GameApp* currentApp;

// Allocates and constructs the one application object; null when that fails.
GameApp* createApplication();

// The entry function: creates the application, runs it and deletes it. Always returns 0.
int runApplication();
