#include "game/MathGame.h"

#include <algorithm>
#include <string>

#include "history/History.h"
#include "platform/Platform.h"
#include "resources/ArtLayout.h"
#include "support/NumberText.h"
#include "support/Random.h"
#include "ui/Focus.h"

namespace {

std::unique_ptr<Sound> makeSound(int32_t resourceId) {
    auto sound = std::make_unique<Sound>();
    sound->makeResourceSound(resourceId);
    return sound;
}

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

unsigned operationBits(const OperationSet& operations) {
    using history::Operation;
    const auto bit = [](bool on, Operation op) { return on ? 1u << static_cast<unsigned>(op) : 0u; };
    return bit(operations.add, Operation::Add) | bit(operations.subtract, Operation::Subtract) |
           bit(operations.multiply, Operation::Multiply) | bit(operations.divide, Operation::Divide);
}

// The day's game poses the same problems to everybody: its generator starts from the UTC date.
uint32_t dailySeed() {
    const platform::SystemTime today = platform::systemTimeUtc();
    return static_cast<uint32_t>(today.year * 10000 + today.month * 100 + today.day);
}

void logPosed(const Problem& problem) {
    const std::string line = "posed " + std::to_string(problem.first) + ' ' +
                             history::operationSymbol(historyOperation(problem.op)) + ' ' +
                             std::to_string(problem.second);
    platform::logEvent(line);
}

}  // namespace

MathGame::MathGame() {
    name = u"Vortellanox";
    iconId = art::iconId;
    practice.onPosed = logPosed;
    practice.onTry = [this](const PracticeTry& judged) {
        recordTry(judged.problem, judged.typed, judged.right, judged.shownAtMs, judged.judgedAtMs);
    };
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
    history.open(platform::dataRoot(), platform::utcMilliseconds());
    if (const std::string notice = history.takeNotice(); !notice.empty()) {
        this->notice.assign(notice.begin(), notice.end());
        noticeUntil = platform::tickCount() + noticeShownMs;
    }
}

void MathGame::releaseGameResources() {
    endHistorySession(history::Ending::Closed, score, level);
    history.close();
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
    if (mode == PlayMode::Practice) {
        practiceFrame();
        return;
    }
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
    beginSession(history::Mode::Arcade, options.difficulty(), operationBits(chosen));
    mode = PlayMode::Arcade;
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
    if (mode == PlayMode::Practice) return practiceKeyDown(key);
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
    answer.mode = mode == PlayMode::Daily ? history::Mode::Daily : history::Mode::Arcade;
    answer.difficulty = mode == PlayMode::Daily ? DifficultyNormal : options.difficulty();
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
    if (!isPlaying() || gameOver) return false;
    if (mode == PlayMode::Practice && (showingSummary || !practice.active())) return false;
    if (mode != PlayMode::Practice && (showingOptions || !round.generator().isPosing())) return false;
    problem = mode == PlayMode::Practice ? practice.current() : round.generator().current;
    return true;
}

void MathGame::startDaily() {
    endHistorySession(history::Ending::Abandoned, round.score(), round.level());
    mode = PlayMode::Daily;
    constexpr OperationSet everyOperation;
    seedRandom(dailySeed());
    round.start(everyOperation, DifficultyNormal);
    showingOptions = false;
    beginHistorySession(history::Mode::Daily, DifficultyNormal, everyOperation);
    if (levelSound) levelSound->playSound();
    publishCounters();
}

void MathGame::startPractice() {
    const std::vector<PracticeCandidate> candidates = practiceCandidates(
        options.operations(), options.difficulty(), [this](history::Operation op) { return history.lastTries(op); });
    startPractice(planPractice(candidates, static_cast<uint32_t>(platform::utcMilliseconds())));
}

void MathGame::startPractice(std::vector<PracticeFact> facts) {
    endHistorySession(history::Ending::Abandoned, round.score(), round.level());
    mode = PlayMode::Practice;
    showingOptions = false;
    showingSummary = false;
    score = 0;
    level = 0;
    play.dropLatches();
    fluentBefore = fluentAmong(facts);
    beginHistorySession(history::Mode::Practice, options.difficulty(), options.operations());
    practice.start(std::move(facts), platform::tickCount());
    if (!practice.active()) finishPractice();
}

void MathGame::practiceFrame() {
    if (showingSummary) {
        if (summary.takeOk()) leavePractice();
        summary.draw();
        return;
    }
    const PlayInput input = play.takeInput();
    if (input.digit != 0) practice.enterDigit(input.digit, platform::tickCount());
    if (input.menuTapped) leavePractice();
    if (mode == PlayMode::Practice && !practice.active()) finishPractice();
    if (showingSummary || mode != PlayMode::Practice) return;
    play.arrange();
    play.drawPractice(practice, platform::tickCount());
    if (input.problemTouched) practice.clearAnswer();
}

bool MathGame::practiceKeyDown(uint32_t key) {
    if (showingSummary) {
        // The summary follows the last answer's key at once; a key typed for it must not dismiss it.
        const bool tooSoon = platform::tickCount() - summarySince < gameOverGuardMs;
        const bool back = key == '0' || key == platform::VK_ESCAPE || focusKeyOf(key) == FocusKey::Back;
        if (!tooSoon && back) leavePractice();
        return true;
    }
    if (key >= '0' && key <= '9') {
        practice.enterDigit(static_cast<char16_t>(key), platform::tickCount());
        if (!practice.active()) finishPractice();
    } else if (key == platform::VK_BACK || key == platform::VK_DELETE || focusKeyOf(key) == FocusKey::Back) {
        practice.clearAnswer();
    } else if (key == platform::VK_F8 || key == platform::VK_ESCAPE) {
        leavePractice();
    }
    return true;
}

// Back to the main menu, from the summary or from a session left unfinished.
void MathGame::leavePractice() {
    endHistorySession(history::Ending::Abandoned, practice.rightFirstTime(), 0);
    mode = PlayMode::Arcade;
    showingSummary = false;
    showingOptions = true;
    play.dropLatches();
    returnToMenu();
}

void MathGame::finishPractice() {
    endHistorySession(history::Ending::GameOver, practice.rightFirstTime(), 0);
    PracticeResult result{practice.rightFirstTime(), practice.length(), practice.medianMs(), {}};
    for (const PracticeFact& fact : fluentAmong(practice.plan())) {
        if (std::find(fluentBefore.begin(), fluentBefore.end(), fact) == fluentBefore.end())
            result.nowFluent.push_back(fact);
    }
    summary.show(std::move(result));
    showingSummary = true;
    summarySince = platform::tickCount();
}

std::vector<PracticeFact> MathGame::fluentAmong(const std::vector<PracticeFact>& facts) {
    std::vector<PracticeFact> fluent;
    for (int32_t o = 0; o < history::operationCount; ++o) {
        const auto op = static_cast<history::Operation>(o);
        if (std::none_of(facts.begin(), facts.end(), [op](const PracticeFact& f) { return f.op == op; })) continue;
        const std::vector<std::vector<history::Answer>> grid = history.lastTries(op);
        for (const std::vector<history::Answer>& tries : grid) {
            if (tries.empty() || history::factState(tries) != history::FactState::Fluent) continue;
            const PracticeFact fact{op, tries.front().first, tries.front().second};
            if (std::find(facts.begin(), facts.end(), fact) != facts.end() &&
                std::find(fluent.begin(), fluent.end(), fact) == fluent.end())
                fluent.push_back(fact);
        }
    }
    return fluent;
}

void MathGame::endHistorySession(history::Ending ending, int32_t finalScore, int32_t finalLevel) {
    // The front-end's session ends with the counters it shows.
    score = finalScore;
    level = finalLevel;
    endSession(ending);
}

void MathGame::beginHistorySession(history::Mode historyMode, int32_t chosenDifficulty,
                                   const OperationSet& operations) {
    beginSession(historyMode, chosenDifficulty, operationBits(operations));
}

void MathGame::recordTry(const Problem& problem, const WString& typed, bool right, uint32_t shownAtMs,
                         uint32_t judgedAtMs) {
    history::Answer answer;
    const auto responseMs = static_cast<int32_t>(judgedAtMs - shownAtMs);
    answer.shownAt = platform::utcMilliseconds() - (platform::tickCount() - shownAtMs);
    answer.mode = mode == PlayMode::Daily ? history::Mode::Daily : history::Mode::Practice;
    answer.difficulty = mode == PlayMode::Daily ? DifficultyNormal : options.difficulty();
    answer.level = mode == PlayMode::Daily ? round.level() : 0;
    answer.op = historyOperation(problem.op);
    answer.first = problem.first;
    answer.second = problem.second;
    answer.expected = problem.result();
    answer.typed.assign(typed.begin(), typed.end());
    answer.outcome = right ? history::Outcome::Right : history::Outcome::Wrong;
    answer.responseMs = responseMs;
    recordAnswer(answer);
}
