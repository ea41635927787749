#pragma once
// The application object: owns the one window, the frame buffer, the message pump with its frame
// pacing, and the order of start-up and shutdown. Game code overrides the virtual operations.
#include <cstdint>
#include <memory>

#include "app/TickTimer.h"
#include "render/Colour.h"
#include "render/FrameBuffer.h"
#include "support/WString.h"

class GameApp {
public:
    GameApp();
    virtual ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    // The operations game code overrides, in slot order after the destructor.
    virtual Rgb backgroundColor();
    virtual void onStart() {}
    virtual void onExit() {}
    virtual void updateAndDraw() {}
    virtual void reservedOperation() {}
    virtual void onActivate() {}
    virtual void onResize(int32_t, int32_t) {}
    virtual void updateAndDrawAlternate() { updateAndDraw(); }
    virtual void onPointerDown(int32_t, int32_t) {}
    virtual void onPointerUp(int32_t, int32_t) {}
    virtual void onDoubleClick(int32_t, int32_t) {}
    virtual void onRightButtonDown(int32_t, int32_t) {}
    virtual void onRightDoubleClick(int32_t, int32_t) {}
    virtual void onPointerMove(int32_t, int32_t) {}
    virtual bool onKeyDown(uint32_t, const uint32_t*) { return false; }
    virtual bool onKeyUp(uint32_t, const uint32_t*) { return false; }

    // Everything from start-up to shutdown; returns the exit code given to the quit message.
    int32_t run();
    bool createMainWindow(const WString& title);
    // Draws one frame. fromInput: an input or window message asked for it.
    void stepFrame(bool fromInput);
    void clearToBackground();
    void requestQuit() { quitRequested = true; }

    // The window procedure's work for one message.
    intptr_t handleMessage(uint32_t message, uint32_t wParam, int32_t lParam);

    // Screen size and orientation.
    bool adjustToScreen();
    bool isSmallScreen() const { return width <= 176 && height <= 220; }
    bool isNarrowScreen() const { return width <= 320; }
    bool isNearlySquare() const;
    void hideInputPanelButton() {}  // the desktop has no input-panel button to hide
    void showInputPanelButton() {}

    bool continuousFrames = false;
    uint32_t keyTable[8] = {};
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
    void watchScreen();
    void onActivationMessage(uint32_t wParam);
    void onPointerPress(int32_t x, int32_t y);
};

// The one application object, set by its constructor.
extern GameApp* currentApp;

// Allocates and constructs the one application object; null when that fails.
GameApp* createApplication();

// The entry function: creates the application, runs it and deletes it. Always returns 0.
int runApplication();

// The handheld's NumLock translation: with NumLock on, keypad digits become "0"-"9" and keypad
// operators their characters; everything else passes unchanged.
uint32_t translateKey(uint32_t key, bool numLock);
