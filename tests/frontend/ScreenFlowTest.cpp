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

}  // namespace

using ScreenFlow = FrontEndTest;

// Escape goes back as "0" does and quits only from the main menu, which saves; on the game's screens it
// is one more key for the game. Keys the main menu does not know ("8") go nowhere. A tap on a menu
// entry is taken at the end of the frame after it.
TEST_F(ScreenFlow, KeysAndTapsReachEveryScreenAndBack) {
    for (const bool byTap : {false, true}) {
        SCOPED_TRACE(byTap ? "taps" : "keys");
        emptyDataRoot();
        boot(byTap ? 480 : 240, byTap ? 640 : 320);
        // Play (1), Practice (5), Daily (7), Options (2), Highscores (3), Progress (6), Quit (0).
        MenuButton* items = game->mainMenu.items;
        Widget* back = &game->backButton;
        // By tap, the way back from the game is its own "Menu" key (null here).
        const std::vector<Widget*> taps = {&items[3], back,      &items[4], back,     &items[0],
                                           nullptr,   &items[5], back,      &items[6]};
        const std::vector<uint32_t> keys = {'8',       '2',  '0', '3',       VK_ESCAPE, '1',
                                            VK_ESCAPE, keyM, '6', VK_ESCAPE, VK_ESCAPE};
        for (size_t step = 0; step < (byTap ? taps.size() : keys.size()); ++step) {
            !byTap ? key(keys[step]) : taps[step] ? tap(*taps[step]) : key(keyM);
            frames(2);
        }
        EXPECT_EQ(game->screenVisits(),
                  (std::vector<int32_t>{Menu, Options, Menu, Scores, Menu, Game, Menu, Progress, Menu, Quit}));
        EXPECT_TRUE(game->quitRequested);
        EXPECT_EQ(game->optionsShown, 1);
        EXPECT_EQ(game->keysPassed, (byTap ? std::vector<uint32_t>{keyM} : std::vector<uint32_t>{VK_ESCAPE, keyM}));
        shutDown();
        EXPECT_TRUE(std::filesystem::exists(host(settingsFile))) << "quitting saves";
    }
}

// Back's click latch is consumed with the frame that acts on it, so a later visit stays put; the same
// holds when a tap on Back and the key "0" arrive together.
TEST_F(ScreenFlow, BackIsTakenOnce) {
    for (const bool withKey : {false, true}) {
        SCOPED_TRACE(withKey ? "tap and key together" : "tap");
        boot(240, 320);
        key('2');
        frame();
        tap(game->backButton);
        if (withKey) key('0');
        frame();
        EXPECT_EQ(game->screen, Menu) << "the main menu follows in the next frame";
        key('2');
        frames(10);
        EXPECT_EQ(game->screenVisits(), (std::vector<int32_t>{Menu, Options, Menu, Options}));
    }
}

TEST_F(ScreenFlow, KeyFourOpensTheMakersPageAndQuitsButATapOnTheLinkDoesNot) {
    for (const bool byKey : {true, false}) {
        SCOPED_TRACE(byKey ? "key" : "tap");
        boot(240, 320);
        byKey ? key('4') : tap(game->webLink);
        frames(2);
        EXPECT_EQ(backend->openedAddresses(), std::vector<std::u16string>{u"https://brinmoor.example"});
        EXPECT_EQ(game->quitRequested, byKey);
        EXPECT_EQ(game->screenVisits(), std::vector<int32_t>{Menu});
    }
}

// Rank keys choose the entry shown; the first entry shows until one is chosen; a key that names no rank
// is the game's.
TEST_F(ScreenFlow, RankKeysChooseTheEntryShown) {
    boot(240, 320);
    key('3');
    frame();
    std::vector<int32_t> chosen = {game->rankRow.selectedIndex()};
    for (const uint32_t code : {'4', '6'}) {
        key(code);
        frame();
        chosen.push_back(game->rankRow.selectedIndex());
    }
    tap(game->rankRow.items[1]);
    frame();
    chosen.push_back(game->rankRow.selectedIndex());
    EXPECT_EQ(chosen, (std::vector<int32_t>{0, 3, 3, 1}));
    EXPECT_EQ(game->keysPassed, std::vector<uint32_t>{'6'});
}

// The game-over screen: the sound plays as the game ends, and OK or a key records the result once,
// saves it and hands back to the game's options. A key in the screen's first half second, or one held
// since play, does not dismiss it: digits typed for the last problem must not throw the result away.
TEST_F(ScreenFlow, GameOverRecordsExactlyOnceWhicheverWayItIsLeft) {
    enum Way { Ok, Key, OkAndKey, HeldKey };
    for (const Way way : {Ok, Key, OkAndKey, HeldKey}) {
        SCOPED_TRACE(way == Ok ? "OK" : way == Key ? "a key" : way == OkAndKey ? "OK and a key" : "a held key");
        emptyDataRoot();
        boot(240, 320);
        game->finalScore = 30;
        game->finalLevel = 4;
        key('1');
        frame();
        if (way == HeldKey) backend->pushMessage({WM_KEYDOWN, '7', 1});
        key(keyG);
        frame();
        if (way == Ok || way == OkAndKey) tap(game->okButton);
        if (way == Key || way == OkAndKey) key('7');
        frames(2);
        std::vector<bool> overAt = {game->gameOver};  // after the early key, after the late one
        waitMs(ArcadeGame::gameOverGuardMs);
        // Held since play, its repeats do nothing; let go and pressed again, it counts.
        if (way == HeldKey) {
            backend->pushMessage({WM_KEYDOWN, '7', 1});
            backend->pushMessage({WM_KEYUP, '7', 1});
        }
        frame();
        overAt.push_back(game->gameOver);
        key('7');
        frames(2);
        game->waitForSaves();
        EXPECT_NE(invertedBytes(bytesOf(scoresFile)).find("\n30\n4\n"), std::string::npos)
            << "saved as it entered the table";
        game->finalScore = 20;  // a second game ends; its screen waits for the player
        key(keyG);
        frames(2);
        key('7');
        frame();
        EXPECT_TRUE(closeWindow());

        const bool early = way == Ok || way == OkAndKey;
        EXPECT_EQ(overAt, (std::vector<bool>{!early, !early}));
        EXPECT_EQ(game->optionsShown, 2);
        EXPECT_TRUE(game->gameOver) << "the second game-over screen is still up";
        EXPECT_EQ(scoresOf(*game), (std::vector<int32_t>{30, 0, 0, 0, 0})) << "quitting from it recorded nothing";
        EXPECT_EQ(std::ranges::count(game->keysPassed, '7'), way == Key ? 0 : 1)
            << "the game sees only keys that did not meet the game-over screen";
        EXPECT_EQ(std::ranges::count(backend->sounds(), 113, &SoundEvent::id), 2) << "the game-over sound, once a game";
    }
}

// "Review (9)" shows the game just ended, worst first, by key or tap after the guard; "Back (0)" returns
// to the game-over screen, and "Practise these (1)" leaves it (the result recorded as by any key) for a
// practice of exactly the facts reviewed.
TEST_F(ScreenFlow, ReviewOfTheGameJustPlayed) {
    boot(176, 220);
    key('1');
    frame();
    game->beginSession(history::Mode::Arcade, 1, 4);
    // A slow fact and a missed one; which facts a review lists, and their order, is the history's rule.
    for (const auto& [first, outcome, ms] :
         {std::tuple{3, history::Outcome::Right, 5200}, {6, history::Outcome::Wrong, 2000}})
        game->recordAnswer({.op = history::Operation::Multiply,
                            .first = first,
                            .second = 7,
                            .expected = first * 7,
                            .typed = "",
                            .outcome = outcome,
                            .responseMs = ms});
    key(keyG);
    frame();
    key('9');
    frames(2);
    EXPECT_FALSE(game->reviewing) << "too soon";
    waitMs(ArcadeGame::gameOverGuardMs);
    key('9');
    frames(2);
    EXPECT_TRUE(game->reviewing);
    std::vector<int> listed;
    for (const history::ReviewItem& item : game->reviewItems) listed.push_back(item.first);
    EXPECT_EQ(listed, (std::vector<int>{6, 3})) << "the missed fact, then the slow one";
    for (Button* way : std::initializer_list<Button*>{nullptr, &game->reviewButton, &game->backButton}) {
        way ? tap(*way) : key('0');  // Back (0), then Review and Back by tap
        frames(2);
        EXPECT_EQ(game->reviewing, way == &game->reviewButton);
        EXPECT_TRUE(game->gameOver);
    }
    key('9');
    frames(2);
    key('1');
    frames(2);
    EXPECT_FALSE(game->gameOver) << "practising the review leaves the game-over screen";
    EXPECT_EQ(game->optionsShown, 2);
    EXPECT_EQ(game->practised, listed);
}

// A screen that nothing changes is drawn only as input asks: a tap on the menu gets the frame that
// takes its choice and the frame that shows the options, and the loop then rests until the next key.
// Play keeps its frame every 25 ms. (The loop is the subject here, so it runs the program.)
TEST_F(ScreenFlow, StillScreensRestAndPlayRunsEveryPeriod) {
    useScreen(240, 320);
    TestArcade arcade;
    runScript(arcade, "wait 1000\ntap 120 189\nwait 1010\nkey 48\nwait 990\nkey 49\nwait 1000\nclose\n");
    EXPECT_EQ(arcade.screenVisits(), (std::vector<int32_t>{Menu, Options, Menu, Game}));
    EXPECT_EQ(arcade.screensSeen.size(), 3u + 2 + 2 + 40);
    EXPECT_EQ(arcade.gameFrames, 40);
}

TEST_F(ScreenFlow, ProgressShowsTheBestDailyGameOfEachDayNeverAnArcadeGame) {
    boot(240, 320);
    using enum history::Mode;
    const std::pair<history::Mode, int> games[] = {{Daily, 40}, {Daily, 90}, {Arcade, 500}, {Daily, 70}};
    for (const auto& [mode, points] : games) {
        game->beginSession(mode, 1, 15);
        game->score = points;
        game->endSession(history::Ending::GameOver);
    }
    key('6');
    frames(2);
    ASSERT_EQ(game->progressDailyBest.size(), 1u);
    EXPECT_EQ(game->progressDailyBest[0].score, 90);
}
