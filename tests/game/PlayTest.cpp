// Play on the headless clock: when answers are judged (each try as the history keeps it is the history
// tests' to check), what they score and do to the clock, the star and hash keys, the keypad, and a whole
// game to its end.
#include "GameFixture.h"

using PlayTest = GameTest;

TEST_F(PlayTest, AnswersAreJudgedByLengthAndScoredByTime) {
    startPlaying(240, 320);
    pose(7, OpAddition, 5);
    key('1');
    EXPECT_EQ(round().answer(), u"1") << "one digit of two: the player goes on typing";
    key('2');
    EXPECT_EQ(round().score(), 10);
    EXPECT_EQ(round().feedback(), u"12");
    EXPECT_EQ(newSounds(), std::vector<int>{art::rightAnswerSoundId});

    pose(3, OpAddition, 4);
    waitMs(500);
    key('8');
    EXPECT_EQ(newSounds(), std::vector<int>{art::wrongAnswerSoundId}) << "judged at once";

    pose(48, OpMultiplication, 25);
    type("120");
    key(platform::VK_NUMPAD0);  // NumLock makes the keypad's digits the digit keys
    EXPECT_EQ(round().score(), 18) << "1200 at its fourth digit; the wrong 8 cost three seconds";

    for (const auto& [ms, score] : {std::pair{3000, 26}, {15000, 27}}) {
        waitMs(ms);
        pose(2, OpAddition, 2);
        key('4');
        EXPECT_EQ(round().score(), score) << ms << " ms later: 8, then 1";
    }
    frame();
    EXPECT_EQ(game->score, round().score()) << "the front-end's counter follows";
}

TEST_F(PlayTest, TheDifficultySetsTheTimeBonusAndPenalty) {
    for (int32_t difficulty : {DifficultyEasy, DifficultyNormal, DifficultyHard}) {
        const DifficultySettings settings = difficultySettings(difficulty);
        startPlaying(240, 320, difficulty);
        game->round.clock().startClock(30, 60);
        pose(1, OpAddition, 1);
        key('2');
        EXPECT_EQ(round().clock().secondsLeft(), 30 + settings.timeBonus);
        pose(1, OpAddition, 1);
        key('5');
        EXPECT_EQ(round().clock().secondsLeft(), 30 + settings.timeBonus + settings.timePenalty);
    }
}

TEST_F(PlayTest, StarAndHashKeys) {
    startPlaying(240, 320);
    pose(7, OpAddition, 5);
    key('1');
    key(starKey);
    EXPECT_TRUE(round().answer().empty());
    EXPECT_FALSE(game->optionsShown());
    key(hashKey);
    EXPECT_EQ(problems().problemNumber(), 1) << "no challenge to skip";

    answerUntil(&ProblemGenerator::isChallenge);
    pose(48, OpMultiplication, 2);
    std::vector<JudgedAnswer> judged;
    game->round.onJudged = [&](const JudgedAnswer& answer) { judged.push_back(answer); };
    key('9');  // typed for the skipped problem, so cleared with it
    key(hashKey);
    key(hashKey);  // before the next frame: must not skip the new level's first problem
    ASSERT_EQ(judged.size(), 1u) << "one skip, judged once";
    EXPECT_EQ(std::tuple(judged[0].problem, judged[0].outcome, judged[0].typed, judged[0].typedDigits),
              std::tuple(Problem{48, 2, OpMultiplication}, Outcome::Skipped, 9, 1));
    EXPECT_EQ(std::tuple(round().level(), problems().problemNumber(), round().answer().size()), std::tuple(2, 1, 0u));
    EXPECT_EQ(newSounds().back(), art::startSoundId);

    key(starKey);
    EXPECT_TRUE(game->optionsShown());
    key('1');
    EXPECT_FALSE(game->optionsShown()) << "a new game";
    EXPECT_EQ(round().level(), 1);
}

TEST_F(PlayTest, KeypadTapsTypeAsTheDigitKeysDoAndLeftOverTapsDoNotActLater) {
    startPlaying(240, 320);
    pose(40, OpAddition, 2);
    tap(keyOf('4'));
    frame();
    EXPECT_EQ(round().answer(), u"4");
    tap(game->play.answerArea);
    frames(2);
    EXPECT_TRUE(round().answer().empty()) << "a touch on the problem clears the answer";

    pose(10, OpSubtraction, 0);
    tap(keyOf('1'));
    frame();
    tap(keyOf('0'));  // the long key
    frame();
    EXPECT_EQ(round().score(), 10);

    // A slow tap: typed when the stylus goes down, not again when it comes up.
    pose(40, OpAddition, 2);
    stylus(platform::WM_LBUTTONDOWN, keyOf('4'));
    frames(2);
    stylus(platform::WM_LBUTTONUP, keyOf('4'));
    frames(2);
    EXPECT_EQ(round().answer(), u"4");

    // A latch left on a widget whose screen has gone must not act when the widget is shown again.
    answerUntil(&ProblemGenerator::isChallenge);
    frame();
    stylus(platform::WM_LBUTTONDOWN, game->play.skipButton);
    pump();
    type(rightAnswer());
    stylus(platform::WM_LBUTTONUP, game->play.skipButton);
    frames(2);
    ASSERT_EQ(round().level(), 2);
    answerUntil(&ProblemGenerator::isChallenge);
    frames(2);
    EXPECT_TRUE(round().challengeShown()) << "level 2's challenge is not skipped";

    tap(game->play.softKeyBar.key(0));
    frames(2);
    EXPECT_TRUE(game->optionsShown()) << "Menu (*)";
}

// A whole game from the main menu: a level of right answers a tenth of a second apart (ten points each,
// sixty for the challenge), the clock running out, and the game-over screen. (Leaving that screen, and the
// table the next run finds, are the pad game's and the front-end's to check.)
TEST_F(PlayTest, AGameFromTheMainMenuToItsEnd) {
    startPlaying(240, 320);
    while (!problems().isChallengeNext()) waitMs(100), type(rightAnswer());
    frame();
    EXPECT_FALSE(round().challengeShown()) << "the last ordinary problem";
    type(rightAnswer());
    frame();
    ASSERT_TRUE(round().challengeShown());
    const std::string answer = rightAnswer();
    type(answer);
    type(answer);  // before the level advances: the answered challenge must not count twice
    EXPECT_EQ(round().score(), 160);
    frame();
    EXPECT_EQ(std::tuple(round().level(), problems().problemNumber(), problems().maxFirst), std::tuple(2, 1, 14));
    std::vector<int> expected(ProblemGenerator::OrdinaryProblems - 1, art::rightAnswerSoundId);
    expected.insert(expected.end(), {art::challengeSoundId, art::startSoundId});  // none for the last ordinary problem
    EXPECT_EQ(newSounds(), expected);

    game->round.clock().startClock(1, 60);
    waitMs(1000);
    EXPECT_FALSE(game->gameOver);
    frame();
    EXPECT_TRUE(game->gameOver) << "the clock shows 0";
    EXPECT_EQ(newSounds().back(), art::gameOverSoundId);
    Problem posed;
    EXPECT_FALSE(game->posedProblem(posed)) << "none for the runner's answer on the game-over screen";
}
