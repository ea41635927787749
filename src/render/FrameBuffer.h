#pragma once
// The off-screen RGB565 picture of the whole screen: rows top first, stride width, pixel (x, y) at
// y * width + x. Cleared and presented once per frame; text is rendered into the same pixels.
#include <cstdint>
#include <memory>

class FrameBuffer {
public:
    static std::unique_ptr<FrameBuffer> create(int32_t width, int32_t height);

    // Writes value into every pixel.
    bool clear(uint16_t value);
    // Shows the buffer in the window.
    bool present();

    uint16_t* pixels() { return pixelStore.get(); }
    const uint16_t* pixels() const { return pixelStore.get(); }
    int32_t width() const { return widthPx; }
    int32_t height() const { return heightPx; }

private:
    FrameBuffer(int32_t width, int32_t height);

    std::unique_ptr<uint16_t[]> pixelStore;
    int32_t widthPx;
    int32_t heightPx;
};
