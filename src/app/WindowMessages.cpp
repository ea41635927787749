// The window procedure: stylus to the widgets first and then to the application, keys as the backend
// translated them (platform/Keys.h), and activation, painting and closing driving the main loop's
// flags. Almost every input ends with a redraw request, which a continuously drawing program skips.
#include "app/GameApp.h"
#include "platform/Platform.h"
#include "ui/Focus.h"
#include "ui/HitList.h"

using namespace platform;

void GameApp::onActivationMessage(uint32_t wParam) {
    if ((wParam & 0xFFFF) == WA_INACTIVE) {
        active = false;
        return;
    }
    if (active) return;
    active = true;
    onActivate();
    if (adjustToScreen()) onResize(width, height);
    stepFrame(true);
}

void GameApp::onPointerPress(int32_t x, int32_t y) {
    dispatchPress(Point{x, y});
    pointerHeld = true;
    onPointerDown(x, y);
    stepFrame(true);
}

void GameApp::onPointerRelease(int32_t x, int32_t y) {
    dispatchRelease(Point{x, y});
    pointerHeld = false;
    onPointerUp(x, y);
    stepFrame(true);
}

void GameApp::pressFocused() {
    Point point;
    if (!focusPressPoint(point)) return;
    onPointerPress(point.x, point.y);
    onPointerRelease(point.x, point.y);
}

intptr_t GameApp::handleMessage(uint32_t message, uint32_t wParam, int32_t lParam) {
    const int32_t x = pointX(lParam);
    const int32_t y = pointY(lParam);
    switch (message) {
        case WM_ACTIVATE:
            onActivationMessage(wParam);
            return 0;
        case WM_PAINT:
            active = true;
            stepFrame(false);
            return defaultWindowProcedure({message, wParam, lParam});
        case WM_CLOSE:
            continuousFrames = false;
            quitRequested = true;
            postQuitMessage(0);
            return 0;
        case WM_ERASEBKGND:
            return 0;
        case WM_KEYDOWN:
            onKeyDown(wParam);
            break;
        case WM_KEYUP:
            onKeyUp(wParam);
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) != SC_CLOSE) return defaultWindowProcedure({message, wParam, lParam});
            requestQuit();
            return 0;
        case WM_MOUSEMOVE:
            onPointerMove(x, y);
            if (pointerHeld) stepFrame(true);
            return 0;
        case WM_LBUTTONDOWN:
            hideFocus();
            onPointerPress(x, y);
            return 0;
        case WM_LBUTTONUP:
            hideFocus();
            onPointerRelease(x, y);
            return 0;
        case WM_LBUTTONDBLCLK:
            hideFocus();
            if (!distinguishDoubleClick) {
                onPointerPress(x, y);
                return 0;
            }
            onDoubleClick(x, y);
            break;
        case WM_RBUTTONDOWN:
            onRightButtonDown(x, y);
            break;
        case WM_RBUTTONDBLCLK:
            onRightDoubleClick(x, y);
            break;
        default:
            return defaultWindowProcedure({message, wParam, lParam});
    }
    stepFrame(true);
    return 0;
}
