// What the history needs from the program and its runner: a script read from a pipe as it arrives,
// the calendar date of the virtual clock, the event log, and --export-history on the command line.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
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

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, at);) parts.push_back(part);
    return parts;
}

// Milliseconds since midnight of "2026-12-07T00:01:02.250Z".
int64_t msOfDay(const std::string& time) {
    return std::stoll(time.substr(11, 2)) * 3'600'000 + std::stoll(time.substr(14, 2)) * 60'000 +
           std::stoll(time.substr(17, 2)) * 1000 + std::stoll(time.substr(20, 3));
}

class Program : public DataRootTest {
protected:
    std::string program() const { return std::string(VX_EXECUTABLE) + " --data-dir " + root.string(); }
    // The headless game on a script, on the day the tests use; its standard output.
    std::string play(const std::string& script, int& status) const {
        const std::filesystem::path file = root.parent_path() / (root.filename().string() + ".script");
        std::ofstream(file) << script;
        const std::string out =
            output(program() + " --headless --date 2026-12-07 --minute 5 --script " + file.string(), status);
        std::filesystem::remove(file);
        return out;
    }
    // The exported answers, each split at its commas (no field holds one), without the header.
    std::vector<std::vector<std::string>> exported() const {
        int status = -1;
        std::vector<std::vector<std::string>> rows;
        for (std::string line : split(output(program() + " --export-history -", status), '\n')) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            rows.push_back(split(line + ",", ','));
        }
        EXPECT_EQ(status, 0);
        if (!rows.empty()) rows.erase(rows.begin());
        return rows;
    }
};

// The game's answers as the history exports them, against the problems the runner saw posed and the
// virtual times the script typed at: each try one row, a wrong try leaving the same problem posed (no
// new posed line), and the problem left when the clock ran out.
TEST_F(Program, EveryTryIsRememberedAsItWasPosedAndTimed) {
    int status = -1;
    const std::string out = play(
        "key 49\nwait 100\nkey 49\nwait 300\nanswer\nwait 700\nanswer\nwait 200\ntype 1\nwait 250\nanswer\n"
        "wait 70000\nclose\n",
        status);
    ASSERT_EQ(status, 0);
    std::vector<std::pair<std::string, int64_t>> posed;  // "A OP B", virtual ms
    for (const std::string& line : split(out, '\n')) {
        if (line.rfind("posed ", 0) != 0) continue;
        const size_t at = line.find(" at ");
        posed.push_back({line.substr(6, at - 6), std::stoll(line.substr(at + 4))});
    }
    ASSERT_EQ(posed.size(), 4u) << out;
    ASSERT_EQ(posed[2].first, "18 / 2") << "the seed's third problem must have a one-digit result other than 1";

    const auto rows = exported();
    ASSERT_EQ(rows.size(), 5u);
    const std::vector<size_t> problemOf = {0, 1, 2, 2, 3};
    const std::vector<std::string> outcomes = {"right", "right", "wrong", "right", "timeout"};
    const std::vector<int> ms = {300, 700, 200, 450};
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        const std::vector<std::string>& row = rows[i];
        ASSERT_EQ(row.size(), 9u);
        EXPECT_EQ(row[1], "arcade");
        EXPECT_EQ(row[3] + ' ' + row[2] + ' ' + row[4], posed[problemOf[i]].first);
        EXPECT_EQ(msOfDay(row[0]), posed[problemOf[i]].second) << "shown when it was posed";
        EXPECT_EQ(row[7], outcomes[i]);
        if (i < ms.size()) {
            EXPECT_EQ(row[8], std::to_string(ms[i]));
        }
    }
    EXPECT_EQ(rows[2][6], "1");
    EXPECT_EQ(rows[4][6], "") << "nothing typed before the clock ran out";
    EXPECT_GT(std::stoi(rows[4][8]), 20'000);
}

// kill -9 in the middle of a game played through a pipe (each line acted on as it arrives): every
// answer judged before it is in the history, which the next start opens as it is.
TEST_F(Program, AKillDuringPlayKeepsEveryJudgedAnswer) {
    const std::string shot = (root / "played.png").string();
    const std::string pidFile = (root / "pid").string();
    const std::string command = "sh -c 'echo $$ >" + pidFile + "; exec " + program() +
                                " --headless --date 2026-12-07 --script -' >/dev/null 2>&1";
    std::FILE* pipe = popen(command.c_str(), "w");
    ASSERT_NE(pipe, nullptr);
    std::fprintf(pipe, "key 49\nwait 100\nkey 49\nwait 300\nanswer\nwait 300\nanswer\nwait 300\nanswer\n");
    std::fprintf(pipe, "wait 100\nshot %s\n", shot.c_str());
    std::fflush(pipe);
    for (int i = 0; i < 600 && exported().size() < 3; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream pidIn(pidFile);
    pid_t pid = 0;
    pidIn >> pid;
    ASSERT_GT(pid, 0);
    kill(pid, SIGKILL);
    pclose(pipe);
    EXPECT_EQ(exported().size(), 3u);
    int status = -1;
    play("close\n", status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(exported().size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(root / "history-2026-12-07.sqlite")) << "nothing set aside";
}

// A history of random bytes is set aside; the game is played and remembered in a new one.
TEST_F(Program, ADamagedHistoryNeverStopsAGame) {
    std::mt19937 random(7);
    std::string junk(8192, '\0');
    for (char& byte : junk) byte = static_cast<char>(random());
    putBytes("history.sqlite", junk);
    int status = -1;
    const std::string out = play("key 49\nwait 100\nkey 49\nwait 300\nanswer\nwait 300\nanswer\nclose\n", status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("posed"), std::string::npos);
    EXPECT_EQ(bytesOf("history-2026-12-07.sqlite"), junk);
    EXPECT_EQ(exported().size(), 2u);
}

TEST_F(Program, ExportsWithoutStartingAndRefusesBadDates) {
    int status = -1;
    EXPECT_EQ(output(program() + " --export-history -", status),
              "time,mode,operation,first,second,expected,typed,outcome,ms\r\n");
    EXPECT_EQ(status, 0);
    output(program() + " --export-history " + (root / "no" / "such.csv").string(), status);
    EXPECT_EQ(status, 1);
    for (const char* date : {"2026-02-29", "2026-13-01", "26-12-07", "1969-12-31", "2026-12-7x"}) {
        output(program() + " --headless --script - --date " + date + " </dev/null", status);
        EXPECT_EQ(status, 2) << date;
    }
}

}  // namespace
