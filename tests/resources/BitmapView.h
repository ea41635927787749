#pragma once
// Reads an embedded bitmap resource the way the program's loader does, for checking the artwork.
// A resource missing or shorter than its header claims fails the test and reads as empty.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>

#include "platform/Platform.h"
#include "resources/ArtLayout.h"

struct BitmapView {
    int32_t headerSize = 0, width = 0, height = 0, bitsPerPixel = 0;
    std::span<const uint8_t> bytes;

    static BitmapView find(int id) {
        BitmapView view;
        const auto bytes = platform::findResource(platform::ResourceType::Bitmap, id);
        if (bytes.size() >= 40) {
            view.bytes = bytes;
            view = {int32_t(view.le32(0)), int32_t(view.le32(4)), int32_t(view.le32(8)),
                    int32_t(view.le16(12) * view.le16(14)), bytes};
        }
        if (bytes.size() < 1064 + size_t(std::max(view.width, 0)) * size_t(std::max(view.height, 0)) ||
            view.width <= 0) {
            ADD_FAILURE() << "bitmap " << id << " is missing or cut short";
            return {};
        }
        return view;
    }

    // The colour table entry of pixel (x, y) as 0x00BBGGRR; 0xFFFFFFFF outside the picture.
    art::Colour24 colour(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0xFFFFFFFF;
        const size_t at = 40 + 4 * size_t(bytes[1064 + size_t(y) * width + x]);
        return art::makeColour(bytes[at + 2], bytes[at + 1], bytes[at]);
    }

private:
    uint32_t le16(size_t at) const { return bytes[at] | bytes[at + 1] << 8; }
    uint32_t le32(size_t at) const { return le16(at) | le16(at + 2) << 16; }
};
