#include "render/DrawTarget.h"

namespace {
DrawTarget target;  // all zero until the application's first setDrawTarget
}

void setDrawTarget(uint16_t* pixels, int32_t width, int32_t height) {
    target.pixels = pixels;
    target.width = width;
    target.height = height;
    target.clip = Rect{0, 0, width, height};
}

int32_t targetWidth() { return target.width; }
int32_t targetHeight() { return target.height; }
void getClip(Rect& clip) { clip = target.clip; }
const DrawTarget& drawTarget() { return target; }
