#pragma once
// Whole-program tests of the front-end: a game object that derives from ArcadeGame as a real game
// does (artwork, sounds, a settings record of its own) and records what the front-end asks of it, run
// by the real main loop on a fresh headless backend with a data root of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "common/HeadlessProgramTest.h"
#include "frontend/ArcadeGame.h"
#include "game/Difficulty.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessBackend.h"
#include "render/DrawTarget.h"
#include "storage/DataFile.h"
#include "support/Sound.h"
#include "ui/HitList.h"

inline constexpr uint32_t keyG = 'G';  // the game's clock runs out (this test game's own key)
inline constexpr uint32_t keyM = 'M';  // the game's "Menu" choice

class TestArcade : public ArcadeGame {
public:
    TestArcade() {
        name = u"Vortellanox";
        iconId = 118;
    }

    // What the front-end asked of the game.
    int optionsShown = 0;
    int gameFrames = 0;
    std::vector<uint32_t> keysPassed;
    std::vector<int> practised;  // the first operands of the facts a practice from the review was given

    // What the game reports.
    int32_t difficultyIndex = 1;
    WString mode = u"Subtract (6)";
    int32_t finalScore = 0;  // score and level when keyG ends the game
    int32_t finalLevel = 1;
    uint8_t optionFlags[4] = {1, 1, 1, 1};

    // Steps run right after the front-end's frame with this number (counted from 1); the window is
    // closed after frame closeAfter, and a run that goes on fails instead of hanging.
    std::map<int, std::function<void()>> plan;
    int closeAfter = 60;
    int frames = 0;
    std::vector<int32_t> screensSeen;  // screen after each frame
    // The plans count frames, so the loop must not rest between them unless a test asks for it.
    bool restWhenStill = false;

    void buildGameUi() override {
        if (isNarrowScreen()) {
            loadArtwork(130, 120);
        } else {
            loadArtwork(107, 106);
        }
        loadSounds(111, 113);
    }
    void gameFrame() override { ++gameFrames; }
    void showGameOptions() override { ++optionsShown; }
    void practiseFacts(const std::vector<history::ReviewItem>& review) override {
        for (const history::ReviewItem& item : review) practised.push_back(item.first);
    }
    void difficultyName(WString& name) override {
        if (const char16_t* known = ::difficultyName(difficultyIndex)) name = known;
    }
    void modeText(WString& text) override { text = mode; }
    bool gameKeyDown(uint32_t key) override {
        keysPassed.push_back(key);
        if (key == keyG && isPlaying()) {
            score = finalScore;
            level = finalLevel;
            endGame();
        } else if (key == keyM) {
            returnToMenu();
        }
        return true;
    }
    int32_t exchangeGameSettings(DataFile& file) override {
        for (uint8_t& flag : optionFlags) file.exchangeBool(flag);
        file.exchangeInt(difficultyIndex);
        return 0;
    }

    bool isAnimating() override { return !restWhenStill || ArcadeGame::isAnimating(); }

    void updateAndDraw() override {
        ArcadeGame::updateAndDraw();
        ++frames;
        screensSeen.push_back(screen);
        if (auto step = plan.find(frames); step != plan.end()) step->second();
        if (frames == closeAfter) platform::headlessBackend()->pushMessage({platform::WM_CLOSE, 0, 0});
        if (frames > closeAfter + 100) {
            ADD_FAILURE() << "the program did not end";
            requestQuit();
        }
    }

    // The screens in the order they were shown, each once per visit.
    std::vector<int32_t> screenVisits() const {
        std::vector<int32_t> visits;
        for (int32_t shown : screensSeen)
            if (visits.empty() || visits.back() != shown) visits.push_back(shown);
        return visits;
    }

    // Press and release in the middle of a widget as it was last drawn.
    static void tap(Widget& widget) {
        platform::headlessBackend()->pushTap(widget.x + widget.getWidth() / 2, widget.y + widget.getHeight() / 2);
    }
    static void key(uint32_t code) { platform::headlessBackend()->pushKey(code); }
    // Queues each key right after the frame given with it.
    void pressAt(std::initializer_list<std::pair<int, uint32_t>> presses) {
        for (auto [frame, code] : presses) plan[frame] = [code] { key(code); };
    }
};

class FrontEndTest : public HeadlessProgramTest {
protected:
    // Forgets the files of earlier runs.
    void emptyDataRoot() const {
        for (const auto& entry : std::filesystem::directory_iterator(root)) std::filesystem::remove_all(entry.path());
    }

    static void run(TestArcade& game) { EXPECT_EQ(game.run(), 0); }
};

inline const std::string settingsFile = "settings.dat";
inline const std::string scoresFile = "My Documents/Brinmoor Arcade/Vortellanox/highscores.dat";

inline std::vector<int32_t> scoresOf(const ArcadeGame& game) {
    std::vector<int32_t> scores;
    for (int32_t row = 0; row < HighScoreRows; ++row) scores.push_back(game.highScores[row].entryScore);
    return scores;
}
