#include "render/FrameBuffer.h"

#include <algorithm>

#include "platform/Platform.h"

FrameBuffer::FrameBuffer(int32_t width, int32_t height)
    : pixelStore(std::make_unique<uint16_t[]>(static_cast<size_t>(width) * static_cast<size_t>(height))),
      widthPx(width),
      heightPx(height) {}

std::unique_ptr<FrameBuffer> FrameBuffer::create(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return nullptr;
    return std::unique_ptr<FrameBuffer>(new FrameBuffer(width, height));
}

bool FrameBuffer::clear(uint16_t value) {
    std::fill_n(pixelStore.get(), static_cast<size_t>(widthPx) * static_cast<size_t>(heightPx), value);
    return true;
}

bool FrameBuffer::present() {
    platform::present(pixelStore.get(), widthPx, heightPx);
    return true;
}
