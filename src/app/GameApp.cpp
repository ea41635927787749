#include "app/GameApp.h"

#include <new>

#include "platform/Platform.h"
#include "render/DrawTarget.h"
#include "support/Random.h"
#include "ui/Focus.h"
#include "ui/HitList.h"

GameApp* currentApp = nullptr;

namespace {

// Used when the screen reports no size at all.
constexpr int32_t fallbackWidth = 480;
constexpr int32_t fallbackHeight = 640;

// The loop rests only after this many frames in a row have ended with nothing animating and no message
// between them: the first takes what the last input latched (a widget's one-frame delay) or sees the
// end of what animated, the second shows the screen that the first chose after it was drawn.
constexpr int stillFramesBeforeRest = 2;

intptr_t windowProcedure(uint32_t message, uint32_t wParam, int32_t lParam) {
    if (!currentApp) return platform::defaultWindowProcedure({message, wParam, lParam});
    return currentApp->handleMessage(message, wParam, lParam);
}

}  // namespace

GameApp::GameApp() {
    currentApp = this;
    resetFocus();
}

GameApp::~GameApp() {
    if (currentApp == this) currentApp = nullptr;
}

Rgb GameApp::backgroundColor() { return colourWhite(); }

int32_t GameApp::run() {
    seedRandom(static_cast<uint32_t>(platform::systemTimeUtc().minute));
    width = platform::screenWidth();
    height = platform::screenHeight() - platform::workAreaTop();
    if (width <= 0 || height <= 0) {
        width = fallbackWidth;
        height = fallbackHeight;
    }

    if (!createMainWindow(name)) return 0;
    frameBuffer = FrameBuffer::create(width, height);
    setDrawTarget(frameBuffer->pixels(), width, height);
    frameTimer.restart();
    framePeriodMs = 25;
    clearToBackground();
    onStart();
    active = true;
    started = true;
    stepFrame(true);

    int32_t exitCode = 0;
    mainLoop(exitCode);
    onExit();
    return exitCode;
}

// Drains messages while active and draws a frame whenever the queue is empty; blocks while inactive,
// and while nothing on the screen would change.
void GameApp::mainLoop(int32_t& exitCode) {
    platform::Message message;
    int stillFrames = 0;
    for (;;) {
        if (active) {
            if (platform::peekMessage(message)) {
                if (message.message == platform::WM_QUIT) break;
                platform::dispatchMessage(message);
                stillFrames = 0;
                continue;
            }
            if (quitRequested) return;
            if (continuousFrames && stillFrames >= stillFramesBeforeRest) {
                if (!restUntilMessage(message)) break;
                stillFrames = 0;
            } else if (continuousFrames) {
                frameTimer.restart();
                stepFrame(false);
                stillFrames = isAnimating() ? 0 : stillFrames + 1;
                const uint32_t elapsed = frameTimer.elapsedMs();
                if (elapsed < framePeriodMs) platform::sleepMs(framePeriodMs - elapsed);
            } else {
                platform::sleepMs(framePeriodMs);
            }
        } else {
            if (!platform::getMessage(message)) break;
            platform::dispatchMessage(message);
        }
    }
    exitCode = static_cast<int32_t>(message.wParam);
}

// Sleeps in the backend's wait until a message comes, then lets the rest of that frame period pass, so
// the message is handled, and frames resume, on the same grid of frame starts as if they had never
// stopped: a frame was due as the rest began. False when the message is the quit message.
bool GameApp::restUntilMessage(platform::Message& message) {
    const uint32_t restStart = platform::tickCount();
    if (!platform::getMessage(message)) return false;
    const uint32_t intoPeriod = (platform::tickCount() - restStart) % framePeriodMs;
    if (intoPeriod != 0) platform::sleepMs(framePeriodMs - intoPeriod);
    platform::dispatchMessage(message);
    return true;
}

bool GameApp::createMainWindow(const WString& title) {
    windowClassName = title + u" by Brinmoor Mobile";
    switch (platform::createWindow(windowClassName, title, iconId, windowProcedure)) {
        case platform::WindowResult::Created:
            break;
        case platform::WindowResult::AnotherInstanceRaised:
            return false;
        case platform::WindowResult::ClassRegistrationFailed:
            platform::messageBox(u"Failed To Register The Window Class.", u"ERROR");
            return false;
        case platform::WindowResult::CreationFailed:
            platform::messageBox(u"Window Creation Error", u"ERROR");
            return false;
    }
    window = true;
    return true;
}

void GameApp::stepFrame(bool fromInput) {
    if (!active || !started || quitRequested) return;
    if (fromInput && continuousFrames) return;  // the loop draws the next frame anyway
    watchScreen();
    clearHitList();
    clearFocusList();
    clearToBackground();
    if (!frameBuffer) return;
    updateAndDraw();
    drawFocus();
    frameBuffer->present();
}

void GameApp::clearToBackground() {
    if (frameBuffer) frameBuffer->clear(rgbTo565(backgroundColor()));
}

int runApplication() {
    GameApp* app = createApplication();
    if (!app) {
        platform::messageBox(u"Failed to start the program.", u"ERROR");
        platform::noteFailure();
        return 0;
    }
    app->run();
    delete app;
    return 0;
}
