// Screen size, orientation and the size classes the screens choose their layout by.
#include "app/GameApp.h"
#include "platform/Platform.h"
#include "render/DrawTarget.h"

bool GameApp::isNearlySquare() const {
    // Integer division rounding towards minus infinity, as the layout was tuned with.
    const int32_t eighth = width >= 0 ? width / 8 : -((-width + 7) / 8);
    return width == height || (width > height && width < height + eighth);
}

bool GameApp::adjustToScreen() {
    const int32_t screenWidth = platform::screenWidth();
    const int32_t clientHeight = platform::screenHeight() - platform::workAreaTop();
    const bool changed = screenWidth != width || clientHeight != height;
    if (changed && frameBuffer) {
        // A size no buffer can have (a task bar as tall as the turned screen) keeps the old buffer
        // and size rather than leave the frame without one.
        std::unique_ptr<FrameBuffer> replacement = FrameBuffer::create(screenWidth, clientHeight);
        if (!replacement) return false;
        frameBuffer = std::move(replacement);
        frameBuffer->clear(rgbTo565(backgroundColor()));
        setDrawTarget(frameBuffer->pixels(), screenWidth, clientHeight);
    }
    if (changed) {
        width = screenWidth;
        height = clientHeight;
    }
    platform::moveWindow(screenWidth, clientHeight);
    return changed;
}

// Run at the start of every frame: a rotation is noticed by the new screen width; otherwise only the
// window height is put back if something else changed it.
void GameApp::watchScreen() {
    if (platform::screenWidth() == width) {
        if (platform::windowHeight() != height) platform::moveWindow(width, height);
        return;
    }
    if (platform::workAreaTop() != 0 && adjustToScreen()) onResize(width, height);
}
