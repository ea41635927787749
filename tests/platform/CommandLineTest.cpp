// The command line, and the headless runner's scripts: their mistakes and their input at its times.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "platform/common/LaunchOptions.h"
#include "platform/headless/HeadlessBackend.h"  // the script parser

using namespace platform;

namespace {

struct Parsed {
    int status = 0;
    LaunchOptions options;
    std::string out, err;
};

Parsed parse(std::vector<std::string> args) {
    args.insert(args.begin(), "vortellanox");
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    Parsed parsed;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    parsed.status = parseCommandLine(static_cast<int>(args.size()), argv.data(), parsed.options);
    parsed.err = ::testing::internal::GetCapturedStderr();
    parsed.out = ::testing::internal::GetCapturedStdout();
    return parsed;
}

}  // namespace

TEST(CommandLine, ReadsEveryOption) {
    const Parsed window = parse({"--screen", "240x320", "--task-bar", "26", "--fullscreen", "--data-dir", "/tmp/vx"});
    const LaunchOptions& o = window.options;
    EXPECT_EQ(
        std::tuple(window.status, o.screenWidth, o.screenHeight, o.taskBarHeight, o.fullscreen, o.dataDir, o.headless),
        std::tuple(-1, 240, 320, 26, true, std::string("/tmp/vx"), false));
    const Parsed runner = parse({"--headless", "--script", "play.txt", "--minute", "59"});
    const LaunchOptions& r = runner.options;
    EXPECT_EQ(std::tuple(runner.status, r.headless, r.scriptPath, r.minute, r.screenWidth, r.screenHeight),
              std::tuple(-1, true, std::string("play.txt"), 59, 480, 640));

    // The tallest task bar that still leaves a row when the device turns.
    EXPECT_EQ(parse({"--screen", "240x320", "--task-bar", "239"}).status, -1);
    const Parsed version = parse({"--version"});
    EXPECT_TRUE(version.status == 0 && version.out.starts_with("vortellanox ")) << version.out;
}

// Every mistake ends the program with status 2, one line saying what is wrong and then the usage,
// all on standard error. (A task bar of 240 leaves nothing of the turned 240 x 320 screen.)
TEST(CommandLine, RejectsUnknownOptionsAndBadValues) {
    const std::vector<std::string> mistakes[] = {{"--bogus"},
                                                 {"-screen", "240x320"},
                                                 {"--screen", "abc"},
                                                 {"--screen", "241x320"},
                                                 {"--screen", "240x320x2"},
                                                 {"--screen", "9999999x320"},
                                                 {"--task-bar", "-3"},
                                                 {"--task-bar", "2a"},
                                                 {"--screen", "240x320", "--task-bar", "240"},
                                                 {"--task-bar", "480"},
                                                 {"--minute", "60"},
                                                 {"--headless", "--minute", "5"},
                                                 {"--script", "play.txt"},
                                                 {"--data-dir", ""},
                                                 {"--headless", "--date", "2026-02-29"},
                                                 {"--headless", "--date", "2026-13-01"},
                                                 {"--headless", "--date", "26-12-07"},
                                                 {"--headless", "--date", "1969-12-31"},
                                                 {"--headless", "--date", "2026-12-7x"},
                                                 {"--date", "2026-12-07"}};
    for (const std::vector<std::string>& args : mistakes) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const Parsed parsed = parse(args);
        EXPECT_EQ(std::tie(parsed.status, parsed.out), std::tuple(2, ""));
        std::istringstream said(parsed.err);
        std::string line;
        ASSERT_TRUE(std::getline(said, line));
        EXPECT_TRUE(line.starts_with("vortellanox: ")) << line;
        ASSERT_TRUE(std::getline(said, line));
        EXPECT_TRUE(line.starts_with("usage: vortellanox")) << line;
        while (std::getline(said, line)) EXPECT_TRUE(line.starts_with(" ")) << line;
    }
}

// Each mistake lies on its script's last line, which the error names; waits of over an hour, in one
// command or in all, are mistakes too.
TEST(Scripts, ErrorsNameTheirLine) {
    for (const std::string& text : std::initializer_list<std::string>{
             "key 49\n\njump 3\n", "wait -5\n", "# c\nwait 1.5\n", "key 0\n", "key\n", "tap 1 40000\n", "type 12a\n",
             "rotate now\n", "wait 3600001\n", "wait 3600000\nkey 49\nwait 1\n", "close 1\n", "pad guide\n", "pad-up\n",
             std::string(5000, 'k') + "\n"}) {
        SCOPED_TRACE(text.substr(0, 40));
        const std::string prefix = "line " + std::to_string(std::count(text.begin(), text.end(), '\n')) + ": ";
        std::vector<ScriptCommand> commands;
        std::string error;
        EXPECT_FALSE(parseScript(text, commands, error));
        EXPECT_TRUE(error.starts_with(prefix) && error.size() > prefix.size()) << error;
    }
}

// Commands happen at their virtual times; the clock jumps over the waits while nothing is pending;
// when the script has run out, and its last waits have passed, the window is closed for it. '#' begins a
// comment, except in the digits of "type", where it is the phone's hash key. Pad buttons send their
// keys (Start the star). (Sounds are tests/support's; shots, "answer" and a streamed script need the
// program, in tests/scripts.)
TEST(Scripts, InputArrivesAtItsTimes) {
    HeadlessBackend& backend = resetHeadlessBackend();
    std::vector<ScriptCommand> commands;
    std::string error;
    ASSERT_TRUE(
        parseScript("# a comment\nkey 49 # one\n\nwait 100\ntap 5 6\nwait 20\nwait 30\ntype 2*#  # hash\n"
                    "wait 10\nrotate\npad start\npad-down dpUp\nwait 5\npad-up dpup\npad a\nwait 15\nwait 25\n",
                    commands, error))
        << error;
    backend.setScript(std::move(commands));
    // Read as an inactive program reads them, until the quit message: "time message wParam;", or
    // "time message x,y;" for the stylus.
    std::string seen;
    for (Message m; seen.size() < 20000 && backend.getMessage(m);) {
        seen += std::to_string(backend.tickCount()) + " " + std::to_string(m.message) + " " +
                (m.message >= WM_MOUSEMOVE ? std::to_string(pointX(m.lParam)) + "," + std::to_string(pointY(m.lParam))
                                           : std::to_string(m.wParam)) +
                ";";
        if (m.message == WM_CLOSE) backend.postQuitMessage(0);
    }
    EXPECT_EQ(seen,
              "0 256 49;0 257 49;100 513 5,6;100 514 5,6;150 256 50;150 257 50;150 256 119;150 257 119;150 256 120;"
              "150 257 120;160 6 0;160 6 1;160 256 119;160 257 119;160 256 203;165 257 203;165 256 195;165 257 195;"
              "205 16 0;");
    EXPECT_EQ(std::tuple(backend.screenWidth(), backend.screenHeight()), std::tuple(640, 480));
    resetHeadlessBackend();
}
