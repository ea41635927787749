#include "platform/headless/HeadlessBackend.h"

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>

#include "platform/Keys.h"
#include "platform/common/Wave.h"

namespace platform {

namespace {

// A hang-up, an interrupt or a termination request closes the runner's window, as the window copy's
// does, so that its files are saved before it ends.
volatile sig_atomic_t endRequested = 0;

void requestEnd(int) { endRequested = 1; }

void catchEndSignals() {
    struct sigaction action {};
    action.sa_handler = requestEnd;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGHUP, SIGINT, SIGTERM}) sigaction(signal, &action, nullptr);
}

}  // namespace

HeadlessBackend::HeadlessBackend(const LaunchOptions& options)
    : screenW(options.screenWidth),
      screenH(options.screenHeight),
      taskBar(options.taskBarHeight),
      windowH(options.screenHeight - options.taskBarHeight),
      fixedMinute(options.minute),
      claimDataRoot(options.claimDataRoot),
      utcStart(options.date >= 0 ? options.date * 86'400'000 : Backend::utcMilliseconds()) {}

WindowResult HeadlessBackend::createWindow(const std::u16string&, const std::u16string&, int, WindowProcedure) {
    // The runner keeps the same files as a window copy, so only one of them may run on a data root.
    if (claimDataRoot) {
        bool anotherRuns = false;
        instance = SingleInstance::claim(dataRoot(), anotherRuns);
        if (anotherRuns) {
            std::fprintf(stderr, "vortellanox: another copy runs on %s\n", dataRoot().c_str());
            status = 1;
            return WindowResult::AnotherInstanceRaised;
        }
    }
    if (claimDataRoot) catchEndSignals();
    created = true;
    return WindowResult::Created;
}

void HeadlessBackend::setScript(std::vector<ScriptCommand> commands) {
    script = std::move(commands);
    nextCommand = 0;
    scripted = true;
}

void HeadlessBackend::streamScript(std::istream& in) {
    setScript({});
    stream = &in;
    cursor = ScriptCursor{};
}

// A streamed script must be read further when every command read has run and its clock has not
// got past until: the next line might be due by then.
bool HeadlessBackend::awaitsLine(uint32_t until) const {
    return stream && nextCommand == script.size() && cursor.clock <= until;
}

void HeadlessBackend::readLine() {
    std::string line;
    if (!std::getline(*stream, line)) {
        stream = nullptr;
        return;
    }
    std::string error;
    if (!parseScript(line + "\n", script, error, cursor)) {
        std::fprintf(stderr, "vortellanox: script: %s\n", error.c_str());
        status = 2;
        stream = nullptr;
        script.resize(nextCommand);
        queue.push_back({WM_CLOSE, 0, 0});
    }
}

// Runs every script command whose time has come, in order.
void HeadlessBackend::runDueCommands() {
    if (endRequested) {
        endRequested = 0;
        queue.push_back({WM_CLOSE, 0, 0});
    }
    do {
        while (nextCommand < script.size() && script[nextCommand].at <= now) runCommand(script[nextCommand++]);
        if (awaitsLine(now)) readLine();
    } while ((nextCommand < script.size() && script[nextCommand].at <= now) || awaitsLine(now));
    // A script that ends without "close" is closed for it, once its last command has run.
    if (scripted && !stream && nextCommand == script.size() && queue.empty() && !quitPosted) {
        scripted = false;
        queue.push_back({WM_CLOSE, 0, 0});
    }
}

bool HeadlessBackend::peekMessage(Message& message) {
    runDueCommands();
    if (queue.empty()) return false;
    message = queue.front();
    queue.pop_front();
    return true;
}

// Blocking: with nothing queued, the virtual clock jumps to the next scripted command.
bool HeadlessBackend::getMessage(Message& message) {
    runDueCommands();
    while (queue.empty()) {
        if (nextCommand < script.size()) {
            if (script[nextCommand].at > now) now = script[nextCommand].at;
        } else if (stream) {
            now = std::max(now, cursor.clock);  // nothing can come before the wait read last is over
        } else if (!quitPosted) {
            queue.push_back({WM_CLOSE, 0, 0});  // nothing will ever arrive: end instead of hanging
        }
        runDueCommands();
    }
    message = queue.front();
    queue.pop_front();
    return message.message != WM_QUIT;
}

void HeadlessBackend::postQuitMessage(int exitCode) {
    quitPosted = true;
    quitCode = exitCode;
    queue.push_back({WM_QUIT, static_cast<uint32_t>(exitCode), 0});
}

void HeadlessBackend::moveWindow(int, int height) { windowH = height; }

void HeadlessBackend::present(const uint16_t* pixels, int width, int height) {
    ++presents;
    frameW = width;
    frameH = height;
    frame.assign(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height));
}

SystemTime HeadlessBackend::systemTimeUtc() {
    using namespace std::chrono;
    const sys_time<milliseconds> moment{milliseconds{utcMilliseconds()}};
    const sys_days day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss<seconds> clock{floor<seconds>(moment - day)};
    SystemTime time{static_cast<int>(date.year()),
                    static_cast<int>(static_cast<unsigned>(date.month())),
                    static_cast<int>(static_cast<unsigned>(date.day())),
                    static_cast<int>(clock.hours().count()),
                    static_cast<int>(clock.minutes().count()),
                    static_cast<int>(clock.seconds().count())};
    if (fixedMinute >= 0) time.minute = fixedMinute;
    return time;
}

void HeadlessBackend::sleepMs(uint32_t milliseconds) {
    ++sleeps;
    // Advance in steps so that commands due inside the sleep run at their own times.
    const uint32_t until = now + milliseconds;
    for (;;) {
        if (nextCommand < script.size() && script[nextCommand].at <= until) {
            if (script[nextCommand].at > now) now = script[nextCommand].at;
            runCommand(script[nextCommand++]);
        } else if (awaitsLine(until)) {
            readLine();
        } else {
            break;
        }
    }
    now = until;
}

void HeadlessBackend::messageBox(const std::u16string& text, const std::u16string& title) {
    notices.push_back(title + u": " + text);
    std::fprintf(stderr, "%s: %s\n", toUtf8(title).c_str(), toUtf8(text).c_str());
}

bool HeadlessBackend::openUrl(const std::u16string& address) {
    addresses.push_back(address);
    return true;
}

// One voice: a no-stop sound is dropped while another still sounds; any other sound cuts it off.
void HeadlessBackend::playSound(int resourceId, uint32_t flags) {
    if ((flags & SND_NOSTOP) && now < voiceEndsAt) return;
    const WaveData wave = parseWave(findResource(ResourceType::Wave, resourceId));
    if (!wave.valid()) return;
    voiceEndsAt = now + wave.durationMs();
    soundLog.push_back({resourceId, now});
    if (echo) std::printf("sound %d at %u\n", resourceId, now);
}

void HeadlessBackend::logEvent(std::string_view line) {
    eventLog.push_back(std::string(line) + " at " + std::to_string(now));
    if (echo) std::printf("%s\n", eventLog.back().c_str());
}

int HeadlessBackend::finish() {
    std::fflush(stdout);
    return status;
}

void HeadlessBackend::enqueuePress(uint32_t message, int x, int y) {
    if (message == WM_LBUTTONDOWN && doubleClicks.press(x, y, now)) message = WM_LBUTTONDBLCLK;
    queue.push_back({message, message == WM_MOUSEMOVE ? 0u : 1u, makePointLParam(x, y)});
}

void HeadlessBackend::pushKey(uint32_t key) {
    key = keyUnderNumLock(key, numLock);
    queue.push_back({WM_KEYDOWN, key, 1});
    queue.push_back({WM_KEYUP, key, 1});
}

void HeadlessBackend::pushTap(int x, int y) {
    enqueuePress(WM_LBUTTONDOWN, x, y);
    enqueuePress(WM_LBUTTONUP, x, y);
}

// A device turning: the screen's sides swap and the window loses and regains focus, so the program's
// own activation path lays everything out again.
void HeadlessBackend::rotate() {
    std::swap(screenW, screenH);
    queue.push_back({WM_ACTIVATE, WA_INACTIVE, 0});
    queue.push_back({WM_ACTIVATE, WA_ACTIVE, 0});
}

bool HeadlessBackend::writeShot(const std::string& path) const {
    return !frame.empty() && writePng565(path, frame.data(), frameW, frameH);
}

void HeadlessBackend::typeCharacters(const std::string& characters) {
    for (char c : characters) pushKey(keyForCharacter(static_cast<unsigned char>(c)));
}

void HeadlessBackend::typeAnswer(const ScriptCommand& command) {
    const AnswerQuery& query = registeredAnswerQuery();
    std::string posed, answer;
    if (!query || !query(posed, answer)) {
        std::fprintf(stderr, "vortellanox: script line %d: answer: no problem is posed\n", command.line);
        status = 2;
        return;
    }
    if (echo) std::printf("%s at %u\n", posed.c_str(), now);
    typeCharacters(answer);
}

void HeadlessBackend::runCommand(const ScriptCommand& command) {
    switch (command.kind) {
        case ScriptCommand::Key:
        case ScriptCommand::Pad:
            pushKey(static_cast<uint32_t>(command.x));
            break;
        case ScriptCommand::PadDown:
            queue.push_back({WM_KEYDOWN, static_cast<uint32_t>(command.x), 1});
            break;
        case ScriptCommand::PadUp:
            queue.push_back({WM_KEYUP, static_cast<uint32_t>(command.x), 1});
            break;
        case ScriptCommand::Type:
            typeCharacters(command.text);
            break;
        case ScriptCommand::Tap:
            pushTap(command.x, command.y);
            break;
        case ScriptCommand::Press:
            enqueuePress(WM_LBUTTONDOWN, command.x, command.y);
            break;
        case ScriptCommand::Release:
            enqueuePress(WM_LBUTTONUP, command.x, command.y);
            break;
        case ScriptCommand::Move:
            enqueuePress(WM_MOUSEMOVE, command.x, command.y);
            break;
        case ScriptCommand::Rotate:
            rotate();
            break;
        case ScriptCommand::Deactivate:
            queue.push_back({WM_ACTIVATE, WA_INACTIVE, 0});
            break;
        case ScriptCommand::Activate:
            queue.push_back({WM_ACTIVATE, WA_ACTIVE, 0});
            break;
        case ScriptCommand::Shot:
            if (!writeShot(command.text)) {
                std::fprintf(stderr, "vortellanox: script line %d: cannot write %s\n", command.line,
                             command.text.c_str());
                status = 2;
            }
            break;
        case ScriptCommand::Answer:
            typeAnswer(command);
            break;
        case ScriptCommand::Close:
            queue.push_back({WM_CLOSE, 0, 0});
            break;
    }
}

namespace {
HeadlessBackend* current = nullptr;
}

HeadlessBackend* headlessBackend() { return current; }

HeadlessBackend& resetHeadlessBackend(const LaunchOptions& options) {
    auto backend = std::make_unique<HeadlessBackend>(options);
    HeadlessBackend& made = *backend;
    setActiveBackend(std::move(backend));
    current = &made;
    return made;
}

void useHeadlessBackend() { resetHeadlessBackend(); }

}  // namespace platform
