// Drawing speed against the plainest loop that produces the same pixels: a whole-screen fillRect
// against a bare 16-bit fill, and a keyed sprite-sheet blit against a bare palette look-up copy.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/DrawTarget.h"
#include "render/Image.h"
#include "render/ImageRegion.h"
#include "render/Primitives.h"

namespace {

constexpr int screenWidth = 480;
constexpr int screenHeight = 640;
constexpr Rgb fillColour = 0x00FFE7DB;

void BM_FillRectWholeScreen(benchmark::State& state) {
    std::vector<uint16_t> pixels(screenWidth * screenHeight);
    setDrawTarget(pixels.data(), screenWidth, screenHeight);
    for (auto _ : state) {
        fillRect(Rect{0, 0, screenWidth, screenHeight}, fillColour);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * screenWidth * screenHeight);
    state.counters["goal"] = 1.5;
}
BENCHMARK(BM_FillRectWholeScreen)->Name("Render/FillRect/480x640");

void BM_PlainFillWholeScreen(benchmark::State& state) {
    std::vector<uint16_t> pixels(screenWidth * screenHeight);
    const uint16_t value = rgbTo565(fillColour);
    for (auto _ : state) {
        uint16_t* p = pixels.data();
        for (size_t i = 0; i < pixels.size(); ++i) p[i] = value;
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * screenWidth * screenHeight);
}
BENCHMARK(BM_PlainFillWholeScreen)->Name("Render/BarePlainFill/480x640");

// A 512 x 256 sheet like the wide front-end's: 8-bit indices, about one pixel in six the key colour.
constexpr int sheetWidth = 512;
constexpr int sheetHeight = 256;
constexpr Rgb sheetKey = 0x00FFE7DB;
constexpr uint8_t keyIndex = 0;

std::vector<uint8_t> sheetBytes() {
    std::vector<uint8_t> bytes(40 + 1024 + sheetWidth * sheetHeight, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
    };
    put32(0, 40);
    put32(4, sheetWidth);
    put32(8, sheetHeight);
    bytes[12] = 1;
    bytes[14] = 8;
    for (int i = 0; i < 256; ++i) {
        const size_t at = 40 + static_cast<size_t>(i) * 4;
        const Rgb colour = i == keyIndex ? sheetKey : makeRgb(i, 255 - i, (i * 37) & 255);
        bytes[at] = static_cast<uint8_t>(blueOf(colour));
        bytes[at + 1] = static_cast<uint8_t>(greenOf(colour));
        bytes[at + 2] = static_cast<uint8_t>(redOf(colour));
    }
    uint32_t seed = 12345;
    for (size_t i = 0; i < static_cast<size_t>(sheetWidth * sheetHeight); ++i) {
        seed = seed * 1103515245u + 12345u;
        const uint8_t index = static_cast<uint8_t>(seed >> 16);
        bytes[1064 + i] = index % 6 == 0 ? keyIndex : static_cast<uint8_t>(index | 1);
    }
    return bytes;
}

// The blit target is a landscape screen, so that the whole sheet is drawn.
constexpr int blitTargetWidth = 640;
constexpr int blitTargetHeight = 480;

void BM_BlitRegionKeyed(benchmark::State& state) {
    const std::vector<uint8_t> bytes = sheetBytes();
    Image sheet;
    sheet.loadImageBytes(bytes, 107, static_cast<int32_t>(sheetKey));
    ImageRegion region(sheet, 0, 0, sheetWidth, sheetHeight);
    region.setPosition(64, 100);
    std::vector<uint16_t> pixels(blitTargetWidth * blitTargetHeight);
    setDrawTarget(pixels.data(), blitTargetWidth, blitTargetHeight);
    for (auto _ : state) {
        region.draw();
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * sheetWidth * sheetHeight);
    state.counters["goal"] = 1.3;
}
BENCHMARK(BM_BlitRegionKeyed)->Name("Render/BlitRegionKeyed/512x256");

void BM_BarePaletteCopyKeyed(benchmark::State& state) {
    const std::vector<uint8_t> bytes = sheetBytes();
    Image sheet;
    sheet.loadImageBytes(bytes, 107, static_cast<int32_t>(sheetKey));
    const uint16_t* palette = sheet.palette().data();
    const uint16_t key = rgbTo565(sheetKey);
    std::vector<uint16_t> pixels(blitTargetWidth * blitTargetHeight);
    for (auto _ : state) {
        const uint8_t* source = sheet.pixels();
        uint16_t* destination = pixels.data() + 100 * blitTargetWidth + 64;
        for (int y = 0; y < sheetHeight; ++y, source += sheetWidth, destination += blitTargetWidth) {
            for (int x = 0; x < sheetWidth; ++x) {
                const uint16_t p = palette[source[x]];
                if (p != key) destination[x] = p;
            }
        }
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * sheetWidth * sheetHeight);
}
BENCHMARK(BM_BarePaletteCopyKeyed)->Name("Render/BarePaletteCopy/512x256");

}  // namespace
