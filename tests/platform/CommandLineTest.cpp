// The command line and the headless runner's script language.
#include <gtest/gtest.h>

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
    std::string out;
    std::string err;
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

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        out.push_back(text.substr(start, end - start));
    if (start < text.size()) out.push_back(text.substr(start));
    return out;
}

}  // namespace

TEST(CommandLine, ReadsEveryOption) {
    const Parsed window = parse({"--screen", "240x320", "--task-bar", "26", "--fullscreen", "--data-dir", "/tmp/vx"});
    EXPECT_EQ(window.status, -1);
    const LaunchOptions& o = window.options;
    EXPECT_EQ(std::tuple(o.screenWidth, o.screenHeight, o.taskBarHeight, o.fullscreen, o.dataDir, o.headless),
              std::tuple(240, 320, 26, true, std::string("/tmp/vx"), false));

    const Parsed runner = parse({"--headless", "--script", "play.txt", "--minute", "59"});
    EXPECT_EQ(runner.status, -1);
    const LaunchOptions& r = runner.options;
    EXPECT_EQ(std::tuple(r.headless, r.scriptPath, r.minute, r.screenWidth, r.screenHeight),
              std::tuple(true, std::string("play.txt"), 59, 480, 640));

    const Parsed help = parse({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("usage: vortellanox")) << help.out;
    EXPECT_EQ(parse({"-h"}).out, help.out);
    // The tallest task bar that still leaves a row when the device turns.
    EXPECT_EQ(parse({"--screen", "240x320", "--task-bar", "239"}).status, -1);
    EXPECT_EQ(parse({"--version"}).status, 0);
}

// Every mistake ends the program with status 2, one line saying what is wrong and then the usage,
// all on standard error.
TEST(CommandLine, RejectsUnknownOptionsAndBadValues) {
    const std::vector<std::vector<std::string>> mistakes = {
        {"--bogus"},
        {"-screen", "240x320"},
        {"--screen", "abc"},
        {"--screen", "241x320"},
        {"--screen", "240x320x2"},
        {"--screen", "9999999x320"},
        {"--task-bar", "-3"},
        {"--task-bar", "2a"},
        {"--screen", "240x320", "--task-bar", "240"},  // nothing left of the turned screen
        {"--task-bar", "480"},
        {"--minute", "60"},
        {"--headless", "--minute", "5"},
        {"--script", "play.txt"},
        {"--data-dir", ""},
    };
    for (const auto& args : mistakes) {
        std::string shown;
        for (const std::string& arg : args) shown += arg + " ";
        SCOPED_TRACE(shown);
        const Parsed parsed = parse(args);
        EXPECT_EQ(parsed.status, 2);
        EXPECT_EQ(parsed.out, "");
        const std::vector<std::string> said = lines(parsed.err);
        ASSERT_GE(said.size(), 2u);
        EXPECT_TRUE(said[0].starts_with("vortellanox: ")) << said[0];
        EXPECT_TRUE(said[1].starts_with("usage: vortellanox")) << said[1];
        for (size_t i = 2; i < said.size(); ++i) EXPECT_TRUE(said[i].starts_with(" ")) << said[i];
    }
    EXPECT_NE(parse({"--bogus"}).err.find("--bogus"), std::string::npos);
}

TEST(Scripts, ErrorsNameTheirLine) {
    const std::pair<std::string, std::string> mistakes[] = {
        {"key 49\n\njump 3\n", "line 3: "},
        {"wait -5\n", "line 1: "},
        {"# c\nwait 1.5\n", "line 2: "},
        {"key 0\n", "line 1: "},
        {"key\n", "line 1: "},
        {"tap 1 40000\n", "line 1: "},
        {"type 12a\n", "line 1: "},
        {"rotate now\n", "line 1: "},
        {"wait 3600001\n", "line 1: "},  // over an hour
        {"wait 3600000\nkey 49\nwait 1\n", "line 3: "},
        {std::string(5000, 'k') + "\n", "line 1: "},
        {"close 1\n", "line 1: "},
        {"pad guide\n", "line 1: "},
        {"pad-up\n", "line 1: "},
    };
    for (const auto& [text, prefix] : mistakes) {
        SCOPED_TRACE(text);
        std::vector<ScriptCommand> commands;
        std::string error;
        EXPECT_FALSE(parseScript(text, commands, error));
        EXPECT_TRUE(error.starts_with(prefix)) << error;
        EXPECT_GT(error.size(), prefix.size());
    }
}
