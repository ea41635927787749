// The front-end's screens and the ways between them, by tap and by key, and the game-over screen.
#include "FrontEndFixture.h"
#include "common/ScriptRun.h"

using namespace platform;

namespace {

constexpr int32_t Menu = ScreenMainMenu;
constexpr int32_t Game = ScreenGame;
constexpr int32_t Options = ScreenOptions;
constexpr int32_t Scores = ScreenHighScores;
constexpr int32_t Quit = ScreenQuit;
constexpr int32_t Progress = ScreenProgress;

bool allAre(const std::vector<int32_t>& shown, size_t from, int32_t screen) {
    return std::all_of(shown.begin() + static_cast<std::ptrdiff_t>(from), shown.end(),
                       [screen](int32_t s) { return s == screen; });
}

}  // namespace

using ScreenFlow = FrontEndTest;

// Escape goes back as "0" does and quits only from the main menu; on the game's screens it is one more
// key for the game. Keys the main menu does not know go nowhere.
TEST_F(ScreenFlow, KeysAndTapsReachEveryScreenAndBack) {
    const std::vector<int32_t> expected = {Menu, Options, Menu, Scores, Menu, Game, Menu, Progress, Menu, Quit};
    {
        SCOPED_TRACE("keys");
        useScreen(240, 320);
        TestArcade game;
        game.pressAt({{1, '8'},
                      {2, '2'},
                      {4, '0'},
                      {6, '3'},
                      {8, VK_ESCAPE},
                      {10, '1'},
                      {11, VK_ESCAPE},
                      {12, keyM},
                      {14, '6'},
                      {16, VK_ESCAPE},
                      {18, VK_ESCAPE}});
        run(game);
        EXPECT_EQ(game.screenVisits(), expected);
        EXPECT_EQ(game.frames, 19);  // the quit screen's frame ends the program
        EXPECT_EQ(game.optionsShown, 1);
        EXPECT_EQ(game.keysPassed, (std::vector<uint32_t>{VK_ESCAPE, keyM}));
        EXPECT_TRUE(std::filesystem::exists(host(settingsFile))) << "quitting saves";
    }
    {
        SCOPED_TRACE("taps");
        useScreen(480, 640);
        TestArcade game;
        MenuButton* items = game.mainMenu.items;
        // Play (1), Practice (5), Daily (7), Options (2), Highscores (3), Progress (6), Quit (0).
        game.plan = {{2, [&] { TestArcade::tap(items[3]); }},  {4, [&] { TestArcade::tap(game.backButton); }},
                     {6, [&] { TestArcade::tap(items[4]); }},  {8, [&] { TestArcade::tap(game.backButton); }},
                     {10, [&] { TestArcade::tap(items[0]); }}, {12, [] { TestArcade::key(keyM); }},
                     {14, [&] { TestArcade::tap(items[5]); }}, {16, [&] { TestArcade::tap(game.backButton); }},
                     {18, [&] { TestArcade::tap(items[6]); }}};
        run(game);
        EXPECT_EQ(game.screenVisits(), expected);
        EXPECT_EQ(game.frames, 20);  // the menu's choice is read at the end of the frame after the tap
        EXPECT_EQ(game.optionsShown, 1);
    }
}

// Back's click latch is consumed with the frame that acts on it, so a later visit stays put; the same
// holds when a tap on Back and the key "0" arrive together.
TEST_F(ScreenFlow, BackIsTakenOnce) {
    for (bool withKey : {false, true}) {
        SCOPED_TRACE(withKey ? "tap and key together" : "tap");
        useScreen(240, 320);
        TestArcade game;
        game.closeAfter = 20;
        game.plan = {{2, [] { TestArcade::key('2'); }},
                     {4,
                      [&] {
                          TestArcade::tap(game.backButton);
                          if (withKey) TestArcade::key('0');
                      }},
                     {6, [] { TestArcade::key('2'); }}};
        run(game);
        ASSERT_EQ(game.screensSeen.size(), 20u);
        EXPECT_EQ(game.screensSeen[4], Menu) << "the main menu follows in the next frame";
        EXPECT_TRUE(allAre(game.screensSeen, 6, Options));
    }
}

TEST_F(ScreenFlow, KeyFourOpensTheMakersPageAndQuitsButATapOnTheLinkDoesNot) {
    struct Case {
        const char* name;
        int width, height, tapAt, keyAt, frames;  // tapAt, keyAt: 0 for none
    };
    for (const Case& c : {Case{"key", 240, 320, 0, 2, 2}, Case{"tap", 240, 320, 2, 0, 10},
                          Case{"key on the small screen, where the link takes no tap", 176, 220, 2, 3, 3}}) {
        SCOPED_TRACE(c.name);
        HeadlessBackend& backend = useScreen(c.width, c.height);
        TestArcade game;
        game.closeAfter = 10;
        if (c.tapAt) game.plan[c.tapAt] = [&] { TestArcade::tap(game.webLink); };
        if (c.keyAt) game.pressAt({{c.keyAt, '4'}});
        run(game);
        EXPECT_EQ(backend.openedAddresses(), std::vector<std::u16string>{u"https://brinmoor.example"});
        EXPECT_EQ(game.frames, c.frames);
        EXPECT_TRUE(allAre(game.screensSeen, 0, Menu));
    }
}

// The label follows the flag in the frame after the key or the tap that flips it.
TEST_F(ScreenFlow, SoundSwitchByKeyAndByTap) {
    useScreen(480, 640);
    TestArcade game;
    game.closeAfter = 8;
    std::vector<std::pair<bool, WString>> seen;
    const auto look = [&] { seen.emplace_back(soundOn, game.soundCheckBox.text); };
    game.pressAt({{2, '2'}});
    game.plan[3] = [&] {
        look();
        TestArcade::key('1');
    };
    game.plan[4] = [&] {
        look();
        TestArcade::tap(game.soundCheckBox);
    };
    game.plan[5] = look;
    run(game);
    const std::vector<std::pair<bool, WString>> expected = {
        {true, u"Sound On (1)"}, {false, u"Sound Off (1)"}, {true, u"Sound On (1)"}};
    EXPECT_EQ(seen, expected);
}

// Rank keys choose the entry shown; the first entry shows until one is chosen.
TEST_F(ScreenFlow, RankKeysChooseTheEntryShown) {
    useScreen(240, 320);
    TestArcade game;
    game.closeAfter = 10;
    std::vector<int32_t> chosen;
    const auto look = [&] { chosen.push_back(game.rankRow.selectedIndex()); };
    const auto lookThenKey = [&](uint32_t code) {
        return [&look, code] {
            look();
            TestArcade::key(code);
        };
    };
    game.plan = {{2, [] { TestArcade::key('3'); }}, {3, lookThenKey('4')}, {4, lookThenKey('6')}, {6, look}};
    game.plan[5] = [&] {
        look();
        TestArcade::tap(game.rankRow.items[1]);
    };
    run(game);
    EXPECT_EQ(chosen, (std::vector<int32_t>{0, 3, 3, 1}));
    EXPECT_EQ(game.keysPassed, std::vector<uint32_t>{'6'});
}

// The game-over screen: the sound plays as the game ends, and OK or a key records the result once,
// saves it and hands back to the game's options. A key in the screen's first half second, or one held
// since play, does not dismiss it: digits typed for the last problem must not throw the result away.
TEST_F(ScreenFlow, GameOverRecordsExactlyOnceWhicheverWayItIsLeft) {
    constexpr int guardFrames = ArcadeGame::gameOverGuardMs / 25;
    enum Way { Ok, Key, OkAndKey, HeldKey };
    for (const Way way : {Ok, Key, OkAndKey, HeldKey}) {
        SCOPED_TRACE(way == Ok ? "OK" : way == Key ? "a key" : way == OkAndKey ? "OK and a key" : "a held key");
        emptyDataRoot();
        HeadlessBackend& backend = useScreen(240, 320);
        TestArcade game;
        game.finalScore = 30;
        game.finalLevel = 4;
        game.closeAfter = 3 * guardFrames + 20;
        std::vector<bool> overAt;  // after the early key, after the late one
        std::string savedBeforeExit;
        game.plan = {{2, [] { TestArcade::key('1'); }},
                     {3,
                      [&] {
                          if (way == HeldKey) backend.pushMessage({WM_KEYDOWN, '7', 1});
                          TestArcade::key(keyG);
                      }},
                     {4,
                      [&] {
                          if (way == Ok || way == OkAndKey) TestArcade::tap(game.okButton);
                          if (way == Key || way == OkAndKey) TestArcade::key('7');
                      }},
                     {6, [&] { overAt.push_back(game.gameOver); }},
                     {guardFrames + 6,
                      [&] {
                          // Held since play: its repeats do nothing; let go and pressed again, it counts.
                          if (way != HeldKey) return;
                          backend.pushMessage({WM_KEYDOWN, '7', 1});
                          backend.pushMessage({WM_KEYUP, '7', 1});
                      }},
                     {guardFrames + 7, [&] { overAt.push_back(game.gameOver); }},
                     {guardFrames + 8, [] { TestArcade::key('7'); }},
                     {guardFrames + 10,
                      [&] {
                          game.waitForSaves();
                          savedBeforeExit = invertedBytes(bytesOf(scoresFile));
                          game.finalScore = 20;  // a second game ends; its screen waits for the player
                          TestArcade::key(keyG);
                      }},
                     {guardFrames + 12, [] { TestArcade::key('7'); }}};
        run(game);
        const bool early = way == Ok || way == OkAndKey;
        EXPECT_EQ(overAt, (std::vector<bool>{!early, !early}));
        EXPECT_NE(savedBeforeExit.find("\n30\n4\n"), std::string::npos) << "saved as it entered the table";
        EXPECT_EQ(game.optionsShown, 2);
        EXPECT_TRUE(game.gameOver) << "the second game-over screen is still up";
        EXPECT_EQ(scoresOf(game), (std::vector<int32_t>{30, 0, 0, 0, 0})) << "quitting from it recorded nothing";
        EXPECT_EQ(game.highScores[0].entryLevel, 4);
        EXPECT_EQ(game.highScores[0].difficultyName, u"Normal");
        EXPECT_EQ(game.highScores[0].modeText, u"Subtract (6)");
        EXPECT_EQ(std::count(game.keysPassed.begin(), game.keysPassed.end(), '7'), way == Key ? 0 : 1)
            << "the game sees only keys that did not meet the game-over screen";
        int gameOverSounds = 0;
        for (const SoundEvent& sound : backend.sounds()) gameOverSounds += sound.id == 113;
        EXPECT_EQ(gameOverSounds, 2);
    }
}

// "Review (9)" shows the game just ended, worst first, by key or tap after the guard; "Back (0)" returns
// to the game-over screen, and "Practise these (1)" leaves it (the result recorded as by any key) for a
// practice of exactly the facts reviewed.
TEST_F(ScreenFlow, ReviewOfTheGameJustPlayed) {
    constexpr int guard = ArcadeGame::gameOverGuardMs / 25;
    useScreen(176, 220);
    TestArcade game;
    game.closeAfter = guard + 30;
    const auto answer = [&](int first, history::Outcome outcome, int ms) {
        history::Answer a;
        a.op = history::Operation::Multiply;
        a.first = first;
        a.second = 7;
        a.expected = first * 7;
        a.outcome = outcome;
        a.responseMs = ms;
        game.recordAnswer(a);
    };
    std::vector<std::pair<int, bool>> shown;  // first operand of each item; whether the review was up
    const auto look = [&] {
        shown.push_back({-1, game.reviewing});
        for (const history::ReviewItem& item : game.reviewItems) shown.push_back({item.first, item.misses > 0});
    };
    game.plan = {{2, [] { TestArcade::key('1'); }},
                 {3,
                  [&] {
                      game.beginSession(history::Mode::Arcade, 1, 4);
                      answer(3, history::Outcome::Right, 5200);  // slow
                      answer(4, history::Outcome::Right, 900);   // neither
                      answer(6, history::Outcome::Wrong, 2000);  // missed, then right
                      answer(6, history::Outcome::Right, 1500);
                      TestArcade::key(keyG);
                  }},
                 {4, [] { TestArcade::key('9'); }},  // too soon: nothing
                 {guard + 6, [] { TestArcade::key('9'); }},
                 {guard + 8, look},
                 {guard + 9, [] { TestArcade::key('0'); }},
                 {guard + 11, [&] { TestArcade::tap(game.reviewButton); }},
                 {guard + 13, look},
                 {guard + 14, [&] { TestArcade::tap(game.backButton); }},
                 {guard + 16, look},
                 {guard + 17, [] { TestArcade::key('9'); }},
                 {guard + 19, [] { TestArcade::key('1'); }}};
    run(game);
    const std::vector<std::pair<int, bool>> review = {{-1, true}, {6, true}, {3, false}};
    std::vector<std::pair<int, bool>> expected = review;
    expected.insert(expected.end(), review.begin(), review.end());
    expected.push_back({-1, false});
    expected.insert(expected.end(), review.begin() + 1, review.end());
    EXPECT_EQ(shown, expected);
    EXPECT_FALSE(game.gameOver) << "practising the review leaves the game-over screen";
    EXPECT_EQ(game.optionsShown, 2);
    EXPECT_EQ(game.practised, (std::vector<int>{6, 3}));
}

// Turning the device with the tallest task bar the command line allows leaves the turned screen one
// row; with a taller one (which the command line refuses) the frame keeps its buffer, never loses it.
TEST_F(ScreenFlow, TurningWithTheTallestTaskBars) {
    for (const int taskBar : {239, 240}) {
        SCOPED_TRACE("task bar " + std::to_string(taskBar));
        LaunchOptions options;
        options.screenWidth = 240;
        options.screenHeight = 320;
        options.taskBarHeight = taskBar;
        resetHeadlessBackend(options);
        TestArcade game;
        game.closeAfter = 8;
        std::vector<std::pair<int32_t, int32_t>> sizes;
        const auto look = [&] {
            EXPECT_TRUE(game.frameBuffer);
            sizes.emplace_back(game.width, game.height);
        };
        game.plan[2] = [] { headlessBackend()->rotate(); };
        game.plan[4] = [&] {
            look();
            headlessBackend()->rotate();
        };
        game.plan[6] = look;
        run(game);
        using Sizes = std::vector<std::pair<int32_t, int32_t>>;
        const Sizes expected = taskBar == 239 ? Sizes{{320, 1}, {240, 81}} : Sizes{{240, 80}, {240, 80}};
        EXPECT_EQ(sizes, expected);
    }
}

// A screen that nothing changes is drawn only as input asks: a tap on the menu gets the frame that
// takes its choice and the frame that shows the options, and the loop then rests until the next key.
// Play keeps its frame every 25 ms.
TEST_F(ScreenFlow, StillScreensRestAndPlayRunsEveryPeriod) {
    useScreen(240, 320);
    TestArcade game;
    game.restWhenStill = true;
    runScript(game, "wait 1000\ntap 120 178\nwait 1010\nkey 48\nwait 990\nkey 49\nwait 1000\nclose\n");
    EXPECT_EQ(game.screenVisits(), (std::vector<int32_t>{Menu, Options, Menu, Game}));
    EXPECT_EQ(game.frames, 3 + 2 + 2 + 40);
    EXPECT_EQ(game.gameFrames, 40);
}

// The progress screen shows the best daily game of each day, never an arcade game's score.
TEST_F(ScreenFlow, ProgressShowsTheBestDailyGameOfEachDay) {
    useScreen(240, 320);
    TestArcade game;
    game.closeAfter = 6;
    game.plan = {{2, [&] {
                      for (const auto& [mode, points] : {std::pair{history::Mode::Daily, 40},
                                                         {history::Mode::Daily, 90},
                                                         {history::Mode::Arcade, 500},
                                                         {history::Mode::Daily, 70}}) {
                          game.beginSession(mode, 1, 15);
                          game.score = points;
                          game.endSession(history::Ending::GameOver);
                      }
                      TestArcade::key('6');
                  }}};
    run(game);
    ASSERT_EQ(game.progressDailyBest.size(), 1u);
    EXPECT_EQ(game.progressDailyBest[0].score, 90);
}
