// The headless runner: scripted input at its virtual times, shots of the presented frame, and the
// lines it prints for the sounds played and the answers typed.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/common/Wave.h"
#include "platform/headless/HeadlessBackend.h"

using namespace platform;

namespace {

struct Timed {
    uint32_t at;
    Message message;
};

class HeadlessRunner : public ::testing::Test {
protected:
    HeadlessBackend& backend = resetHeadlessBackend();
    std::filesystem::path folder;

    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("vx-runner-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        std::filesystem::remove_all(folder);
        setProblemQuery(nullptr);
        resetHeadlessBackend();
    }

    void script(const std::string& text) {
        std::vector<ScriptCommand> commands;
        std::string error;
        ASSERT_TRUE(parseScript(text, commands, error)) << error;
        backend.setScript(std::move(commands));
    }

    // Reads messages as an inactive program would, until the quit message, with their times.
    std::vector<Timed> pump() {
        std::vector<Timed> seen;
        Message message;
        while (backend.getMessage(message)) {
            seen.push_back({backend.tickCount(), message});
            if (message.message == WM_CLOSE) backend.postQuitMessage(0);
            if (seen.size() > 1000) break;
        }
        return seen;
    }
};

// The pixels of an RGB PNG, or nothing when it cannot be read.
std::vector<uint8_t> readPng(const std::string& path, int& width, int& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return pixels;
}

// "time message wParam", or "time message x,y" for the stylus.
std::string describe(const Timed& timed) {
    const Message& m = timed.message;
    const std::string head = std::to_string(timed.at) + " " + std::to_string(m.message) + " ";
    if (m.message >= WM_MOUSEMOVE)
        return head + std::to_string(pointX(m.lParam)) + "," + std::to_string(pointY(m.lParam));
    return head + std::to_string(m.wParam);
}

bool playedProblem(PosedProblem& problem) {
    problem = {12, 'x', 3, 36};
    return true;
}
bool noProblem(PosedProblem&) { return false; }

}  // namespace

// Commands happen at their virtual times; the clock jumps over the waits while nothing is pending;
// when the script has run out the window is closed for it.
TEST_F(HeadlessRunner, ScriptedInputArrivesAtItsTimes) {
    script("key 49\nwait 100\ntap 5 6\nwait 50\ntype 2*#\nwait 10\nrotate\n");
    std::vector<std::string> got;
    for (const Timed& timed : pump()) got.push_back(describe(timed));
    const std::vector<std::string> expected = {
        "0 256 49",    "0 257 49",    "100 513 5,6", "100 514 5,6", "150 256 50", "150 257 50", "150 256 119",
        "150 257 119", "150 256 120", "150 257 120", "160 6 0",     "160 6 1",    "160 16 0",
    };
    EXPECT_EQ(got, expected);
    EXPECT_EQ(backend.screenWidth(), 640);
    EXPECT_EQ(backend.screenHeight(), 480);
}

// A shot writes the frame as last presented when the shot's time came, even in the middle of a sleep.
TEST_F(HeadlessRunner, ShotsWriteTheFramePresentedAtTheirTime) {
    const std::string first = (folder / "first.png").string(), second = (folder / "second.png").string();
    script("wait 50\nshot " + first + "\nwait 50\nshot " + second + "\n");
    std::vector<uint16_t> frame(6 * 4, 0xF800);
    frame[6 * 4 - 1] = 0x07E0;
    backend.present(frame.data(), 6, 4);
    backend.sleepMs(75);
    std::fill(frame.begin(), frame.end(), 0xFFFF);
    backend.present(frame.data(), 6, 4);
    backend.sleepMs(75);
    EXPECT_EQ(backend.finish(), 0);

    int width = 0, height = 0;
    std::vector<uint8_t> pixels = readPng(first, width, height);
    ASSERT_EQ(pixels.size(), 6u * 4 * 3);
    EXPECT_EQ(width, 6);
    EXPECT_EQ(height, 4);
    EXPECT_EQ((std::vector<uint8_t>(pixels.begin(), pixels.begin() + 3)), (std::vector<uint8_t>{255, 0, 0}));
    EXPECT_EQ((std::vector<uint8_t>(pixels.end() - 3, pixels.end())), (std::vector<uint8_t>{0, 255, 0}));
    pixels = readPng(second, width, height);
    ASSERT_EQ(pixels.size(), 6u * 4 * 3);
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](uint8_t v) { return v == 255; }));
}

TEST_F(HeadlessRunner, ShotThatCannotBeWrittenFailsTheRun) {
    script("shot " + (folder / "before-any-frame.png").string() + "\n");
    ::testing::internal::CaptureStderr();
    pump();
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("line 1"), std::string::npos);
    EXPECT_EQ(backend.finish(), 2);

    resetHeadlessBackend();
    HeadlessBackend& fresh = *headlessBackend();
    const uint16_t pixel = 0;
    fresh.present(&pixel, 1, 1);
    EXPECT_FALSE(fresh.writeShot((folder / "no-such-folder" / "x.png").string()));
}

// "answer" types the posed problem's result as digit keys and prints the problem; with no problem
// posed the run fails, naming the line.
TEST_F(HeadlessRunner, AnswerTypesTheResultAndPrintsTheProblem) {
    setProblemQuery(playedProblem);
    backend.setEcho(true);
    script("wait 40\nanswer\n");
    ::testing::internal::CaptureStdout();
    const std::vector<Timed> seen = pump();
    EXPECT_EQ(backend.finish(), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "problem 12 x 3 = 36 at 40\n");
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(seen[0].message.wParam, '3');
    EXPECT_EQ(seen[2].message.wParam, '6');
    EXPECT_EQ(seen[3].at, 40u);

    HeadlessBackend& fresh = resetHeadlessBackend();
    setProblemQuery(noProblem);
    std::vector<ScriptCommand> commands;
    std::string error;
    ASSERT_TRUE(parseScript("key 49\nanswer\n", commands, error));
    fresh.setScript(std::move(commands));
    ::testing::internal::CaptureStderr();
    Message message;
    while (fresh.getMessage(message))
        if (message.message == WM_CLOSE) fresh.postQuitMessage(0);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("line 2: answer"), std::string::npos);
    EXPECT_EQ(fresh.finish(), 2);
}

// The runner prints one line for each sound that played, never for a dropped one.
TEST_F(HeadlessRunner, PrintsTheSoundsThatPlayed) {
    const uint32_t length = parseWave(findResource(ResourceType::Wave, 108)).durationMs();
    if (length == 0 || !parseWave(findResource(ResourceType::Wave, 114)).valid())
        GTEST_SKIP() << "this build embeds no WAVE resources 108 and 114";
    backend.setEcho(true);
    ::testing::internal::CaptureStdout();
    backend.sleepMs(7);
    backend.playSound(108, 0);
    backend.sleepMs(1);
    backend.playSound(114, SND_NOSTOP);
    backend.playSound(999, 0);  // no such sound: nothing plays
    backend.sleepMs(length);
    backend.playSound(114, SND_NOSTOP);
    backend.finish();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "sound 108 at 7\nsound 114 at " + std::to_string(8 + length) + "\n");
}
