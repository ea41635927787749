// Number text, the generator the game was balanced on, and sounds through the headless backend's one voice.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>

#include "platform/common/Wave.h"
#include "platform/headless/HeadlessBackend.h"
#include "support/NumberText.h"
#include "support/Random.h"
#include "support/Sound.h"

TEST(NumberText, FormatsDecimalsAndReadsTypedAnswersWithinThirtyTwoBits) {
    WString text = u"0:";
    for (int32_t value : {0, 7, -12}) appendDecimal(text, value);
    EXPECT_EQ(text, u"0:07-12");
    setDecimal(text, INT32_MIN);
    EXPECT_EQ(text, u"-2147483648");
    const std::pair<const char16_t*, int32_t> typed[] = {
        {u"007", 7},
        {u"", 0},
        {u" \t-45x9", -45},
        {u"- 8", 0},
        {u"99999999999999999999", INT32_MAX},
        {u"-99999999999999999999", INT32_MIN}};  // stops at the limit, never wraps
    for (auto [answer, value] : typed) EXPECT_EQ(parseAnswer(answer), value) << value;
    std::mt19937 random(7);
    for (int i = 0; i < 1000; ++i) {
        const auto value = static_cast<int32_t>(random());
        setDecimal(text, value);
        ASSERT_EQ(parseAnswer(text), value);
    }
}

TEST(Random, RepeatsTheCRuntimeSequenceAndKeepsRangesInBounds) {
    seedRandom(1);
    for (int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(nextRandom(), expected);
    seedRandom(59);
    for (int expected : {231, 19283, 26648}) EXPECT_EQ(nextRandom(), expected);
    seedRandom(1);
    EXPECT_EQ(randomInRange(-10, 10), -10 + 41 % 21);
    std::set<int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        EXPECT_EQ(randomInRange(0, 0), 0);
        seen.insert(randomInRange(4, 16));
    }
    EXPECT_TRUE(seen.size() == 13u && *seen.begin() == 4 && *seen.rbegin() == 16);
    EXPECT_EQ(randomInRange(INT32_MIN, INT32_MAX), 0);  // a range of 2^32 values counts as empty
}

// One voice: nothing plays while the switch is off; a no-stop tick does not interrupt a sound still
// playing and is dropped; once that sound has ended the tick is heard, and any ordinary sound cuts off
// the one playing. The runner prints a line for each sound that played, none for a dropped one or for
// one that does not exist. Every build embeds its sounds: a missing one fails rather than passing unseen.
TEST(Sounds, TheSwitchAndTheOneVoice) {
    platform::HeadlessBackend& backend = platform::resetHeadlessBackend();
    const uint32_t correct =
        platform::parseWave(platform::findResource(platform::ResourceType::Wave, 108)).durationMs();
    ASSERT_GT(correct, 0u);
    const Sound correctSound{0, 108}, tickSound{platform::SND_NOSTOP, 114};
    soundOn = false;
    correctSound.playSound();
    tickSound.playSound();
    EXPECT_TRUE(backend.sounds().empty());
    soundOn = true;

    backend.setEcho(true);
    ::testing::internal::CaptureStdout();
    backend.advance(7);
    Sound{0, 0x10000 + 108}.playSound();  // only the id's low 16 bits name the resource
    Sound{0, 999}.playSound();            // no such sound: nothing plays, nothing is cut off
    backend.advance(correct - 1);
    tickSound.playSound();
    EXPECT_EQ(backend.sounds().size(), 1u);
    backend.advance(1);
    tickSound.playSound();
    correctSound.playSound();  // cuts the tick off
    backend.finish();
    const std::string end = std::to_string(7 + correct);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "sound 108 at 7\nsound 114 at " + end + "\nsound 108 at " + end + "\n");
    platform::resetHeadlessBackend();
}
