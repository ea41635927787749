// Play on the headless clock: when answers are judged, what they score, what they do to the clock,
// the star and hash keys, the level's end and its sounds.
#include "GameFixture.h"

using PlayTest = GameTest;

TEST_F(PlayTest, AnswersAreJudgedWhenTheyAreAsLongAsTheResult) {
    startPlaying(240, 320);
    pose(7, OpAddition, 5);
    size_t mark = soundMark();
    key('1');
    EXPECT_EQ(game->answerText, u"1") << "one digit of two: the player goes on typing";
    EXPECT_TRUE(soundsSince(mark).empty());
    key('2');
    EXPECT_EQ(game->score, 10);
    EXPECT_EQ(soundsSince(mark), std::vector<int>{soundRight});
    EXPECT_EQ(game->feedbackText, u"12");
    EXPECT_EQ(game->generator.problemNumber, 2);

    pose(3, OpAddition, 4);
    mark = soundMark();
    key('8');
    EXPECT_EQ(soundsSince(mark), std::vector<int>{soundWrong}) << "a one-digit result is judged at the first key";
    EXPECT_TRUE(game->answerText.empty());
    EXPECT_EQ(game->generator.current, (Problem{3, 4, OpAddition})) << "a wrong answer keeps the problem";
    EXPECT_EQ(game->score, 10);

    pose(48, OpMultiplication, 25);
    type("120");
    EXPECT_EQ(game->answerText, u"120");
    key('0');
    EXPECT_EQ(game->score, 18) << "1200 is judged at its fourth digit; the wrong 8 cost 3 seconds";

    pose(35, OpDivision, 7);
    key(platform::VK_NUMPAD0 + 5);  // the keypad's digits count once NumLock turns them into digits
    EXPECT_EQ(game->score, 28);
}

TEST_F(PlayTest, PointsFallWithEachSecondSinceTheLastRightAnswer) {
    startPlaying(240, 320);
    waitMs(3000);
    pose(2, OpAddition, 2);
    key('4');
    EXPECT_EQ(game->score, 8) << "3 seconds";

    waitMs(15000);
    pose(2, OpAddition, 3);
    key('5');
    EXPECT_EQ(game->score, 9) << "15 seconds score 1";

    // A wrong answer costs time and so points as well.
    pose(2, OpAddition, 4);
    key('1');
    pose(2, OpAddition, 4);
    key('6');
    EXPECT_EQ(game->score, 9 + 8) << "three seconds of penalty at Normal";

    answerUpTo(11);
    ASSERT_TRUE(game->challengeActive);
    const int32_t before = game->score;
    waitMs(10000);
    typeRightAnswer();
    EXPECT_EQ(game->score, before + 60) << "the challenge scores 60 however long it took";
}

TEST_F(PlayTest, BonusAndPenaltyStopAtTheClocksEdges) {
    {
        SCOPED_TRACE("Easy: a bonus never fills the clock beyond 60 seconds");
        startPlaying(240, 320, DifficultyEasy);
        game->clock.startClock(58, 60);
        pose(1, OpAddition, 1);
        key('2');
        EXPECT_EQ(game->clock.secondsLeft(), 60);
        frame();
        EXPECT_EQ(game->clock.secondsLeft(), 60);
        EXPECT_EQ(game->scoreTimeMark, 60);
    }
    {
        SCOPED_TRACE("Hard: a penalty larger than the time left is not applied");
        startPlaying(240, 320, DifficultyHard);
        game->clock.startClock(3, 60);
        pose(1, OpAddition, 1);
        key('5');
        EXPECT_EQ(game->clock.secondsLeft(), 3);
        game->clock.startClock(5, 60);
        key('5');
        EXPECT_EQ(game->clock.secondsLeft(), 1);
    }
}

TEST_F(PlayTest, StarClearsTheAnswerThenOpensTheOptions) {
    startPlaying(240, 320);
    pose(7, OpAddition, 5);
    key('1');
    key(starKey);
    EXPECT_TRUE(game->answerText.empty());
    EXPECT_FALSE(game->optionsShown);
    type("9");
    key(platform::VK_BACK);
    EXPECT_TRUE(game->answerText.empty());
    key(starKey);
    EXPECT_TRUE(game->optionsShown);
    frame();
    EXPECT_TRUE(isInHitList(game->startButton)) << "the options screen is drawn";

    // Digits now choose options instead of answering; "1" starts a new game.
    key('1');
    EXPECT_FALSE(game->optionsShown);
    EXPECT_EQ(game->score, 0);
    EXPECT_EQ(game->generator.problemNumber, 1);
}

TEST_F(PlayTest, HashSkipsOnlyTheChallenge) {
    startPlaying(240, 320);
    answerUpTo(3);
    size_t mark = soundMark();
    key(hashKey);
    EXPECT_EQ(game->generator.problemNumber, 3);
    EXPECT_EQ(game->level, 1);
    EXPECT_TRUE(soundsSince(mark).empty());

    answerUpTo(11);
    frame();
    ASSERT_TRUE(game->challengeActive);
    const int32_t score = game->score;
    mark = soundMark();
    pose(48, OpMultiplication, 2);
    key('9');  // a digit typed for the skipped problem must not count for the next
    key(hashKey);
    key(hashKey);  // the second, before any frame, must not skip the new level's first problem
    EXPECT_EQ(game->level, 2);
    EXPECT_EQ(game->generator.problemNumber, 1);
    EXPECT_TRUE(game->answerText.empty());
    EXPECT_EQ(game->score, score);
    EXPECT_EQ(soundsSince(mark), std::vector<int>{soundLevel});
}

TEST_F(PlayTest, TheLevelEndsWithTheChallengeAndItsSounds) {
    startPlaying(240, 320);
    answerUpTo(10);
    EXPECT_EQ(game->generator.problemNumber, 10);
    size_t mark = soundMark();
    typeRightAnswer();
    EXPECT_EQ(soundsSince(mark), std::vector<int>{soundChallenge}) << "no 108 for the tenth problem";
    EXPECT_EQ(game->generator.problemNumber, 11);
    frame();
    EXPECT_TRUE(game->challengeActive);

    mark = soundMark();
    const int32_t score = game->score;
    const Problem challenge = game->generator.current;
    typeRightAnswer();
    EXPECT_EQ(game->score, score + 60);
    EXPECT_TRUE(soundsSince(mark).empty()) << "the level sound comes with the advance";
    // Typed before the next frame: the answered challenge must not score a second time.
    type(std::to_string(challenge.result()));
    EXPECT_EQ(game->score, score + 60);
    frame();
    EXPECT_EQ(soundsSince(mark), std::vector<int>{soundLevel});
    EXPECT_EQ(game->level, 2);
    EXPECT_EQ(game->generator.problemNumber, 1);
    EXPECT_FALSE(game->challengeActive);
    EXPECT_EQ(game->generator.maxFirst, 14) << "Normal widens the first range by 4";
}

TEST_F(PlayTest, TheGameEndsWhenTheClockShowsZero) {
    startPlaying(240, 320);
    game->clock.startClock(1, 60);
    const size_t mark = soundMark();
    waitMs(950);
    EXPECT_FALSE(game->gameOver);
    waitMs(100);
    EXPECT_TRUE(game->gameOver);
    EXPECT_EQ(soundsSince(mark), std::vector<int>{soundGameOver});
    frame();
    EXPECT_FALSE(isInHitList(game->softKeyBar.key(0))) << "the front-end's game-over screen has taken over";

    // A key dismisses it into the options screen, with the result recorded.
    key('5');
    EXPECT_TRUE(game->optionsShown);
    EXPECT_TRUE(game->generator.addEnabled) << "the dismissing key does not reach the options";
}

TEST_F(PlayTest, TheKeypadTypesAsTheDigitKeysDo) {
    for (const auto& [w, h] : {std::pair{240, 320}, std::pair{320, 240}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        startPlaying(w, h);
        ASSERT_TRUE(game->currentLayout().keypadShown);
        const auto keyLabelled = [&](char16_t digit) -> Button& {
            for (Button& k : game->keypad.keys) {
                if (!k.text.empty() && k.text.front() == digit) return k;
            }
            return game->keypad.keys[0];
        };
        pose(40, OpAddition, 2);
        tap(keyLabelled(u'4'));
        frame();
        EXPECT_EQ(game->answerText, u"4");
        // A touch on the problem clears what was typed.
        const Rect area = game->currentLayout().problemArea;
        tap(area.left + 2, area.top + 2);
        frames(2);
        EXPECT_TRUE(game->answerText.empty());

        tap(keyLabelled(u'4'));
        frame();
        tap(keyLabelled(u'2'));
        frame();
        EXPECT_EQ(game->score, 10);
        pose(10, OpSubtraction, 0);
        tap(keyLabelled(u'1'));
        frame();
        tap(keyLabelled(u'0'));  // the tall key in portrait, the wide one in landscape
        frame();
        EXPECT_EQ(game->score, 20);

        // "Menu (*)" leaves play for the options screen.
        tap(game->softKeyBar.key(0));
        frames(2);
        EXPECT_TRUE(game->optionsShown);
    }
}

// A latch set on a widget whose screen has gone must not act when a later screen shows it again.
TEST_F(PlayTest, LeftOverTapsDoNotActLater) {
    startPlaying(240, 320);
    answerUpTo(11);
    frame();
    ASSERT_TRUE(game->challengeActive);
    // The stylus is put on "Skip (#)", the answer is typed, and the stylus lifted.
    Button& skip = game->skipButton;
    const int x = skip.x + skip.getWidth() / 2;
    const int y = skip.y + skip.getHeight() / 2;
    backend->pushMessage({platform::WM_LBUTTONDOWN, 1, platform::makePointLParam(x, y)});
    pump();
    typeRightAnswer();
    backend->pushMessage({platform::WM_LBUTTONUP, 0, platform::makePointLParam(x, y)});
    frames(2);
    ASSERT_EQ(game->level, 2);

    answerUpTo(11);
    frames(2);
    EXPECT_TRUE(game->challengeActive) << "the old tap must not skip level 2's challenge";
    EXPECT_EQ(game->level, 2);
}

TEST_F(PlayTest, PosedProblemIsWhatTheRunnerTypes) {
    boot(240, 320);
    platform::PosedProblem posed;
    EXPECT_FALSE(game->posedProblem(posed)) << "the main menu poses nothing";
    key('1');
    frame();
    EXPECT_FALSE(game->posedProblem(posed)) << "nor does the options screen";
    key('1');
    frame();
    pose(36, OpDivision, 4);
    ASSERT_TRUE(game->posedProblem(posed));
    EXPECT_EQ(posed.first, 36);
    EXPECT_EQ(posed.op, '/');
    EXPECT_EQ(posed.second, 4);
    EXPECT_EQ(posed.result, 9);
    pose(6, OpMultiplication, 4);
    ASSERT_TRUE(game->posedProblem(posed));
    EXPECT_EQ(posed.op, 'x');
}
