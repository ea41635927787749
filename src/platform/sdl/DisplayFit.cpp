#include "platform/sdl/DisplayFit.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int maxLongSide = 800;
constexpr int maxShortSide = 720;

bool withinLayouts(int width, int height) {
    return std::max(width, height) <= maxLongSide && std::min(width, height) <= maxShortSide;
}

}  // namespace

ScreenSize fullscreenScreenSize(int displayWidth, int displayHeight) {
    if (displayWidth <= 0 || displayHeight <= 0) return {};
    int factor = 1;
    while (!withinLayouts(displayWidth / factor, displayHeight / factor)) ++factor;
    return {(displayWidth / factor) & ~1, (displayHeight / factor) & ~1};
}

}  // namespace platform
