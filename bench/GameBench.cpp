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
#include <vector>

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

enum class Subject { MainMenu, Options, HighScores, GameOver, GameOptions, Play, PlayTyped, Challenge };

struct NamedSubject {
    const char* name;
    Subject subject;
};

constexpr NamedSubject subjects[] = {{"MainMenu", Subject::MainMenu},       {"Options", Subject::Options},
                                     {"HighScores", Subject::HighScores},   {"GameOver", Subject::GameOver},
                                     {"GameOptions", Subject::GameOptions}, {"Play", Subject::Play},
                                     {"PlayTyped", Subject::PlayTyped},     {"Challenge", Subject::Challenge}};

struct ScreenSize {
    int width;
    int height;
};

constexpr ScreenSize sizes[] = {{176, 220}, {240, 320}, {320, 240}, {480, 640}};

constexpr double frameGoal = 25;  // times the floor

// The program as it runs after start-up, on a headless screen of the given size. Its data root is an
// empty folder, so no player's files are read, and it is never told to exit, so none are written.
class RunningProgram {
public:
    RunningProgram(int width, int height) {
        platform::LaunchOptions options;
        options.screenWidth = width;
        options.screenHeight = height;
        platform::resetHeadlessBackend(options);
        platform::setDataRoot((std::filesystem::temp_directory_path() / "vx-bench-no-files").string());
        seedRandom(7);
        game.width = width;
        game.height = height;
        game.createMainWindow(game.name);
        game.frameBuffer = FrameBuffer::create(width, height);
        setDrawTarget(game.frameBuffer->pixels(), width, height);
        game.onStart();
        game.active = true;
        game.started = true;
    }
    ~RunningProgram() {
        clearHitList();
        setDrawTarget(nullptr, 0, 0);
        platform::setDataRoot("");
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    void show(Subject subject) {
        switch (subject) {
            case Subject::MainMenu:
                game.screen = ScreenMainMenu;
                break;
            case Subject::Options:
                game.screen = ScreenOptions;
                break;
            case Subject::HighScores:
                game.screen = ScreenHighScores;
                game.highScores[0] = HighScoreEntry{u"", u" +  -  x  \x89 ", u"Normal", 160, 2};
                break;
            case Subject::GameOver:
                game.screen = ScreenGame;
                game.score = 160;
                game.gameOver = true;
                break;
            case Subject::GameOptions:
                game.screen = ScreenGame;
                game.showGameOptions();
                break;
            default:
                showPlay(subject);
                break;
        }
        // The glyphs of every text on the screen are cached after the first frames, as in a game.
        for (int i = 0; i < 4; ++i) game.stepFrame(false);
    }

    MathGame game;

private:
    void showPlay(Subject subject) {
        game.screen = ScreenGame;
        game.startRound();
        game.optionsShown = false;
        if (subject == Subject::Challenge) {
            while (game.generator.problemNumber < game.generator.problemsPerLevel) {
                for (char16_t digit : std::to_string(game.generator.current.result())) game.typeDigit(digit);
            }
            game.clock.startClock(4, 60);  // the lights blink under 5 seconds
            return;
        }
        game.generator.current = Problem{48, 25, OpMultiplication};
        game.feedbackText = u"1175";
        if (subject == Subject::PlayTyped) game.answerText = u"12";
    }
};

void screenFrame(benchmark::State& state, Subject subject, int width, int height) {
    RunningProgram program(width, height);
    program.show(subject);
    MathGame& game = program.game;
    for (auto _ : state) {
        game.feedbackFade = MathGame::FeedbackStart;  // a right answer keeps fading in every frame
        game.stepFrame(false);
        benchmark::ClobberMemory();
    }
    state.counters["goal"] = frameGoal;
}

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
    platform::LaunchOptions options;
    options.screenWidth = width;
    options.screenHeight = height;
    platform::resetHeadlessBackend(options);
    GameApp bare;
    bare.width = width;
    bare.height = height;
    bare.createMainWindow(u"Bare");
    bare.frameBuffer = FrameBuffer::create(width, height);
    setDrawTarget(bare.frameBuffer->pixels(), width, height);
    bare.active = true;
    bare.started = true;
    for (auto _ : state) {
        bare.stepFrame(false);
        benchmark::ClobberMemory();
    }
    setDrawTarget(nullptr, 0, 0);
    state.counters["goal"] = 2;
}

std::string benchmarkName(const char* subject, const ScreenSize& size) {
    std::string name = "Frame/";
    name += subject;
    name += '/';
    name += std::to_string(size.width);
    name += 'x';
    name += std::to_string(size.height);
    return name;
}

[[maybe_unused]] const bool registered = [] {
    for (const ScreenSize& size : sizes) {
        benchmark::RegisterBenchmark(benchmarkName("BareMemsetMemcpy", size).c_str(), bareMemsetMemcpy, size.width,
                                     size.height);
        benchmark::RegisterBenchmark(benchmarkName("ClearOnly", size).c_str(), clearOnlyFrame, size.width, size.height);
        for (const NamedSubject& named : subjects) {
            benchmark::RegisterBenchmark(benchmarkName(named.name, size).c_str(), screenFrame, named.subject,
                                         size.width, size.height);
        }
    }
    return true;
}();

}  // namespace
