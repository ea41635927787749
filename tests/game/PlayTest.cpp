// Play on the headless clock: when answers are judged, what they score and do to the clock, the star
// and hash keys, the end of a level and of the game, and the keypad.
#include "GameFixture.h"

using PlayTest = GameTest;

TEST_F(PlayTest, AnswersAreJudgedByLengthAndScoredByTime) {
    startPlaying(240, 320);
    pose(7, OpAddition, 5);
    size_t mark = soundMark();
    key('1');
    EXPECT_EQ(game->answerText, u"1") << "one digit of two: the player goes on typing";
    key('2');
    EXPECT_EQ(game->score, 10);
    EXPECT_EQ(game->feedbackText, u"12");
    EXPECT_EQ(soundsSince(mark), std::vector<int>{soundRight});

    pose(3, OpAddition, 4);
    mark = soundMark();
    key('8');
    EXPECT_EQ(soundsSince(mark), std::vector<int>{soundWrong}) << "judged at once";
    EXPECT_EQ(game->generator.current, (Problem{3, 4, OpAddition})) << "a wrong answer keeps the problem";

    pose(48, OpMultiplication, 25);
    type("120");
    EXPECT_EQ(game->answerText, u"120");
    key(platform::VK_NUMPAD0);  // NumLock makes the keypad's digits the digit keys
    EXPECT_EQ(game->score, 18) << "1200 at its fourth digit; the wrong 8 cost three seconds";

    waitMs(3000);
    pose(2, OpAddition, 2);
    key('4');
    EXPECT_EQ(game->score, 26) << "3 seconds later: 8";
    waitMs(15000);
    pose(2, OpAddition, 3);
    key('5');
    EXPECT_EQ(game->score, 27) << "15 seconds later: 1";
    answerUpTo(11);
    const int32_t before = game->score;
    waitMs(5000);
    typeRightAnswer();
    EXPECT_EQ(game->score, before + 60) << "the challenge";
}

TEST_F(PlayTest, BonusAndPenaltyStopAtTheClocksEdges) {
    startPlaying(240, 320, DifficultyEasy);
    game->clock.startClock(58, 60);
    pose(1, OpAddition, 1);
    key('2');
    frame();
    EXPECT_EQ(game->clock.secondsLeft(), 60) << "not 62";

    startPlaying(240, 320, DifficultyHard);
    game->clock.startClock(3, 60);
    pose(1, OpAddition, 1);
    key('5');
    EXPECT_EQ(game->clock.secondsLeft(), 3) << "four seconds are more than are left";
    game->clock.startClock(5, 60);
    key('5');
    EXPECT_EQ(game->clock.secondsLeft(), 1);
}

TEST_F(PlayTest, StarAndHashKeys) {
    startPlaying(240, 320);
    pose(7, OpAddition, 5);
    key('1');
    key(starKey);
    EXPECT_TRUE(game->answerText.empty());
    EXPECT_FALSE(game->optionsShown);
    const size_t mark = soundMark();
    key(hashKey);
    EXPECT_EQ(game->generator.problemNumber, 1) << "no challenge to skip";

    answerUpTo(11);
    pose(48, OpMultiplication, 2);
    key('9');  // typed for the skipped problem, so cleared with it
    key(hashKey);
    key(hashKey);  // before the next frame: must not skip the new level's first problem
    EXPECT_EQ(game->level, 2);
    EXPECT_EQ(game->generator.problemNumber, 1);
    EXPECT_TRUE(game->answerText.empty());
    EXPECT_EQ(soundsSince(mark).back(), soundLevel);

    key(starKey);
    EXPECT_TRUE(game->optionsShown);
    key('1');
    EXPECT_FALSE(game->optionsShown) << "a new game";
    EXPECT_EQ(game->level, 1);
}

TEST_F(PlayTest, TheLevelEndsWithTheChallengeAndTheGameWithTheClock) {
    startPlaying(240, 320);
    answerUpTo(10);
    size_t mark = soundMark();
    typeRightAnswer();
    EXPECT_EQ(soundsSince(mark), std::vector<int>{soundChallenge}) << "and no 108 for the tenth problem";
    frame();
    ASSERT_TRUE(game->challengeActive);

    mark = soundMark();
    const int32_t score = game->score;
    const std::string answer = std::to_string(game->generator.current.result());
    type(answer);
    type(answer);  // before the level advances: the answered challenge must not count twice
    EXPECT_EQ(game->score, score + 60);
    EXPECT_TRUE(soundsSince(mark).empty());
    frame();
    EXPECT_EQ(soundsSince(mark), std::vector<int>{soundLevel});
    EXPECT_EQ(game->level, 2);
    EXPECT_EQ(game->generator.problemNumber, 1);
    EXPECT_EQ(game->generator.maxFirst, 14);

    game->clock.startClock(1, 60);
    mark = soundMark();
    waitMs(1000);
    EXPECT_FALSE(game->gameOver);
    frame();
    EXPECT_TRUE(game->gameOver) << "the clock shows 0";
    EXPECT_EQ(soundsSince(mark), std::vector<int>{soundGameOver});
    key('5');  // dismisses the game-over screen and goes no further
    EXPECT_TRUE(game->optionsShown);
    EXPECT_TRUE(game->generator.addEnabled);
}

TEST_F(PlayTest, KeypadTapsTypeAsTheDigitKeysDo) {
    for (const auto& [w, h] : {std::pair{240, 320}, std::pair{320, 240}}) {
        SCOPED_TRACE(w);
        startPlaying(w, h);
        const auto tapDigit = [&](char16_t digit) {
            for (Button& k : game->keypad.keys) {
                if (!k.text.empty() && k.text.front() == digit) {
                    tap(k);
                    break;
                }
            }
            frame();
        };
        pose(40, OpAddition, 2);
        tapDigit(u'4');
        EXPECT_EQ(game->answerText, u"4");
        tap(game->answerArea);
        frames(2);
        EXPECT_TRUE(game->answerText.empty()) << "a touch on the problem clears the answer";

        pose(10, OpSubtraction, 0);
        tapDigit(u'1');
        tapDigit(u'0');  // the long key
        EXPECT_EQ(game->score, 10);

        // A slow tap: typed when the stylus goes down, not again when it comes up.
        pose(40, OpAddition, 2);
        Button& four = game->keypad.keys[w > h ? 3 : 4];
        const int32_t at = platform::makePointLParam(four.x + 2, four.y + 2);
        backend->pushMessage({platform::WM_LBUTTONDOWN, 1, at});
        frames(2);
        backend->pushMessage({platform::WM_LBUTTONUP, 0, at});
        frames(2);
        EXPECT_EQ(game->answerText, u"4");

        tap(game->softKeyBar.key(0));
        frames(2);
        EXPECT_TRUE(game->optionsShown) << "Menu (*)";
    }
}

// A latch left on a widget whose screen has gone must not act when the widget is shown again.
TEST_F(PlayTest, LeftOverTapsDoNotActLater) {
    startPlaying(240, 320);
    answerUpTo(11);
    frame();
    Button& skip = game->skipButton;
    const int32_t at = platform::makePointLParam(skip.x + 5, skip.y + 5);
    backend->pushMessage({platform::WM_LBUTTONDOWN, 1, at});
    pump();
    typeRightAnswer();
    backend->pushMessage({platform::WM_LBUTTONUP, 0, at});
    frames(2);
    ASSERT_EQ(game->level, 2);
    answerUpTo(11);
    frames(2);
    EXPECT_TRUE(game->challengeActive) << "level 2's challenge is not skipped";
}
