#include "render/Image.h"

#include <cstddef>
#include <limits>
#include <optional>

#include "platform/Platform.h"

namespace {

constexpr size_t headerSize = 40;
constexpr size_t colourTableEntries = 256;
constexpr size_t palettedPixelsOffset = headerSize + colourTableEntries * 4;  // 1,064

uint32_t readU16(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint32_t>(bytes[offset]) | (static_cast<uint32_t>(bytes[offset + 1]) << 8);
}

int32_t readI32(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<int32_t>(readU16(bytes, offset) | (readU16(bytes, offset + 2) << 16));
}

struct Layout {
    int32_t width;
    int32_t height;
    int32_t bitsPerPixel;
    size_t pixelOffset;
};

// What the header describes, or nothing when the bytes cannot hold it: too short for the header or
// the colour table, a size that is not positive, or fewer pixel bytes than width x height needs.
std::optional<Layout> readLayout(std::span<const uint8_t> bytes) {
    if (bytes.size() < headerSize) return std::nullopt;
    const int32_t width = readI32(bytes, 4);
    const int32_t height = readI32(bytes, 8);
    const uint64_t bits = uint64_t{readU16(bytes, 12)} * readU16(bytes, 14);
    if (width <= 0 || height <= 0 || bits > uint64_t{std::numeric_limits<int32_t>::max()}) return std::nullopt;
    const uint64_t rows = static_cast<uint64_t>(height);
    if (bits <= 8) {
        // One byte per pixel, rows without padding.
        if (bytes.size() < palettedPixelsOffset) return std::nullopt;
        const uint64_t available = bytes.size() - palettedPixelsOffset;
        if (static_cast<uint64_t>(width) > available / rows) return std::nullopt;
        return Layout{width, height, static_cast<int32_t>(bits), palettedPixelsOffset};
    }
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * bits + 7) / 8;
    if (rowBytes > (bytes.size() - headerSize) / rows) return std::nullopt;
    return Layout{width, height, static_cast<int32_t>(bits), headerSize};
}

// A colour-table entry (blue, green, red, reserved) as RGB565.
uint16_t paletteEntry(std::span<const uint8_t> bytes, size_t index) {
    const size_t at = headerSize + index * 4;
    const uint32_t blue = bytes[at];
    const uint32_t green = bytes[at + 1];
    const uint32_t red = bytes[at + 2];
    return static_cast<uint16_t>(((red & 0xF8) << 8) | ((green & 0xFC) << 3) | (blue >> 3));
}

}  // namespace

Image::Image(int32_t resourceId, int32_t colourKey) { loadImageResource(resourceId, colourKey); }

bool Image::loadImageResource(int32_t resourceId, int32_t colourKey) {
    return loadImageBytes(platform::findResource(platform::ResourceType::Bitmap, resourceId), resourceId, colourKey);
}

bool Image::loadImageBytes(std::span<const uint8_t> bytes, int32_t resourceId, int32_t colourKey) {
    setColourKey(colourKey);
    id = resourceId;
    const std::optional<Layout> layout = readLayout(bytes);
    if (!layout) {
        clearPicture();
        return false;
    }
    widthPx = layout->width;
    heightPx = layout->height;
    bits = layout->bitsPerPixel;
    pixelData = bytes.data() + layout->pixelOffset;
    colours.fill(0);
    if (bits <= 8) {
        for (size_t i = 0; i < colourTableEntries; ++i) colours[i] = paletteEntry(bytes, i);
    }
    return true;
}

void Image::clearPicture() {
    widthPx = 0;
    heightPx = 0;
    bits = 0;
    pixelData = nullptr;
    colours.fill(0);
}

void Image::setColourKey(int32_t key) {
    if (key < 0) {
        keyRed = keyGreen = keyBlue = -1;
        return;
    }
    keyRed = key & 0xFF;
    keyGreen = (key >> 8) & 0xFF;
    keyBlue = (key >> 16) & 0xFF;
}

int32_t Image::colourKey() const {
    if (keyRed < 0) return NoColourKey;
    return (keyBlue << 16) | (keyGreen << 8) | keyRed;
}
