// Entering a finished game into the table of the five best.
#include "FrontEndFixture.h"

// Each old row carries level 100 + its row and the name "Easy", so the test sees where every row went.
TEST(HighScoreTable, NewerGamesRankFirstAmongEqualsAndTheLastRowFallsOff) {
    struct Case {
        const char* name;
        std::vector<int32_t> before;
        int32_t score;
        int32_t difficulty;
        std::vector<int32_t> scores, levels;
        const char16_t* newName;  // of the row the game went to, when it went in
    };
    const std::vector<Case> cases = {
        {"an equal score", {50, 40, 40, 10, 0}, 40, 2, {50, 40, 40, 40, 10}, {100, 7, 101, 102, 103}, u"Hard"},
        {"below all five", {50, 40, 40, 10, 5}, 4, 2, {50, 40, 40, 10, 5}, {100, 101, 102, 103, 104}, nullptr},
        {"nothing scored", {50, 0, 0, 0, 0}, 0, 1, {50, 0, 0, 0, 0}, {100, 7, 101, 102, 103}, u"Normal"},
        {"an unknown difficulty", {50, 40, 0, 0, 0}, 45, -1, {50, 45, 40, 0, 0}, {100, 7, 101, 102, 103}, u"Easy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestArcade game;
        for (int32_t row = 0; row < HighScoreRows; ++row) {
            game.highScores[row] = {u"spare", u"old", u"Easy", c.before[row], 100 + row};
        }
        game.score = c.score;
        game.level = 7;
        game.difficultyIndex = c.difficulty;
        game.mode = u" + ";
        game.recordScore();
        EXPECT_EQ(scoresOf(game), c.scores);
        EXPECT_EQ(scoresOf(game, &HighScoreEntry::entryLevel), c.levels);
        if (c.newName) {
            const HighScoreEntry& entry = game.highScores[1];
            EXPECT_EQ(entry.difficultyName, c.newName);
            EXPECT_EQ(entry.modeText, u" + ");
            EXPECT_EQ(entry.spareText, u"spare") << "left as the row had it";
            EXPECT_EQ(game.highScores[2].modeText, u"old");
        }
        EXPECT_EQ(game.highScores[HighScoreRows].entryScore, 0) << "the spare row is never used";
    }
}
