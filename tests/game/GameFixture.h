#pragma once
// The arithmetic game on the headless backend, started as the program starts it with the data files
// under a temporary root, and driven by the tests' one driver (common/ProgramDriver.h).
#include <memory>
#include <string>
#include <vector>

#include "common/HeadlessProgramTest.h"
#include "common/ProgramDriver.h"
#include "game/MathGame.h"
#include "resources/ArtLayout.h"

inline constexpr uint32_t starKey = platform::VK_F8;
inline constexpr uint32_t hashKey = platform::VK_F9;

class GameTest : public ProgramTest<MathGame, 7> {
protected:
    // From the main menu through the options screen into play.
    void startPlaying(int width, int height, int32_t difficulty = DifficultyNormal) {
        boot(width, height);
        key('1');
        frame();
        key(static_cast<uint32_t>('2' + difficulty));
        key('1');
        frame();
        heard = backend->sounds().size();
        ASSERT_FALSE(game->optionsShown());
    }

    // The keypad's key of a digit (the drawn one, for the zero of the three-row layout).
    Button& keyOf(char digit) {
        for (Button& k : game->play.keypad.keys)
            if (k.text == std::u16string(1, static_cast<char16_t>(digit))) return k;
        return game->play.keypad.keys[0];
    }
    // The stylus goes down (WM_LBUTTONDOWN) or up a little inside a widget, queued for the next pump.
    void stylus(uint32_t message, const Widget& widget) {
        const uint32_t held = message == platform::WM_LBUTTONDOWN;
        backend->pushMessage({message, held, platform::makePointLParam(widget.x + 2, widget.y + 2)});
    }

    const Round& round() const { return game->round; }
    const ProblemGenerator& problems() const { return game->round.generator(); }
    // Makes this the problem posed, as if the generator had drawn it.
    void pose(int32_t first, uint16_t op, int32_t second) {
        game->round.generator().current = Problem{first, second, op};
    }
    std::string rightAnswer() const { return std::to_string(problems().current.result()); }
    // Right answers, a frame apart, until the generator says yes, as in answerUntil(&ProblemGenerator::isChallenge).
    void answerUntil(bool (ProblemGenerator::*reached)() const) {
        while (!(problems().*reached)()) {
            key(platform::VK_BACK);
            type(rightAnswer());
            frame();
        }
    }

    // The sounds since the last call (or since play started), without the clock's ticks.
    std::vector<int> newSounds() {
        std::vector<int> ids;
        for (; heard < backend->sounds().size(); ++heard)
            if (backend->sounds()[heard].id != art::tickSoundId) ids.push_back(backend->sounds()[heard].id);
        return ids;
    }
    size_t heard = 0;
};
