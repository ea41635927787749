// Whole games through the program's own main loop and the headless runner's script commands, from the
// main menu to the game-over screen and into the high-score table, with the files checked afterwards.
#include "GameFixture.h"
#include "storage/DataFile.h"

namespace {

using WholeGameTest = GameTest;

std::vector<platform::ScriptCommand> script(const std::string& text) {
    std::vector<platform::ScriptCommand> commands;
    std::string error;
    EXPECT_TRUE(platform::parseScript(text, commands, error)) << error;
    return commands;
}

// Runs the program to its end on a fresh headless backend with this script and the test's data root.
void runScript(MathGame& game, const std::string& text, const std::filesystem::path& root,
               platform::HeadlessBackend*& backend) {
    platform::LaunchOptions options;
    options.screenWidth = 240;
    options.screenHeight = 320;
    options.dataDir = root.string();
    options.minute = 7;
    backend = &platform::resetHeadlessBackend(options);
    platform::setDataRoot(root.string());
    backend->setScript(script(text));
    EXPECT_EQ(game.run(), 0);
}

const WString allOperations = u" +  -  x  \x89 ";

}  // namespace

TEST_F(WholeGameTest, AGameFromTheMainMenuIntoTheHighScoreTable) {
    std::string text =
        "wait 100\n"
        "key 49\n"  // Play: the game's options screen
        "wait 100\n"
        "key 49\n"  // Start (1)
        "wait 100\n";
    // Ten problems and the challenge, each answered a tenth of a second after the last: ten points each
    // and sixty for the challenge.
    for (int i = 0; i < 11; ++i) text += "answer\nwait 100\n";
    text +=
        "wait 70000\n"  // the clock runs out
        "key 48\n"      // OK (0): the result goes into the table and the options come back
        "wait 100\n"
        "key 48\n"  // Menu (0)
        "wait 100\n"
        "key 51\n"  // Highscores (3)
        "wait 100\n"
        "close\n";
    {
        MathGame game;
        runScript(game, text, root, backend);
        EXPECT_EQ(game.screen, ScreenHighScores);
        EXPECT_EQ(game.score, 160);
        EXPECT_EQ(game.level, 2);
        EXPECT_EQ(game.highScores[0].entryScore, 160);
        EXPECT_EQ(game.highScores[0].entryLevel, 2);
        EXPECT_EQ(game.highScores[0].difficultyName, u"Normal");
        EXPECT_EQ(game.highScores[0].modeText, allOperations);
        EXPECT_EQ(game.highScores[1].entryScore, 0);

        std::vector<int> ids;
        for (const platform::SoundEvent& sound : backend->sounds()) {
            if (sound.id != soundTick) ids.push_back(sound.id);
        }
        std::vector<int> expected{soundLevel};
        expected.insert(expected.end(), 9, soundRight);
        expected.insert(expected.end(), {soundChallenge, soundLevel, soundGameOver});
        EXPECT_EQ(ids, expected);
    }

    ASSERT_TRUE(std::filesystem::exists(root / settingsFile));
    ASSERT_TRUE(std::filesystem::exists(root / scoresFile));
    {
        DataFile file;
        WString name;
        int32_t version = 0;
        ASSERT_TRUE(file.openWithHeader(u"\\My Documents\\Brinmoor Arcade\\Vortellanox\\highscores.dat", name, version,
                                        1, DiskForm::Inverted));
        EXPECT_EQ(name, u"Vortellanox");
        WString spare, difficultyName, mode;
        int32_t score = 0;
        int32_t level = 0;
        file.exchangeString(spare);
        file.exchangeString(difficultyName);
        file.exchangeString(mode);
        file.exchangeInt(score);
        file.exchangeInt(level);
        EXPECT_EQ(difficultyName, u"Normal");
        EXPECT_EQ(mode, allOperations);
        EXPECT_EQ(score, 160);
        EXPECT_EQ(level, 2);
    }

    // The next run finds the table and the options as they were left.
    MathGame next;
    runScript(next, "key 49\nwait 100\nkey 52\nwait 100\nclose\n", root, backend);
    EXPECT_EQ(next.highScores[0].entryScore, 160);
    EXPECT_EQ(next.difficulty(), DifficultyHard);
    MathGame third;
    runScript(third, "wait 100\nclose\n", root, backend);
    EXPECT_EQ(third.difficulty(), DifficultyHard);
}

// The runner's "answer" command needs a posed problem; a script that asks for one on the options
// screen fails instead of typing anything.
TEST_F(WholeGameTest, AnswerOutsidePlayFailsTheScript) {
    MathGame game;
    runScript(game, "key 49\nwait 100\nanswer\nwait 100\nclose\n", root, backend);
    EXPECT_EQ(platform::shutdown(), 2);
    EXPECT_TRUE(game.optionsShown);
    EXPECT_EQ(game.difficulty(), DifficultyNormal);
}
