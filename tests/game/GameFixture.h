#pragma once
// Tests of the arithmetic game on the headless backend. The game object is started as the program
// starts it (window, frame buffer, onStart with the data files under a temporary root) and then driven
// frame by frame: queued messages are dispatched as the main loop dispatches them, each frame is the
// program's own stepFrame, and the virtual clock moves 25 ms after it, as the loop's sleep would.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/MathGame.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"
#include "render/DrawTarget.h"
#include "render/FrameBuffer.h"
#include "support/Random.h"
#include "ui/HitList.h"

inline constexpr uint32_t framePeriod = 25;
inline constexpr uint32_t starKey = 119;
inline constexpr uint32_t hashKey = 120;

inline constexpr int32_t soundRight = 108;
inline constexpr int32_t soundWrong = 110;
inline constexpr int32_t soundLevel = 112;
inline constexpr int32_t soundGameOver = 113;
inline constexpr int32_t soundTick = 114;
inline constexpr int32_t soundChallenge = 115;

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::pinFontFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        std::string pattern = (std::filesystem::temp_directory_path() / "vx-game-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        soundOn = true;
    }

    void TearDown() override {
        shutDown();
        clearHitList();
        setDrawTarget(nullptr, 0, 0);
        platform::resetHeadlessBackend();
        platform::setDataRoot("");
        platform::pinFontFile("");
        soundOn = true;
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    // A fresh backend and program on a screen of this size, showing its main menu.
    MathGame& boot(int width, int height) {
        shutDown();
        platform::LaunchOptions options;
        options.screenWidth = width;
        options.screenHeight = height;
        options.dataDir = root.string();
        backend = &platform::resetHeadlessBackend(options);
        platform::setDataRoot(root.string());
        soundOn = true;

        game = std::make_unique<MathGame>();
        seedRandom(7);
        game->width = width;
        game->height = height;
        EXPECT_TRUE(game->createMainWindow(game->name));
        game->frameBuffer = FrameBuffer::create(width, height);
        setDrawTarget(game->frameBuffer->pixels(), width, height);
        game->framePeriodMs = framePeriod;
        game->onStart();
        game->active = true;
        game->started = true;
        frame();
        return *game;
    }

    // Saves the files as the program does when it ends.
    void shutDown() {
        if (!game) return;
        game->onExit();
        game.reset();
    }

    // From the main menu through the game's options screen into play, at this difficulty.
    MathGame& startPlaying(int width, int height, int32_t difficulty = DifficultyNormal) {
        boot(width, height);
        key('1');
        frame();
        key(static_cast<uint32_t>('2' + difficulty));
        key('1');
        frame();
        EXPECT_FALSE(game->optionsShown);
        return *game;
    }

    void pump() {
        platform::Message message;
        while (platform::peekMessage(message)) {
            if (message.message == platform::WM_QUIT) break;
            platform::dispatchMessage(message);
        }
    }
    void frame() {
        pump();
        game->stepFrame(false);
        backend->advance(framePeriod);
    }
    void frames(int count) {
        for (int i = 0; i < count; ++i) frame();
    }
    void waitMs(uint32_t ms) { frames(static_cast<int>((ms + framePeriod - 1) / framePeriod)); }

    void key(uint32_t code) {
        backend->pushKey(code);
        pump();
    }
    void type(const std::string& digits) {
        for (char c : digits) key(static_cast<uint32_t>(c));
    }
    void tap(int x, int y) {
        backend->pushTap(x, y);
        pump();
    }
    // Press and release in the middle of a widget as it was last drawn.
    void tap(Widget& widget) { tap(widget.x + widget.getWidth() / 2, widget.y + widget.getHeight() / 2); }

    // Makes this the problem now posed, as if the generator had drawn it.
    void pose(int32_t first, uint16_t op, int32_t second) { game->generator.current = Problem{first, second, op}; }
    void typeRightAnswer() { type(std::to_string(game->generator.current.result())); }
    // Right answers until this problem of the current level is posed; anything typed before is cleared.
    void answerUpTo(int32_t number) {
        while (game->generator.problemNumber < number) {
            key(platform::VK_BACK);
            typeRightAnswer();
            frame();
        }
    }

    // The sounds played since the mark, leaving out the clock's ticks.
    size_t soundMark() const { return backend->sounds().size(); }
    std::vector<int> soundsSince(size_t mark) const {
        std::vector<int> ids;
        const auto& log = backend->sounds();
        for (size_t i = mark; i < log.size(); ++i) {
            if (log[i].id != soundTick) ids.push_back(log[i].id);
        }
        return ids;
    }

    // The presented frame's pixel, in the frame buffer's own 16-bit form.
    uint16_t pixel(int x, int y) const {
        return backend
            ->lastFrame()[static_cast<size_t>(y) * static_cast<size_t>(backend->frameWidth()) + static_cast<size_t>(x)];
    }
    // The left and right columns (inclusive) of the dark pixels inside rect; {-1, -1} when there are none.
    std::pair<int, int> darkColumns(const Rect& rect) const {
        std::pair<int, int> span{-1, -1};
        for (int y = std::max(0, rect.top); y < std::min(rect.bottom, backend->frameHeight()); ++y) {
            for (int x = std::max(0, rect.left); x < std::min(rect.right, backend->frameWidth()); ++x) {
                const Rgb colour = rgbFrom565(pixel(x, y));
                if (redOf(colour) + greenOf(colour) + blueOf(colour) >= 3 * 128) continue;
                if (span.first < 0 || x < span.first) span.first = x;
                span.second = std::max(span.second, x);
            }
        }
        return span;
    }
    int countPixels(const Rect& rect, Rgb colour) const {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) count += pixel(x, y) == rgbTo565(colour) ? 1 : 0;
        }
        return count;
    }

    bool isInHitList(const Widget& widget) const {
        for (int32_t i = 0; i < hitListCount(); ++i) {
            if (hitListEntry(i) == &widget) return true;
        }
        return false;
    }

    std::filesystem::path root;
    platform::HeadlessBackend* backend = nullptr;
    std::unique_ptr<MathGame> game;
};

inline const std::string settingsFile = "settings.dat";
inline const std::string scoresFile = "My Documents/Brinmoor Arcade/Vortellanox/highscores.dat";
