// A whole game through the program's own main loop and the headless runner's script commands, from the
// main menu to the game-over screen and into the high-score table, with the files checked afterwards.
#include "GameFixture.h"
#include "common/ScriptRun.h"
#include "storage/DataFile.h"

namespace {

class WholeGameTest : public GameTest {
protected:
    // Runs a fresh program to its end with this script on a 240 x 320 screen and the test's data root.
    void runScript(MathGame& program, const std::string& text) {
        backend = &useScreen(240, 320, 7);
        ::runScript(program, text);
    }
};

const WString allOperations = u" +  -  x  \x89 ";

}  // namespace

TEST_F(WholeGameTest, AGameFromTheMainMenuIntoTheHighScoreTable) {
    // Play, Start; ten problems and the challenge, each answered a tenth of a second after the last
    // (ten points each and sixty); the clock runs out; OK records the result; Menu; Highscores.
    std::string text = "key 49\nwait 100\nkey 49\nwait 100\n";
    for (int i = 0; i < 11; ++i) text += "answer\nwait 100\n";
    text += "wait 70000\nkey 48\nwait 100\nkey 48\nwait 100\nkey 51\nwait 100\nclose\n";
    {
        MathGame program;
        runScript(program, text);
        EXPECT_EQ(program.screen, ScreenHighScores);
        const HighScoreEntry& best = program.highScores[0];
        EXPECT_EQ(best.entryScore, 160);
        EXPECT_EQ(best.entryLevel, 2);
        EXPECT_EQ(best.difficultyName, u"Normal");
        EXPECT_EQ(best.modeText, allOperations);
        std::vector<int> expected{soundLevel};
        expected.insert(expected.end(), 9, soundRight);
        expected.insert(expected.end(), {soundChallenge, soundLevel, soundGameOver});
        EXPECT_EQ(soundsSince(0), expected);
    }

    DataFile file;
    WString name, spare, difficultyName, mode;
    int32_t version = 0, score = 0, level = 0;
    ASSERT_TRUE(file.openWithHeader(u"\\My Documents\\Brinmoor Arcade\\Vortellanox\\highscores.dat", name, version, 1,
                                    DiskForm::Inverted));
    for (WString* text : {&spare, &difficultyName, &mode}) file.exchangeString(*text);
    file.exchangeInt(score);
    file.exchangeInt(level);
    EXPECT_EQ(name, u"Vortellanox");
    EXPECT_EQ(difficultyName, u"Normal");
    EXPECT_EQ(mode, allOperations);
    EXPECT_EQ(std::pair(score, level), std::pair(160, 2));
    file.close();

    // The next run finds the table as it was left; a difficulty chosen there is kept for the one after.
    MathGame next;
    runScript(next, "key 49\nwait 100\nkey 52\nwait 100\nclose\n");
    EXPECT_EQ(next.highScores[0].entryScore, 160);
    MathGame third;
    runScript(third, "close\n");
    EXPECT_EQ(third.difficulty(), DifficultyHard);
}

// The runner's "answer" needs a posed problem; asked on the options screen it fails the script.
TEST_F(WholeGameTest, AnswerOutsidePlayFailsTheScript) {
    MathGame program;
    runScript(program, "key 49\nwait 100\nanswer\nwait 100\nclose\n");
    EXPECT_EQ(platform::shutdown(), 2);
    EXPECT_TRUE(program.optionsShown);
}
