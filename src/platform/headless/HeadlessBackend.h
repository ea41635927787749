#pragma once
// The headless backend: no window and no audio device. A virtual millisecond clock advances only
// when the program sleeps (or blocks waiting for input); input comes from a script or from a test;
// presented frames are kept (and written to PNG on request); sounds that would have played are logged.
#include <cstdint>
#include <deque>
#include <istream>
#include <string>
#include <vector>

#include "platform/common/Backend.h"
#include "platform/common/LaunchOptions.h"
#include "platform/sdl/SingleInstance.h"

namespace platform {

struct ScriptCommand {
    enum Kind {
        Key,
        Type,
        Tap,
        Press,
        Release,
        Move,
        Rotate,
        Deactivate,
        Activate,
        Shot,
        Answer,
        Close,
        Pad,
        PadDown,
        PadUp
    };
    Kind kind = Key;
    uint32_t at = 0;  // virtual ms
    int line = 0;
    int x = 0;  // the key code for Key and the pad commands
    int y = 0;
    std::string text;  // digits for Type, file for Shot
};

// The longest script line, and the longest wait, the runner accepts.
inline constexpr size_t longestScriptLine = 4096;
inline constexpr int longestWaitMs = 3600000;

// Where a script read piece by piece has got to: its clock and its last line number.
struct ScriptCursor {
    uint32_t clock = 0;
    int line = 0;
};
// Parses a script; on failure sets error to "line N: ..." and returns false. Waits after the last
// command are lived through: the run's implicit close comes at their end.
bool parseScript(const std::string& text, std::vector<ScriptCommand>& commands, std::string& error);
// Parses the next piece of a script, appending its commands and carrying the cursor on.
bool parseScript(const std::string& text, std::vector<ScriptCommand>& commands, std::string& error,
                 ScriptCursor& cursor);

struct SoundEvent {
    int id;
    uint32_t at;
};

class HeadlessBackend : public Backend {
public:
    explicit HeadlessBackend(const LaunchOptions& options);

    // --- the contract
    WindowResult createWindow(const std::u16string& className, const std::u16string& title, int iconId,
                              WindowProcedure procedure) override;
    bool peekMessage(Message& message) override;
    bool getMessage(Message& message) override;
    void postQuitMessage(int exitCode) override;
    int screenWidth() override { return screenW; }
    int screenHeight() override { return screenH; }
    int workAreaTop() override { return taskBar; }
    int windowHeight() override { return windowH; }
    void moveWindow(int width, int height) override;
    void present(const uint16_t* pixels, int width, int height) override;
    uint32_t tickCount() override { return now; }
    SystemTime systemTimeUtc() override;
    int64_t utcMilliseconds() override { return utcStart + now; }
    void sleepMs(uint32_t milliseconds) override;
    void messageBox(const std::u16string& text, const std::u16string& title) override;
    bool openUrl(const std::u16string& address) override;
    void playSound(int resourceId, uint32_t flags) override;
    void logEvent(std::string_view line) override;
    int finish() override;

    // --- for the runner and for tests
    void setScript(std::vector<ScriptCommand> commands);  // the run closes itself after the last command
    // Reads the script from in as it is needed, a line at a time: the virtual clock stands still while
    // a line is awaited, so a run is the same as from a file. The end of in ends the script.
    void streamScript(std::istream& in);
    void pushMessage(const Message& message) { queue.push_back(message); }
    void pushKey(uint32_t key);  // down and up, after the keypad's NumLock translation
    void pushTap(int x, int y);  // press and release, with double-click detection
    void rotate();               // width and height swap, then deactivate and activate
    void setNumLock(bool on) { numLock = on; }
    void advance(uint32_t milliseconds) { sleepMs(milliseconds); }
    void setEcho(bool on) { echo = on; }  // print events to standard output (the runner does)

    const std::vector<uint16_t>& lastFrame() const { return frame; }
    int frameWidth() const { return frameW; }
    int frameHeight() const { return frameH; }
    uint64_t presentCount() const { return presents; }
    uint64_t sleepCount() const { return sleeps; }
    const std::vector<SoundEvent>& sounds() const { return soundLog; }
    const std::vector<std::string>& events() const { return eventLog; }  // "posed 7 x 8 at 1200"
    const std::vector<std::u16string>& openedAddresses() const { return addresses; }
    const std::vector<std::u16string>& messageBoxes() const { return notices; }
    bool windowCreated() const { return created; }
    // Writes the last presented frame; false when there is none or the file cannot be written.
    bool writeShot(const std::string& path) const;

private:
    void runDueCommands();
    bool awaitsLine(uint32_t until) const;
    void readLine();
    void runCommand(const ScriptCommand& command);
    void typeAnswer(const ScriptCommand& command);
    void typeCharacters(const std::string& characters);  // the keys that type them
    void enqueuePress(uint32_t message, int x, int y);

    int screenW;
    int screenH;
    int taskBar;
    int windowH;
    int fixedMinute;
    bool claimDataRoot;
    std::unique_ptr<SingleInstance> instance;
    int64_t utcStart;  // the UTC time at virtual 0, in ms
    bool numLock = true;
    bool echo = false;
    bool created = false;
    bool quitPosted = false;
    int quitCode = 0;
    int status = 0;
    uint32_t now = 0;
    uint32_t voiceEndsAt = 0;
    uint64_t presents = 0;
    uint64_t sleeps = 0;
    std::deque<Message> queue;
    std::vector<ScriptCommand> script;
    size_t nextCommand = 0;
    bool scripted = false;
    std::istream* stream = nullptr;  // while a streamed script has lines to come
    ScriptCursor cursor;
    DoubleClickDetector doubleClicks;
    std::vector<uint16_t> frame;
    int frameW = 0;
    int frameH = 0;
    std::vector<SoundEvent> soundLog;
    std::vector<std::string> eventLog;
    std::vector<std::u16string> addresses;
    std::vector<std::u16string> notices;
};

// The active backend as the headless one, or null when the SDL backend runs.
HeadlessBackend* headlessBackend();
// Makes a fresh headless backend active with these options and returns it (tests use this).
HeadlessBackend& resetHeadlessBackend(const LaunchOptions& options = LaunchOptions{});

// Writes RGB565 pixels as an 8-bit RGB PNG.
bool writePng565(const std::string& path, const uint16_t* pixels, int width, int height);

}  // namespace platform
