// Play by gamepad alone: a whole game at each layout, the focus order and wrapping of every screen, and
// a focus that a tap or another key hides again.
#include <map>
#include <string>

#include "GameFixture.h"
#include "ui/Focus.h"

namespace {

class PadTest : public GameTest {
protected:
    // A pad button, and the frame that shows what it did.
    void press(const char* name) {
        pad(name);
        frame();
    }
    static std::string focused() {
        const Widget* widget = focusedWidget();
        return widget ? std::string(widget->text.begin(), widget->text.end()) : "(none)";
    }
    // Towards a control, as a player steers: up or down until the focus is level with it, then across; then
    // A presses it when asked to.
    void reach(Widget& target, bool thenA = false) {
        for (int i = 0; i < 12 && focusedWidget() != &target; ++i) {
            Widget& at = *focusedWidget();
            const bool level = target.y < at.y + at.getHeight() && target.y + target.getHeight() > at.y;
            press(level ? (target.x > at.x ? "dpright" : "dpleft") : (target.y > at.y ? "dpdown" : "dpup"));
        }
        ASSERT_EQ(focusedWidget(), &target) << focused();
        if (thenA) press("a");
    }
    // An answer typed by pad: on the keypad, or where there is none on the digit selector, which
    // turns up until it shows the digit.
    void enter(const std::string& digits) {
        for (char digit : digits) {
            if (game->play.layout().keypadShown) {
                reach(keyOf(digit), true);
                continue;
            }
            ASSERT_EQ(focusedWidget(), &game->play.digitSelector);
            while (game->play.digitSelector.digit != digit - '0') press("dpup");
            press("a");
        }
    }
};

}  // namespace

// From the main menu through the options, a game with right answers and a taken-back answer, the
// game-over screen, and the high-score table the next run finds; with the digit selector, and with the
// keypad in each of its two shapes.
TEST_F(PadTest, AWholeGameByPadAtEveryLayout) {
    for (auto [width, height] : {std::pair(176, 220), std::pair(240, 320), std::pair(640, 480)}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        boot(width, height);
        reach(game->mainMenu.items[3], true);  // Options (2)
        ASSERT_EQ(game->screen, ScreenOptions);
        press("b");
        press("b");
        ASSERT_TRUE(game->screen == ScreenMainMenu && !game->quitRequested) << "B never quits";

        reach(game->mainMenu.items[0], true);  // Play (1)
        ASSERT_TRUE(game->optionsShown());
        reach(game->options.difficultyRow.items[DifficultyHard], true);
        reach(game->options.startButton, true);
        ASSERT_FALSE(game->optionsShown());

        for (int i = 0; i < 3; ++i) enter(rightAnswer());
        EXPECT_EQ(round().score(), 30);
        pose(40, OpAddition, 2);
        enter("4");
        press("b");
        EXPECT_TRUE(round().answer().empty()) << "B takes the answer back";

        game->round.clock().startClock(1, 60);
        waitMs(1100);
        ASSERT_TRUE(game->gameOver);
        press("a");
        EXPECT_TRUE(game->gameOver) << "too soon after the screen appeared";
        waitMs(ArcadeGame::gameOverGuardMs);
        press("a");
        ASSERT_TRUE(game->optionsShown());
    }
    boot(240, 320);
    const WString allOperations = {u' ', OpAddition,       u' ', u' ', OpSubtraction, u' ',
                                   u' ', OpMultiplication, u' ', u' ', OpDivision,    u' '};
    for (int rank = 0; rank < 3; ++rank) {
        const HighScoreEntry& entry = game->highScores[rank];
        EXPECT_EQ(std::tuple(entry.entryScore, entry.entryLevel, entry.difficultyName, entry.modeText),
                  std::tuple(30, 1, WString(u"Hard"), allOperations))
            << "the game at each layout";
    }
}

// Where the focus starts on each screen and where each move (Up, Down, Left, Right) takes it, wrapping
// round at the ends.
TEST_F(PadTest, FocusOrderAndWrappingOnEveryScreen) {
    enum Then { Asked, Challenge, GameOver };
    struct Walk {
        int width, height;
        const char* keys;  // from the main menu to the screen
        Then then;
        const char* moves;
        const char* seen;  // the control focused first, then after each move (the digit selector has no label)
    };
    // clang-format off
    const Walk walks[] = {
        {480, 640, "", Asked, "DDDDDDDULR",
         "Play (1), Practice (5), Daily (7), Options (2), Highscores (3), Progress (6), Quit (0), "
         "brinmoor.example (4), Quit (0), Progress (6), Quit (0)"},
        {480, 640, "2", Asked, "DDDUR",
         "Back (0), Sound On (1), brinmoor.example (4), Back (0), brinmoor.example (4), Back (0)"},
        {240, 320, "3", Asked, "DRRRLUU", "Back (0), 3, 4, 5, 1, 5, Back (0), brinmoor.example (4)"},
        {480, 640, "1", Asked, "RRRDRDDLDUUU",
         "Normal (3), Hard (4), Easy (2), Normal (3), Multiply (7), Add (5), Subtract (6), Menu (0), Start (1), "
         "Hard (4), Start (1), Divide (8), Multiply (7)"},
        {176, 220, "1", Asked, "DDDRD", "Normal (3), Multiply (7), Divide (8), Start (1), Menu (0), Easy (2)"},
        {480, 640, "11", Asked, "RRRRDDDLDUULL", "7, 8, 9, 0, 4, 1, Menu (*), 9, 8, 5, 8, Menu (*), 3, 2"},
        {176, 220, "11", Asked, "URRL", ", , Menu (*), , Menu (*)"},
        {240, 320, "11", Challenge, "RUUDD", "7, 8, Skip (#), Menu (*), Skip (#), 9"},
        {240, 320, "11", GameOver, "DL", "OK (0), Review (9), OK (0)"},
    };
    // clang-format on
    const std::map<char, const char*> buttons = {{'U', "dpup"}, {'D', "dpdown"}, {'L', "dpleft"}, {'R', "dpright"}};
    for (const Walk& walk : walks) {
        boot(walk.width, walk.height);
        for (const char* k = walk.keys; *k; ++k) key(static_cast<uint32_t>(*k)), frame();
        if (walk.then == Challenge) answerUntil(&ProblemGenerator::isChallenge), frame();
        if (walk.then == GameOver) game->round.clock().startClock(1, 60), waitMs(1100);
        std::string seen = focused();
        for (const char* move = walk.moves; *move; ++move) {
            press(buttons.at(*move));
            seen += ", " + focused();
        }
        EXPECT_EQ(seen, walk.seen);
    }
}

// The focus shows only once a pad is used, and a tap or another key hides it again: the screen is then
// drawn exactly as before. Enter and Space on a hidden focus only show it; Start leaves it hidden.
TEST_F(PadTest, TheFocusShowsForThePadAndHidesForATapOrAKey) {
    boot(240, 320);
    const std::vector<uint16_t> untouched = backend->lastFrame();
    for (uint32_t k : {platform::VK_RETURN, platform::VK_SPACE}) key(k), frame();
    EXPECT_EQ(game->screen, ScreenGame) << "Enter showed the focus, Space pressed Play";
    key('0');
    press("dpdown");
    EXPECT_EQ(focused(), "Practice (5)");
    press("dpdown");
    key('8');
    frame();
    EXPECT_EQ(backend->lastFrame(), untouched);
    press("dpdown");
    EXPECT_NE(backend->lastFrame(), untouched);
    backend->pushTap(120, game->mainMenu.y / 2);  // on the title
    frame();
    EXPECT_EQ(backend->lastFrame(), untouched);
    press("start");
    EXPECT_FALSE(focusShown());
}
