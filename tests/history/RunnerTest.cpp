// What the history needs from the program and its runner: a script read from a pipe as it arrives,
// the calendar date of the virtual clock, the event log, and --export-history on the command line.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <thread>

#include "common/DataRootTest.h"
#include "platform/headless/HeadlessBackend.h"

using namespace platform;

namespace {

std::string output(const std::string& command, int& status) {
    std::FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    std::string text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
    status = WEXITSTATUS(pclose(pipe));
    return text;
}

TEST(Runner, AStreamedScriptRunsAsTheSameScriptFromAFile) {
    LaunchOptions options;
    options.date = 20'794;  // 2026-12-07
    HeadlessBackend& backend = resetHeadlessBackend(options);
    std::istringstream lines("key 49\nwait 100\n# a comment\nkey 50\nwait 40\n");
    backend.streamScript(lines);
    std::vector<std::pair<uint32_t, uint32_t>> keys;
    Message message;
    while (backend.getMessage(message)) {
        if (message.message == WM_KEYDOWN) keys.push_back({backend.tickCount(), message.wParam});
        if (message.message == WM_CLOSE) backend.postQuitMessage(0);
        backend.sleepMs(25);  // a frame
    }
    EXPECT_EQ(keys, (std::vector<std::pair<uint32_t, uint32_t>>{{0, 49}, {100, 50}}));
    // The trailing wait is served before the end of the input closes the run.
    EXPECT_GE(backend.tickCount(), 140u);

    const SystemTime date = systemTimeUtc();
    EXPECT_EQ(date.year * 10000 + date.month * 100 + date.day, 20261207);
    EXPECT_EQ(utcMilliseconds(), 20'794 * 86'400'000LL + backend.tickCount());
    logEvent("posed 7 x 8");
    EXPECT_EQ(backend.events().back(), "posed 7 x 8 at " + std::to_string(backend.tickCount()));
    resetHeadlessBackend();
}

class Program : public DataRootTest {};

// A script fed through a pipe is acted on line by line while the pipe stays open.
TEST_F(Program, PlaysAScriptFromAPipeAsItArrives) {
    const std::string shot = (root / "menu.png").string();
    const std::string command = std::string(VX_EXECUTABLE) + " --headless --script - --date 2026-12-07 --data-dir " +
                                root.string() + " >/dev/null 2>&1";
    std::FILE* pipe = popen(command.c_str(), "w");
    ASSERT_NE(pipe, nullptr);
    std::fprintf(pipe, "wait 200\nshot %s\n", shot.c_str());
    std::fflush(pipe);
    for (int i = 0; i < 600 && !std::filesystem::exists(shot); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(std::filesystem::exists(shot));
    std::fprintf(pipe, "close\n");
    EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 0);
}

TEST_F(Program, ExportsWithoutStartingAndRefusesBadDates) {
    int status = -1;
    const std::string program = std::string(VX_EXECUTABLE) + " --data-dir " + root.string();
    EXPECT_EQ(output(program + " --export-history -", status),
              "time,mode,operation,first,second,expected,typed,outcome,ms\r\n");
    EXPECT_EQ(status, 0);
    output(program + " --export-history " + (root / "no" / "such.csv").string(), status);
    EXPECT_EQ(status, 1);
    for (const char* date : {"2026-02-29", "2026-13-01", "26-12-07", "1969-12-31", "2026-12-7x"}) {
        output(program + " --headless --script - --date " + date + " </dev/null", status);
        EXPECT_EQ(status, 2) << date;
    }
}

}  // namespace
