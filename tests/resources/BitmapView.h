#pragma once
// Reads an embedded bitmap resource the way the program's loader does, for checking the artwork.
#include <cstdint>
#include <span>

#include "../../resources/ArtLayout.h"
#include "platform/Platform.h"

struct BitmapView {
    int32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
    std::span<const uint8_t> bytes;

    static BitmapView find(int id) {
        BitmapView view;
        view.bytes = platform::findResource(platform::ResourceType::Bitmap, id);
        if (view.bytes.size() < 40) return view;
        view.headerSize = static_cast<int32_t>(view.le32(0));
        view.width = static_cast<int32_t>(view.le32(4));
        view.height = static_cast<int32_t>(view.le32(8));
        view.bitsPerPixel = view.le16(12) * view.le16(14);
        return view;
    }

    // The colour table entry as 0x00BBGGRR.
    art::Colour24 paletteColour(int index) const {
        const size_t at = 40 + 4 * static_cast<size_t>(index);
        return art::makeColour(bytes[at + 2], bytes[at + 1], bytes[at]);
    }
    uint8_t index(int x, int y) const { return bytes[1064 + static_cast<size_t>(y) * width + x]; }
    art::Colour24 colour(int x, int y) const { return paletteColour(index(x, y)); }

private:
    uint32_t le16(size_t at) const { return bytes[at] | bytes[at + 1] << 8; }
    uint32_t le32(size_t at) const { return le16(at) | le16(at + 2) << 16; }
};
