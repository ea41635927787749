#include "game/MathGame.h"

#include "platform/Platform.h"

namespace {

constexpr int32_t smallScreenProblemFont = 36;
constexpr int32_t problemFont = 48;

// The game whose problem the headless runner's "answer" command types.
MathGame* posingGame = nullptr;

bool queryPosedProblem(platform::PosedProblem& problem) { return posingGame && posingGame->posedProblem(problem); }

std::unique_ptr<Sound> makeSound(int32_t resourceId) {
    auto sound = std::make_unique<Sound>();
    sound->makeResourceSound(resourceId);
    return sound;
}

}  // namespace

MathGame::MathGame() {
    name = u"Vortellanox";
    iconId = 118;
    setUpOptionWidgets();
    skipButton.text = u"Skip (#)";
    answerArea.hidden = true;
    softKeyBar.setLayout(1, 1);
    softKeyBar.key(0).text = u"Menu (*)";
    // Room for the longest texts a frame builds, so that no frame of play has to grow them.
    for (WString* text : {&answerText, &feedbackText, &firstLine, &secondLine, &statusLine}) text->reserve(32);
    posingGame = this;
    platform::setProblemQuery(queryPosedProblem);
}

MathGame::~MathGame() {
    if (posingGame == this) {
        posingGame = nullptr;
        platform::setProblemQuery(nullptr);
    }
}

void MathGame::buildGameUi() {
    if (isNarrowScreen()) {
        loadArtwork(130, 120);
    } else {
        loadArtwork(107, 106);
    }
    loadSounds(111, 113);

    rightSound = makeSound(108);
    wrongSound = makeSound(110);
    levelSound = makeSound(112);
    tickSound = makeSound(114);
    challengeSound = makeSound(115);

    const int32_t size = isSmallScreen() ? smallScreenProblemFont : problemFont;
    bigFont = Font::create(u"Verdana", size);
    if (bigFont) {
        bigFont->setCellWidth(bigFont->charWidth('0'));
        nominalFont = {size, bigFont->ascent(), bigFont->charWidth('0')};
        bigFontSize = size;
    }

    clock.setTickSound(tickSound.get());
    labelKeypad();
    optionsShown = true;
    generator.newLevelPending = false;
    generator.problemNumber = 0;
}

void MathGame::releaseGameResources() {
    clock.tickSound = nullptr;
    bigFont.reset();
    keypadFont.reset();
    rightSound.reset();
    wrongSound.reset();
    levelSound.reset();
    tickSound.reset();
    challengeSound.reset();
}

void MathGame::onResize(int32_t, int32_t) { labelKeypad(); }

void MathGame::gameFrame() {
    selectArcadeFont();
    if (optionsShown) {
        optionSteps();
    } else {
        playSteps();
    }
    // A latch set on a screen that has gone (a release that came after the screen changed) must not
    // act when that screen comes back, perhaps many games later.
    if (optionsShown) {
        dropPlayLatches();
        drawOptions();
    } else {
        dropOptionLatches();
        drawPlay();
    }
}

void MathGame::showGameOptions() { optionsShown = true; }

bool MathGame::gameKeyDown(uint32_t key, const uint32_t*) {
    // The front-end's own options and high-score screens pass on the keys they do not use; those
    // must not change the game's options while the player cannot see them.
    if (!isPlaying()) return false;
    return optionsShown ? optionKeyDown(key) : playKeyDown(key);
}
