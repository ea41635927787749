// Entering a finished game into the table of the five best.
#include "FrontEndFixture.h"

namespace {

void fill(ArcadeGame& game, std::initializer_list<int32_t> scores) {
    int32_t row = 0;
    for (int32_t value : scores) {
        HighScoreEntry& entry = game.highScores[row];
        entry.entryScore = value;
        entry.entryLevel = 100 + row;  // marks where each old row went
        entry.difficultyName = u"Easy";
        entry.modeText = u"old " + std::u16string(1, static_cast<char16_t>(u'a' + row));
        entry.spareText = u"spare";
        ++row;
    }
}

std::vector<int32_t> levelsOf(const ArcadeGame& game) {
    std::vector<int32_t> levels;
    for (int32_t row = 0; row < HighScoreRows; ++row) levels.push_back(game.highScores[row].entryLevel);
    return levels;
}

}  // namespace

// The newer of equal scores ranks first; the rows below move down and the last falls off.
TEST(HighScoreTable, AnEqualScoreGoesAboveTheOldOne) {
    TestArcade game;
    fill(game, {50, 40, 40, 10, 0});
    game.score = 40;
    game.level = 7;
    game.difficultyIndex = 2;
    game.mode = u" + ";
    game.recordScore();
    EXPECT_EQ(scoresOf(game), (std::vector<int32_t>{50, 40, 40, 40, 10}));
    EXPECT_EQ(levelsOf(game), (std::vector<int32_t>{100, 7, 101, 102, 103}));
    EXPECT_EQ(game.highScores[1].difficultyName, u"Hard");
    EXPECT_EQ(game.highScores[1].modeText, u" + ");
    EXPECT_EQ(game.highScores[1].spareText, u"spare") << "left as the row had it";
    EXPECT_EQ(game.highScores[2].modeText, u"old b");
    EXPECT_EQ(game.highScores[4].modeText, u"old d");
    EXPECT_EQ(game.highScores[5].entryScore, 0) << "the spare row is never used";
}

TEST(HighScoreTable, AScoreBelowAllFiveChangesNothing) {
    TestArcade game;
    fill(game, {50, 40, 40, 10, 5});
    game.score = 4;
    game.recordScore();
    EXPECT_EQ(scoresOf(game), (std::vector<int32_t>{50, 40, 40, 10, 5}));
    EXPECT_EQ(levelsOf(game), (std::vector<int32_t>{100, 101, 102, 103, 104}));
}

// A game that ends with nothing scored takes the first empty row, which still reads as empty.
TEST(HighScoreTable, AScoreOfNothingFillsTheFirstEmptyRow) {
    TestArcade game;
    fill(game, {50, 0, 0, 0, 0});
    game.score = 0;
    game.level = 1;
    game.difficultyIndex = 0;
    game.recordScore();
    EXPECT_EQ(scoresOf(game), (std::vector<int32_t>{50, 0, 0, 0, 0}));
    EXPECT_EQ(levelsOf(game), (std::vector<int32_t>{100, 1, 101, 102, 103}));
    EXPECT_EQ(game.highScores[1].difficultyName, u"Easy");
}

// A difficulty the front-end has no name for leaves the row's own name in place.
TEST(HighScoreTable, AnUnknownDifficultyKeepsTheRowsName) {
    TestArcade game;
    fill(game, {50, 40});
    game.score = 45;
    game.difficultyIndex = -1;
    game.recordScore();
    EXPECT_EQ(scoresOf(game), (std::vector<int32_t>{50, 45, 40, 0, 0}));
    EXPECT_EQ(game.highScores[1].difficultyName, u"Easy");
}
