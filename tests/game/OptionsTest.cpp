// The game's options screen: its keys and taps, the start refused without an operation, the text the
// high-score table keeps, and the options in the settings file.
#include "GameFixture.h"
#include "storage/DataFile.h"

using OptionsTest = GameTest;

namespace {

struct Options {
    bool add, subtract, multiply, divide;
    int32_t difficulty;
    bool operator==(const Options&) const = default;
};

Options optionsOf(MathGame& game) {
    const ProblemGenerator& g = game.generator;
    return {g.addEnabled, g.subtractEnabled, g.multiplyEnabled, g.divideEnabled, game.difficulty()};
}

constexpr Options defaults{true, true, true, true, DifficultyNormal};

}  // namespace

// The front-end passes the keys its own options and high-score screens do not use on to the game; they
// must not change the game's options there, out of the player's sight.
TEST_F(OptionsTest, OptionKeysActOnlyOnTheGameScreen) {
    boot(240, 320);
    EXPECT_EQ(optionsOf(*game), defaults);
    key('2');  // the front-end's options screen
    for (uint32_t k : {'4', '5', '6', '7', '8'}) key(k);
    key('0');
    key('3');  // the high-score screen
    for (uint32_t k : {'6', '7', '8', 'X'}) key(k);
    key('0');
    frame();
    EXPECT_EQ(game->screen, ScreenMainMenu);
    EXPECT_EQ(optionsOf(*game), defaults);

    key('1');  // the game's options screen
    frame();
    for (uint32_t k : {'4', '5', '8'}) key(k);
    EXPECT_EQ(optionsOf(*game), (Options{false, true, true, false, DifficultyHard}));
    key('2');
    EXPECT_EQ(game->difficulty(), DifficultyEasy);
    key(platform::VK_ESCAPE);
    EXPECT_EQ(game->screen, ScreenMainMenu);
    EXPECT_TRUE(game->optionsShown) << "the next entry shows the options again";
}

TEST_F(OptionsTest, NoGameStartsWithoutAnOperation) {
    boot(240, 320);
    key('1');
    for (uint32_t k : {'5', '6', '7', '8'}) key(k);
    frame();
    key('1');
    tap(game->startButton);
    frames(3);
    EXPECT_TRUE(game->optionsShown);
    EXPECT_EQ(game->operationMask(), 0);

    tap(game->subtractBox);
    frames(2);
    ASSERT_TRUE(game->generator.subtractEnabled);
    WString mode;
    game->modeText(mode);
    EXPECT_EQ(mode, u"Subtract (6)");
    const size_t mark = soundMark();
    tap(game->startButton);
    frames(2);
    EXPECT_FALSE(game->optionsShown);
    EXPECT_EQ(soundsSince(mark), std::vector<int>{soundLevel});
    EXPECT_EQ(game->generator.current.op, OpSubtraction);
    EXPECT_EQ(game->generator.prepared.op, OpSubtraction);
}

TEST_F(OptionsTest, TapsChooseTheDifficultyAndLeaveForTheMenu) {
    boot(480, 640);
    key('1');
    frame();
    tap(game->difficultyRow.items[DifficultyHard]);
    frames(2);
    EXPECT_EQ(game->difficulty(), DifficultyHard);
    tap(game->addBox);
    frames(2);
    EXPECT_FALSE(game->generator.addEnabled);
    tap(game->menuButton);
    frames(2);
    EXPECT_EQ(game->screen, ScreenMainMenu);
}

TEST_F(OptionsTest, ModeTextAndMaskNameTheEnabledOperations) {
    MathGame mathGame;
    WString mode;
    mathGame.modeText(mode);
    EXPECT_EQ(mode, u" +  -  x  \x89 ");
    EXPECT_EQ(mathGame.operationMask(), 15);

    mathGame.generator.subtractEnabled = false;
    mathGame.generator.multiplyEnabled = false;
    mathGame.modeText(mode);
    EXPECT_EQ(mode, u" +  \x89 ");
    EXPECT_EQ(mathGame.operationMask(), 9);

    mathGame.generator.addEnabled = false;
    mathGame.modeText(mode);
    EXPECT_EQ(mode, u"Divide (8)");
    EXPECT_EQ(mathGame.operationMask(), 8);
}

TEST_F(OptionsTest, OptionsOutliveTheProgramAndDamagedOnesAreIgnored) {
    boot(240, 320);
    key('1');
    key('4');
    key('8');
    shutDown();

    boot(240, 320);
    EXPECT_EQ(optionsOf(*game), (Options{true, true, true, false, DifficultyHard}));
    shutDown();

    // A settings file edited by hand: flags that are not 1 read as cleared, a difficulty that names
    // none leaves the choice as it was.
    platform::setDataRoot(root.string());
    {
        DataFile file;
        WString name = u"Vortellanox";
        int32_t version = 100;
        ASSERT_TRUE(file.openWithHeader(u"settings.dat", name, version, 0));
        file.beginSection();
        for (uint8_t flag : {1, 5, 1, 0}) file.exchangeBool(flag);
        int32_t difficulty = 7;
        file.exchangeInt(difficulty);
        file.endSection();
        ASSERT_EQ(file.close(), 0);
    }
    boot(240, 320);
    EXPECT_EQ(optionsOf(*game), (Options{true, false, true, false, DifficultyNormal}));
}
