#include "PngFile.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "Deflate.h"

namespace art {

namespace {

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void putChunk(Bytes& out, const char* type, const Bytes& body) {
    putBe32(out, static_cast<uint32_t>(body.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), body.begin(), body.end());
    out.insert(out.end(), typed.begin(), typed.end());
    putBe32(out, crc32(typed.data(), typed.size()));
}

// Chooses, per row, the PNG filter whose output bytes are smallest in magnitude (the usual rule of
// thumb for what compresses best), and writes the filter type before the row.
void filterRow(Bytes& raw, const uint8_t* row, const uint8_t* above, size_t size) {
    auto paeth = [](int a, int b, int c) {
        const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
        return pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
    };
    Bytes best;
    long bestCost = -1;
    for (int type = 0; type < 5; ++type) {
        Bytes filtered{static_cast<uint8_t>(type)};
        long cost = 0;
        for (size_t i = 0; i < size; ++i) {
            const int left = i >= 4 ? row[i - 4] : 0, up = above ? above[i] : 0,
                      upLeft = above && i >= 4 ? above[i - 4] : 0;
            const int predicted = type == 0   ? 0
                                  : type == 1 ? left
                                  : type == 2 ? up
                                  : type == 3 ? (left + up) / 2
                                              : paeth(left, up, upLeft);
            const uint8_t value = static_cast<uint8_t>(row[i] - predicted);
            filtered.push_back(value);
            cost += value < 128 ? value : 256 - value;
        }
        if (bestCost < 0 || cost < bestCost) bestCost = cost, best = std::move(filtered);
    }
    raw.insert(raw.end(), best.begin(), best.end());
}

}  // namespace

Bytes encodePng(const RgbaImage& image) {
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    putBe32(header, static_cast<uint32_t>(image.width));
    putBe32(header, static_cast<uint32_t>(image.height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter method, no interlace
    putChunk(out, "IHDR", header);
    Bytes pixels;
    for (const Rgba& p : image.pixels)
        pixels.insert(pixels.end(), {toByte(p.r), toByte(p.g), toByte(p.b), toByte(p.a)});
    const size_t stride = static_cast<size_t>(image.width) * 4;
    Bytes raw;
    for (size_t y = 0; y < static_cast<size_t>(image.height); ++y)
        filterRow(raw, pixels.data() + y * stride, y > 0 ? pixels.data() + (y - 1) * stride : nullptr, stride);
    putChunk(out, "IDAT", zlibCompress(raw));
    putChunk(out, "IEND", {});
    return out;
}

}  // namespace art
