#include "platform/common/WindowIcon.h"

#include "platform/Platform.h"
#include "resources/ArtLayout.h"

namespace platform {

namespace {

constexpr int iconResourceId = art::iconId;
constexpr uint32_t largestSize = 1024;
constexpr uint32_t mostPictures = 64;

uint32_t readLe32(std::span<const uint8_t> bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

struct Picture {
    uint32_t size = 0;
    uint32_t offset = 0;
};

// The directory of the icon blob; empty when the header or any entry does not fit the bytes.
std::vector<Picture> readDirectory(std::span<const uint8_t> bytes) {
    if (bytes.size() < 8 || bytes[0] != 'V' || bytes[1] != 'X' || bytes[2] != 'I' || bytes[3] != 'C') return {};
    const uint32_t count = readLe32(bytes, 4);
    if (count > mostPictures || 8 + 8 * static_cast<uint64_t>(count) > bytes.size()) return {};
    std::vector<Picture> pictures;
    for (uint32_t i = 0; i < count; ++i) {
        const Picture picture{readLe32(bytes, 8 + 8 * i), readLe32(bytes, 12 + 8 * i)};
        const uint64_t end = picture.offset + 4 * static_cast<uint64_t>(picture.size) * picture.size;
        if (picture.size == 0 || picture.size > largestSize || end > bytes.size()) return {};
        pictures.push_back(picture);
    }
    return pictures;
}

}  // namespace

std::vector<int> iconSizes() {
    std::vector<int> sizes;
    for (const Picture& picture : readDirectory(findResource(ResourceType::Icon, iconResourceId)))
        sizes.push_back(static_cast<int>(picture.size));
    return sizes;
}

bool iconPixels(int size, std::vector<uint32_t>& argb) {
    return readIconPixels(findResource(ResourceType::Icon, iconResourceId), size, argb);
}

bool readIconPixels(std::span<const uint8_t> bytes, int size, std::vector<uint32_t>& argb) {
    argb.clear();
    for (const Picture& picture : readDirectory(bytes)) {
        if (static_cast<int>(picture.size) != size) continue;
        const size_t count = static_cast<size_t>(picture.size) * picture.size;
        argb.reserve(count);
        for (size_t i = 0; i < count; ++i) argb.push_back(readLe32(bytes, picture.offset + 4 * i));
        return true;
    }
    return false;
}

}  // namespace platform
