#include "game/MathGame.h"

#include "platform/Platform.h"
#include "resources/ArtLayout.h"
#include "ui/Focus.h"

namespace {

std::unique_ptr<Sound> makeSound(int32_t resourceId) {
    auto sound = std::make_unique<Sound>();
    sound->makeResourceSound(resourceId);
    return sound;
}

}  // namespace

MathGame::MathGame() {
    name = u"Vortellanox";
    iconId = art::iconId;
}

MathGame::~MathGame() = default;

void MathGame::buildGameUi() {
    if (isNarrowScreen()) {
        loadArtwork(art::sheetNarrowId, art::logoNarrowId);
    } else {
        loadArtwork(art::sheetWideId, art::logoWideId);
    }
    loadSounds(art::menuSoundId, art::gameOverSoundId);

    rightSound = makeSound(art::rightAnswerSoundId);
    wrongSound = makeSound(art::wrongAnswerSoundId);
    levelSound = makeSound(art::startSoundId);
    tickSound = makeSound(art::tickSoundId);
    challengeSound = makeSound(art::challengeSoundId);
    // A tick never cuts off a sound already playing.
    tickSound->playFlags = platform::SND_NOSTOP;
    round.sounds = {rightSound.get(), wrongSound.get(), levelSound.get(), tickSound.get(), challengeSound.get()};

    play.makeFonts();
    play.labelKeypad();
    showingOptions = true;
}

void MathGame::releaseGameResources() {
    round.sounds = {};
    play.releaseFonts();
    rightSound.reset();
    wrongSound.reset();
    levelSound.reset();
    tickSound.reset();
    challengeSound.reset();
}

void MathGame::onResize(int32_t, int32_t) { play.labelKeypad(); }

// The frame's order of work:
//  1. the latches of the widgets drawn in the last frame are taken (taps land between frames);
//  2. input: what they ask is applied, to the options or to the round;
//  3. update: the clock's end, the level's advance, a skip of the challenge, the clock's tick;
//  4. draw: the screen reads the round and changes nothing in it;
//  5. after the frame is shown: the copy of the last right answer fades a step, and a touch on the
//     problem clears the answer (the frame of the touch still shows it).
// Keys come between frames, through gameKeyDown, and act on the round at once.
void MathGame::gameFrame() {
    selectArcadeFont();
    if (showingOptions) act(options.takeAction());
    PlayInput input;
    if (!showingOptions) {
        input = play.takeInput();
        if (input.digit != 0) enterDigit(input.digit);
        if (input.menuTapped) showGameOptions();
    }
    if (showingOptions) {
        play.dropLatches();
        options.draw();
        return;
    }
    options.dropLatches();

    if (round.timeIsUp()) endGame();
    round.update();
    if (input.skipTapped) round.skipChallenge();
    round.tickClock();
    publishCounters();

    play.arrange();
    play.draw(round);

    round.frameShown();
    if (input.problemTouched) round.clearAnswer();
}

void MathGame::enterDigit(char16_t digit) {
    if (!isPlaying() || showingOptions || gameOver) return;
    round.enterDigit(digit);
}

void MathGame::startFromOptions() {
    round.start(options.operations(), options.difficulty());
    showingOptions = false;
    if (levelSound) levelSound->playSound();
    publishCounters();
}

void MathGame::act(OptionsScreen::Action action) {
    if (action == OptionsScreen::Action::Start) startFromOptions();
    if (action == OptionsScreen::Action::Menu) returnToMenu();
}

bool MathGame::gameKeyDown(uint32_t key) {
    // The front-end's own options and high-score screens pass on the keys they do not use; those
    // must not change the game's options while the player cannot see them.
    if (!isPlaying()) return false;
    if (showingOptions) {
        act(options.keyDown(key));
    } else {
        playKeyDown(key);
    }
    publishCounters();
    return true;
}

bool MathGame::playKeyDown(uint32_t key) {
    if (key >= '0' && key <= '9') {
        enterDigit(static_cast<char16_t>(key));
    } else if (key == platform::VK_BACK || key == platform::VK_DELETE || focusKeyOf(key) == FocusKey::Back) {
        round.clearAnswer();
    } else if (key == platform::VK_F8) {  // the '*' key of a keypad phone
        if (round.answer().empty()) {
            showGameOptions();
        } else {
            round.clearAnswer();
        }
    } else if (key == platform::VK_F9) {  // '#'
        round.skipChallenge();
    }
    return true;
}

void MathGame::publishCounters() {
    score = round.score();
    level = round.level();
}

void MathGame::difficultyName(WString& name) {
    if (const char16_t* known = ::difficultyName(difficulty())) name = known;
}

int32_t MathGame::exchangeGameSettings(DataFile& file) {
    options.exchange(file);
    return 0;
}

bool MathGame::posedProblem(Problem& problem) const {
    if (!isPlaying() || showingOptions || gameOver || !round.generator().isPosing()) return false;
    problem = round.generator().current;
    return true;
}
