// The command line and the headless runner's script language.
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

    const Parsed help = parse({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("usage: vortellanox")) << help.out;
    EXPECT_EQ(parse({"-h"}).out, help.out);
    // The tallest task bar that still leaves a row when the device turns.
    EXPECT_EQ(parse({"--screen", "240x320", "--task-bar", "239"}).status, -1);
    const Parsed version = parse({"--version"});
    EXPECT_TRUE(version.status == 0 && version.out.starts_with("vortellanox ")) << version.out;
}

// Every mistake ends the program with status 2, one line saying what is wrong and then the usage,
// all on standard error. (A task bar of 240 leaves nothing of the turned 240 x 320 screen.)
TEST(CommandLine, RejectsUnknownOptionsAndBadValues) {
    for (const std::string mistake : {"--bogus",
                                      "-screen 240x320",
                                      "--screen abc",
                                      "--screen 241x320",
                                      "--screen 240x320x2",
                                      "--screen 9999999x320",
                                      "--task-bar -3",
                                      "--task-bar 2a",
                                      "--screen 240x320 --task-bar 240",
                                      "--task-bar 480",
                                      "--minute 60",
                                      "--headless --minute 5",
                                      "--script play.txt",
                                      "--data-dir ",
                                      "--headless --date 2026-02-29",
                                      "--headless --date 2026-13-01",
                                      "--headless --date 26-12-07",
                                      "--headless --date 1969-12-31",
                                      "--headless --date 2026-12-7x",
                                      "--date 2026-12-07"}) {
        SCOPED_TRACE(mistake);
        std::vector<std::string> args;
        std::istringstream words(mistake);
        for (std::string word; std::getline(words, word, ' ');) args.push_back(word);
        if (mistake.ends_with(' ')) args.push_back("");
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
    EXPECT_NE(parse({"--bogus"}).err.find("--bogus"), std::string::npos);
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
