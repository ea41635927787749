// The game's options screen: keys only where it is shown, no start without an operation, the text the
// high-score table keeps, and the options in the settings file.
#include "GameFixture.h"
#include "storage/DataFile.h"

using OptionsTest = GameTest;

namespace {

// Add, subtract, multiply, divide as 1, 2, 4, 8, then the difficulty.
std::pair<int, int32_t> optionsOf(const MathGame& game) {
    const OperationSet& chosen = game.options.operations();
    return {chosen.add * 1 + chosen.subtract * 2 + chosen.multiply * 4 + chosen.divide * 8, game.difficulty()};
}

}  // namespace

// The front-end passes on the keys its own options and high-score screens do not use; they must not
// change the game's options out of the player's sight.
TEST_F(OptionsTest, OptionKeysActOnlyOnTheGameScreen) {
    boot(240, 320);
    type("2458036780");
    EXPECT_EQ(optionsOf(*game), std::pair(15, DifficultyNormal));

    type("1458");
    EXPECT_EQ(optionsOf(*game), std::pair(6, DifficultyHard));
    key(platform::VK_ESCAPE);
    EXPECT_EQ(game->screen, ScreenMainMenu);
    EXPECT_TRUE(game->optionsShown()) << "the next entry shows the options again";
}

TEST_F(OptionsTest, NoGameStartsWithoutAnOperation) {
    boot(240, 320);
    type("156781");
    frame();
    tap(game->options.startButton);
    frames(2);
    EXPECT_TRUE(game->optionsShown());

    tap(game->options.subtractBox);
    tap(game->options.difficultyRow.items[DifficultyEasy]);
    frames(2);
    EXPECT_EQ(optionsOf(*game), std::pair(2, DifficultyEasy));
    WString mode;
    game->modeText(mode);
    EXPECT_EQ(mode, u"Subtract (6)");
    tap(game->options.startButton);
    frames(2);
    EXPECT_FALSE(game->optionsShown());
    EXPECT_EQ(problems().current.op, OpSubtraction);
}

TEST_F(OptionsTest, OptionsOutliveTheProgramAndDamagedOnesAreIgnored) {
    boot(240, 320);
    type("148");
    boot(240, 320);
    EXPECT_EQ(optionsOf(*game), std::pair(7, DifficultyHard));
    shutDown();

    // Edited by hand: flags that are not 1 read as cleared; a difficulty that names none is not taken.
    DataFile file;
    WString name = u"Vortellanox";
    int32_t version = 100;
    ASSERT_TRUE(file.openWithHeader(u"settings.dat", name, version, FileMode::Write));
    file.beginSection();
    for (uint8_t flag : {1, 5, 1, 0}) file.exchangeBool(flag);
    int32_t difficulty = 7;
    file.exchangeInt(difficulty);
    file.endSection();
    ASSERT_EQ(file.close(), 0);
    boot(240, 320);
    EXPECT_EQ(optionsOf(*game), std::pair(5, DifficultyNormal));
}
