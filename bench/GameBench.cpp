// One whole frame of each screen the program shows (clear, draw, present) against the plainest work a
// frame cannot avoid: a memset of a buffer of the screen's size and a memcpy of it, which is what the
// clear and the present come down to. The front-end's screens, the game's options screen and play
// (a problem with the fading last answer, with a typed answer, and the challenge with blinking
// lights), at the sizes of the keypad phones, the touch devices in both orientations, and VGA.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "YearOfPlay.h"
#include "game/MathGame.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"
#include "render/DrawTarget.h"
#include "support/Random.h"
#include "ui/HitList.h"

// The framework's entry function makes the program object through createApplication; here, as in the
// program, it is the arithmetic game.
GameApp* createApplication() { return new (std::nothrow) MathGame; }

namespace {

constexpr double frameGoal = 25;  // times the floor

// The program on a headless screen of the given size, started as the program starts. Its data root is
// an empty folder, so no player's files are read, and it is never told to exit, so none are written.
void startProgram(GameApp& app, int width, int height, int64_t day = 0) {
    platform::LaunchOptions options;
    options.screenWidth = width;
    options.screenHeight = height;
    options.date = day;
    platform::resetHeadlessBackend(options);
    platform::setDataRoot((std::filesystem::temp_directory_path() / "vx-bench-no-files").string());
    seedRandom(7);
    app.width = width;
    app.height = height;
    app.createMainWindow(app.name.empty() ? u"Bare" : app.name);
    app.frameBuffer = FrameBuffer::create(width, height);
    setDrawTarget(app.frameBuffer->pixels(), width, height);
    app.active = true;
    app.started = true;
}

void stopProgram() {
    clearHitList();
    setDrawTarget(nullptr, 0, 0);
    platform::setDataRoot("");
}

// Play with the problem 48 x 25 and a fading "1175" under it, or the challenge with 4 seconds left.
void showPlay(MathGame& game, bool typed, bool challenge) {
    game.screen = ScreenGame;
    game.gameKeyDown('1');  // Start
    Round& round = game.round;
    if (challenge) {
        while (!round.generator().isChallenge()) {
            for (char16_t digit : std::to_string(round.generator().current.result())) {
                game.gameKeyDown(digit);
            }
            game.stepFrame(false);
        }
        round.clock().startClock(4, 60);  // the lights blink under 5 seconds
        return;
    }
    round.generator().current = Problem{1175, 0, OpAddition};
    for (char16_t digit : std::u16string_view(u"1175")) game.gameKeyDown(digit);
    round.generator().current = Problem{48, 25, OpMultiplication};
    if (typed) game.gameKeyDown('1'), game.gameKeyDown('2');
}

struct Subject {
    const char* name;
    void (*show)(MathGame& game);
};

const Subject subjects[] = {
    {"MainMenu", [](MathGame& game) { game.screen = ScreenMainMenu; }},
    {"Options", [](MathGame& game) { game.screen = ScreenOptions; }},
    {"HighScores",
     [](MathGame& game) {
         game.screen = ScreenHighScores;
         game.score = 160;  // a game of every operation at Normal, as the game enters it
         game.level = 2;
         game.recordScore();
     }},
    {"GameOver",
     [](MathGame& game) {
         game.screen = ScreenGame;
         game.score = 160;
         game.gameOver = true;
     }},
    {"GameOptions", [](MathGame& game) { game.screen = ScreenGame; }},
    {"Play", [](MathGame& game) { showPlay(game, false, false); }},
    {"PlayTyped", [](MathGame& game) { showPlay(game, true, false); }},
    {"Challenge", [](MathGame& game) { showPlay(game, false, true); }},
};

void screenFrame(benchmark::State& state, const Subject& subject, int width, int height) {
    MathGame game;
    startProgram(game, width, height);
    game.onStart();
    subject.show(game);
    // The glyphs of every text on the screen are cached after the first frames, as in a game.
    for (int i = 0; i < 4; ++i) game.stepFrame(false);
    const bool fading = !game.round.feedback().empty();
    for (auto _ : state) {
        // A right answer keeps fading in every frame: its copy is renewed before each.
        if (fading) game.round.restartFeedback();
        game.stepFrame(false);
        benchmark::ClobberMemory();
    }
    stopProgram();
    state.counters["goal"] = frameGoal;
}

// Opening the progress screen on a year of daily play (300,000 answers): the key, the history's
// questions and the first frame drawn; the player must see it within 100 ms.
void progressScreenOpen(benchmark::State& state) {
    TempFolder folder;
    {
        history::HistoryStore store;
        if (!store.open(folder.path.string(), benchNow)) return state.SkipWithError("no history");
        fillYearOfPlay(store, benchNow);
    }
    MathGame game;
    startProgram(game, 480, 640, benchNow / history::msPerDay);
    platform::setDataRoot(folder.path.string());
    game.onStart();
    for (auto _ : state) {
        game.screen = ScreenMainMenu;
        game.onKeyDown('6');
        game.stepFrame(false);
    }
    game.onExit();
    stopProgram();
}
BENCHMARK(progressScreenOpen)->Name("History/ProgressScreen/300k")->Unit(benchmark::kMillisecond)->UseRealTime();

void bareMemsetMemcpy(benchmark::State& state, int width, int height) {
    const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * sizeof(uint16_t);
    std::vector<uint16_t> buffer(bytes / sizeof(uint16_t));
    std::vector<uint16_t> shown(bytes / sizeof(uint16_t));
    for (auto _ : state) {
        std::memset(buffer.data(), 0xFF, bytes);
        std::memcpy(shown.data(), buffer.data(), bytes);
        benchmark::DoNotOptimize(shown.data());
        benchmark::ClobberMemory();
    }
}

// The framework's own cost: a whole frame (screen watch, hit list, clear, present) of a program that
// draws nothing but its background must stay within twice the bare memset and memcpy.
void clearOnlyFrame(benchmark::State& state, int width, int height) {
    GameApp bare;
    startProgram(bare, width, height);
    for (auto _ : state) {
        bare.stepFrame(false);
        benchmark::ClobberMemory();
    }
    stopProgram();
    state.counters["goal"] = 2;
}

[[maybe_unused]] const bool registered = [] {
    for (const auto& [w, h] : {std::pair{176, 220}, {240, 320}, {320, 240}, {480, 640}}) {
        const std::string size = "/" + std::to_string(w) + "x" + std::to_string(h);
        benchmark::RegisterBenchmark(("Frame/BareMemsetMemcpy" + size).c_str(), bareMemsetMemcpy, w, h);
        benchmark::RegisterBenchmark(("Frame/ClearOnly" + size).c_str(), clearOnlyFrame, w, h);
        for (const Subject& subject : subjects) {
            benchmark::RegisterBenchmark(("Frame/" + std::string(subject.name) + size).c_str(), screenFrame,
                                         std::cref(subject), w, h);
        }
    }
    return true;
}();

}  // namespace
