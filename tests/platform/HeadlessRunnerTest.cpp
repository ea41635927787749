// The headless runner: scripted input at its virtual times, and the lines it prints for the answers
// typed. (Sounds are tests/support's, shots and a streamed script the program's, in tests/scripts.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/HeadlessBackend.h"

using namespace platform;

namespace {

class HeadlessRunner : public ::testing::Test {
protected:
    HeadlessBackend* backend = &resetHeadlessBackend();

    void TearDown() override {
        setAnswerQuery(nullptr);
        resetHeadlessBackend();
    }

    void script(const std::string& text) {
        std::vector<ScriptCommand> commands;
        std::string error;
        ASSERT_TRUE(parseScript(text, commands, error)) << error;
        backend->setScript(std::move(commands));
    }

    // Reads messages as an inactive program would, until the quit message, each as "time message wParam",
    // or "time message x,y" for the stylus.
    std::vector<std::string> pump() {
        std::vector<std::string> seen;
        for (Message m; seen.size() < 1000 && backend->getMessage(m);) {
            const std::string head = std::to_string(backend->tickCount()) + " " + std::to_string(m.message) + " ";
            seen.push_back(m.message >= WM_MOUSEMOVE
                               ? head + std::to_string(pointX(m.lParam)) + "," + std::to_string(pointY(m.lParam))
                               : head + std::to_string(m.wParam));
            if (m.message == WM_CLOSE) backend->postQuitMessage(0);
        }
        return seen;
    }
};

}  // namespace

// Commands happen at their virtual times; the clock jumps over the waits while nothing is pending;
// when the script has run out, and its last waits have passed, the window is closed for it. '#' begins a
// comment, except in the digits of "type", where it is the phone's hash key. Pad buttons send their
// keys (Start the star).
TEST_F(HeadlessRunner, ScriptedInputArrivesAtItsTimes) {
    script(
        "# a comment\nkey 49 # one\n\nwait 100\ntap 5 6\nwait 20\nwait 30\ntype 2*#  # hash\nwait 10\nrotate\n"
        "pad start\npad-down dpUp\nwait 5\npad-up dpup\npad a\nwait 15\nwait 25\n");
    const std::vector<std::string> got = pump(),
                                   expected = {
                                       "0 256 49",    "0 257 49",    "100 513 5,6", "100 514 5,6", "150 256 50",
                                       "150 257 50",  "150 256 119", "150 257 119", "150 256 120", "150 257 120",
                                       "160 6 0",     "160 6 1",     "160 256 119", "160 257 119", "160 256 203",
                                       "165 257 203", "165 256 195", "165 257 195", "205 16 0",
                                   };
    EXPECT_EQ(got, expected);
    EXPECT_EQ(backend->screenWidth(), 640);
    EXPECT_EQ(backend->screenHeight(), 480);
}

// "answer" with no problem posed fails the run, naming its line. (What it types is checked against
// the program's history in tests/scripts/history.sh.)
TEST_F(HeadlessRunner, AnswerWithNoProblemPosedFailsTheRun) {
    setAnswerQuery([](std::string&, std::string&) { return false; });
    script("key 49\nanswer\n");
    ::testing::internal::CaptureStderr();
    pump();
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("line 2: answer"), std::string::npos);
    EXPECT_EQ(backend->finish(), 2);
}
