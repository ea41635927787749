#pragma once
// Whole-program tests of the front-end: a game object that derives from ArcadeGame as a real game
// does (artwork, sounds, a settings record of its own) and records what the front-end asks of it, on a
// fresh headless backend with a data root of its own, driven by the tests' one driver.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/HeadlessProgramTest.h"
#include "common/ProgramDriver.h"
#include "frontend/ArcadeGame.h"
#include "game/Difficulty.h"
#include "storage/DataFile.h"

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

    std::vector<int32_t> screensSeen;  // the screen of each frame drawn

    void buildGameUi() override {
        isNarrowScreen() ? loadArtwork(130, 120) : loadArtwork(107, 106);
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

    void updateAndDraw() override {
        ArcadeGame::updateAndDraw();
        screensSeen.push_back(screen);
    }

    // The screens in the order they were shown, each once per visit.
    std::vector<int32_t> screenVisits() const {
        std::vector<int32_t> visits;
        for (int32_t shown : screensSeen)
            if (visits.empty() || visits.back() != shown) visits.push_back(shown);
        return visits;
    }
};

class FrontEndTest : public ProgramTest<TestArcade> {
protected:
    // Forgets the files of earlier runs.
    void emptyDataRoot() const {
        for (const auto& entry : std::filesystem::directory_iterator(root)) std::filesystem::remove_all(entry.path());
    }
};

inline const std::string settingsFile = "settings.dat";
inline const std::string scoresFile = "My Documents/Brinmoor Arcade/Vortellanox/highscores.dat";

// One column of the table of the five best, top to bottom (the scores unless told).
inline std::vector<int32_t> scoresOf(const ArcadeGame& game,
                                     int32_t HighScoreEntry::*column = &HighScoreEntry::entryScore) {
    std::vector<int32_t> values;
    for (int32_t row = 0; row < HighScoreRows; ++row) values.push_back(game.highScores[row].*column);
    return values;
}
