#include "game/MathGame.h"

#include <string>

#include "history/History.h"
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
    round.onJudged = [this](const JudgedAnswer& judged) { remember(judged); };
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
        if (input.menuTapped) abandonRound();
    }
    if (showingOptions) {
        play.dropLatches();
        options.draw();
        return;
    }
    options.dropLatches();

    if (round.timeIsUp()) {
        round.clockRanOut();
        publishCounters();
        endGame();
    }
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
    const OperationSet chosen = options.operations();
    unsigned played = 0;
    if (chosen.add) played |= 1u << static_cast<unsigned>(history::Operation::Add);
    if (chosen.subtract) played |= 1u << static_cast<unsigned>(history::Operation::Subtract);
    if (chosen.multiply) played |= 1u << static_cast<unsigned>(history::Operation::Multiply);
    if (chosen.divide) played |= 1u << static_cast<unsigned>(history::Operation::Divide);
    beginSession(history::Mode::Arcade, options.difficulty(), played);
    round.start(chosen, options.difficulty());
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
            abandonRound();
        } else {
            round.clearAnswer();
        }
    } else if (key == platform::VK_F9) {  // '#'
        round.skipChallenge();
    }
    return true;
}

void MathGame::abandonRound() {
    publishCounters();
    endSession(history::Ending::Abandoned);
    showGameOptions();
}

namespace {

history::Operation historyOperation(uint16_t op) {
    switch (op) {
        case OpSubtraction:
            return history::Operation::Subtract;
        case OpMultiplication:
            return history::Operation::Multiply;
        case OpDivision:
            return history::Operation::Divide;
        default:
            return history::Operation::Add;
    }
}

history::Outcome historyOutcome(Outcome outcome) {
    switch (outcome) {
        case Outcome::Right:
            return history::Outcome::Right;
        case Outcome::Skipped:
            return history::Outcome::Skipped;
        case Outcome::Timeout:
            return history::Outcome::Timeout;
        default:
            return history::Outcome::Wrong;
    }
}

}  // namespace

void MathGame::remember(const JudgedAnswer& judged) {
    history::Answer answer;
    answer.responseMs = static_cast<int>(judged.judgedAtMs - judged.posedAtMs);
    answer.shownAt = platform::utcMilliseconds() - answer.responseMs;
    answer.mode = history::Mode::Arcade;
    answer.difficulty = options.difficulty();
    answer.level = round.level();
    answer.op = historyOperation(judged.problem.op);
    answer.first = judged.problem.first;
    answer.second = judged.problem.second;
    answer.expected = judged.problem.result();
    if (judged.typedDigits > 0) answer.typed = std::to_string(judged.typed);
    answer.outcome = historyOutcome(judged.outcome);
    recordAnswer(answer);
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
