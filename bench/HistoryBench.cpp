// The answer history as the frame and the progress screen meet it: recording an answer on the frame
// thread (the writer thread commits it; the call must cost microseconds, a small part of a 25 ms
// frame), and every question the progress screen asks, on a year of daily play (300,000 answers),
// which together must take under 100 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <random>
#include <string>

#include "YearOfPlay.h"
#include "history/History.h"

namespace {

constexpr int64_t now = benchNow;

void recordAnswer(benchmark::State& state) {
    TempFolder folder;
    history::HistoryStore store;
    if (!store.open(folder.path.string(), now)) return state.SkipWithError("no history");
    const history::SessionId session = store.beginSession({now, history::Mode::Arcade, 1, 15});
    std::mt19937 random(3);
    const history::Answer answer = someAnswer(random, now);
    for (auto _ : state) store.recordAnswer(session, answer);
    store.flush();
}
// A game records about one answer a second, so the writer is never behind; a fixed count keeps the
// queue it has to drain afterwards small.
BENCHMARK(recordAnswer)
    ->Name("History/RecordAnswer/call")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->Iterations(20'000);

void progressQueries(benchmark::State& state) {
    TempFolder folder;
    history::HistoryStore store;
    if (!store.open(folder.path.string(), now)) return state.SkipWithError("no history");
    fillYearOfPlay(store, now);
    for (auto _ : state) {
        for (int op = 0; op < history::operationCount; ++op)
            benchmark::DoNotOptimize(store.factGrid(static_cast<history::Operation>(op)));
        benchmark::DoNotOptimize(store.medianResponseMs(now));
        benchmark::DoNotOptimize(store.answersPerDay(now));
        benchmark::DoNotOptimize(store.bestDailyScores(now - 30 * history::msPerDay));
    }
}
BENCHMARK(progressQueries)->Name("History/ProgressQueries/300k")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
