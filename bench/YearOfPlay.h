#pragma once
// A year of daily play for the history's benchmarks: 3,000 games of 100 answers (300,000 in all), of
// every operation and outcome, spread over the 365 days before now.
#include <stdlib.h>

#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "history/History.h"

// An empty folder of the benchmark's own, removed after it.
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

inline constexpr int64_t benchNow = 20'794 * history::msPerDay + history::msPerDay / 2;  // 2026-12-07 noon

inline history::Answer someAnswer(std::mt19937& random, int64_t at) {
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

inline void fillYearOfPlay(history::HistoryStore& store, int64_t now) {
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
}
