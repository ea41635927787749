#include "IconFile.h"

namespace art {

Bytes encodeIcon(const std::vector<RgbaImage>& sizes) {
    uint32_t offset = static_cast<uint32_t>(8 + 8 * sizes.size());
    size_t total = offset;
    for (const RgbaImage& image : sizes) total += image.pixels.size() * 4;
    // Sized first: growing an empty vector by a range insert draws a false overflow warning from g++ 12.
    Bytes out;
    out.reserve(total);
    putText(out, "VXIC");
    putLe32(out, static_cast<uint32_t>(sizes.size()));
    for (const RgbaImage& image : sizes) {
        putLe32(out, static_cast<uint32_t>(image.width));
        putLe32(out, offset);
        offset += static_cast<uint32_t>(image.width * image.width * 4);
    }
    for (const RgbaImage& image : sizes) {
        for (const Rgba& p : image.pixels)
            putLe32(out, static_cast<uint32_t>(toByte(p.a)) << 24 | static_cast<uint32_t>(toByte(p.r)) << 16 |
                             static_cast<uint32_t>(toByte(p.g)) << 8 | toByte(p.b));
    }
    return out;
}

}  // namespace art
