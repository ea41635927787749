#pragma once
// Hand-made bitmap resources: the 40-byte header, a 256-entry colour table and one byte per pixel.
#include <cstdint>
#include <functional>
#include <vector>

#include "render/Colour.h"

inline void putLittleEndian(std::vector<uint8_t>& bytes, size_t offset, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

// Header only, with the fields the loader reads.
inline std::vector<uint8_t> bitmapHeader(int32_t width, int32_t height, uint16_t planes, uint16_t bitCount) {
    std::vector<uint8_t> bytes(40, 0);
    putLittleEndian(bytes, 0, 40, 4);
    putLittleEndian(bytes, 4, static_cast<uint32_t>(width), 4);
    putLittleEndian(bytes, 8, static_cast<uint32_t>(height), 4);
    putLittleEndian(bytes, 12, planes, 2);
    putLittleEndian(bytes, 14, bitCount, 2);
    return bytes;
}

// An 8-bit bitmap whose colour table entry i is colourOf(i) and whose pixel (x, y) is indexOf(x, y),
// the top row stored first.
inline std::vector<uint8_t> paletteBitmap(int32_t width, int32_t height, const std::function<Rgb(int)>& colourOf,
                                          const std::function<uint8_t(int, int)>& indexOf) {
    std::vector<uint8_t> bytes = bitmapHeader(width, height, 1, 8);
    for (int i = 0; i < 256; ++i) {
        const Rgb colour = colourOf(i);
        bytes.push_back(static_cast<uint8_t>(blueOf(colour)));
        bytes.push_back(static_cast<uint8_t>(greenOf(colour)));
        bytes.push_back(static_cast<uint8_t>(redOf(colour)));
        bytes.push_back(0);
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) bytes.push_back(indexOf(x, y));
    }
    return bytes;
}
