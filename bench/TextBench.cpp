// Text speed: laying out and drawing a 40-character menu line in the 14-pixel font, and a 5-character
// fixed-cell number in the 48-pixel digit font, each with its glyphs already cached (every frame after
// the first) and with the font's glyph cache emptied before every call (the first frame).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "render/DrawTarget.h"
#include "text/Font.h"
#include "text/TextDraw.h"

namespace {

constexpr int32_t screenWidth = 480;
constexpr int32_t screenHeight = 640;

// 40 characters drawn, with one colour tag around the score.
const WString menuLine = u"Your score: [green]12500[/], and (12 + 7) x 3 = 57";
const WString fixedNumber = u"12345";

struct TextScreen {
    std::vector<uint16_t> pixels = std::vector<uint16_t>(static_cast<size_t>(screenWidth) * screenHeight, 0xFFFF);
    TextScreen() { setDrawTarget(pixels.data(), screenWidth, screenHeight); }
};

void drawMenuLine(benchmark::State& state, bool emptyCacheFirst) {
    TextScreen screen;
    Font font(u"Verdana", 14);
    TextStyle style;
    style.colour = 0x00402010;
    for (auto _ : state) {
        if (emptyCacheFirst) font.clearGlyphCache();
        benchmark::DoNotOptimize(drawLaidOutText(font, menuLine, 10, 100, style));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 40);
}

void drawFixedNumber(benchmark::State& state, bool emptyCacheFirst) {
    TextScreen screen;
    Font font(u"Verdana", 48);
    font.setCellWidth(font.charWidth('0'));
    TextStyle style;
    style.fixedCells = true;
    style.boxWidth = screenWidth;
    for (auto _ : state) {
        if (emptyCacheFirst) font.clearGlyphCache();
        benchmark::DoNotOptimize(drawTextStyled(font, fixedNumber, 0, 300, style));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(fixedNumber.size()));
}

// Goal: a cached call at least ten times faster than a cold one.
void BM_MenuLineCached(benchmark::State& state) {
    drawMenuLine(state, false);
    state.counters["goal"] = 0.1;
}
BENCHMARK(BM_MenuLineCached)->Name("Text/MenuLineCached/14px");

void BM_MenuLineEmptyCache(benchmark::State& state) { drawMenuLine(state, true); }
BENCHMARK(BM_MenuLineEmptyCache)->Name("Text/BareMenuLineColdCache/14px");

void BM_FixedCellNumberCached(benchmark::State& state) {
    drawFixedNumber(state, false);
    state.counters["goal"] = 0.1;
}
BENCHMARK(BM_FixedCellNumberCached)->Name("Text/FixedCellNumberCached/48px");

void BM_FixedCellNumberEmptyCache(benchmark::State& state) { drawFixedNumber(state, true); }
BENCHMARK(BM_FixedCellNumberEmptyCache)->Name("Text/BareFixedCellNumberColdCache/48px");

}  // namespace
