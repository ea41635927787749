// The answer history as the frame and the progress screen meet it: recording an answer on the frame
// thread (the writer thread commits it; the call must cost microseconds, a small part of a 25 ms
// frame), and every question the progress screen asks, on a year of daily play (300,000 answers),
// which together must take under 100 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <random>
#include <string>

#include "history/History.h"

namespace {

constexpr int64_t now = 20'794 * history::msPerDay + history::msPerDay / 2;

struct TempFolder {
    std::filesystem::path path;
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vx-bench-XXXXXX").string();
        path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

history::Answer someAnswer(std::mt19937& random, int64_t at) {
    history::Answer a;
    a.shownAt = at;
    a.op = static_cast<history::Operation>(random() % 4);
    a.first = static_cast<int>(random() % 13);
    a.second = static_cast<int>(random() % 13);
    a.expected = a.first * a.second;
    a.typed = std::to_string(a.expected);
    a.outcome = static_cast<history::Outcome>(random() % 4);
    a.responseMs = 400 + static_cast<int>(random() % 9000);
    return a;
}

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
    std::mt19937 random(1);
    int64_t at = now - 365 * history::msPerDay;
    for (int s = 0; s < 3000; ++s) {
        const history::SessionId session = store.beginSession({at, history::Mode::Daily, 1, 15});
        std::vector<history::Answer> answers;
        for (int i = 0; i < 100; ++i, at += 1000) answers.push_back(someAnswer(random, at));
        store.recordAnswers(session, std::move(answers));
        store.endSession(session, {at, 1000 + s, 5, history::Ending::GameOver});
        at += 365 * history::msPerDay / 3000 - 100'000;
    }
    store.flush();
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
