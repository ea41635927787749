// The generator the game was balanced on, and sounds through the headless backend's one voice.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "platform/common/Wave.h"
#include "platform/headless/HeadlessBackend.h"
#include "support/Random.h"
#include "support/Sound.h"

// The C runtime's sequence for a seed, and ranges that keep within their bounds and reach every value.
TEST(Random, RepeatsTheCRuntimeSequenceAndKeepsRangesInBounds) {
    seedRandom(1);
    for (int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(nextRandom(), expected);
    seedRandom(59);
    for (int expected : {231, 19283, 26648}) EXPECT_EQ(nextRandom(), expected);
    seedRandom(1);
    EXPECT_EQ(randomInRange(4, 16), 4 + 41 % 13);
    EXPECT_EQ(randomInRange(-10, 10), -10 + 18467 % 21);
    std::set<int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        EXPECT_EQ(randomInRange(0, 0), 0);
        const int32_t value = randomInRange(4, 16);
        ASSERT_GE(value, 4);
        ASSERT_LE(value, 16);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 13u);
    EXPECT_EQ(randomInRange(INT32_MIN, INT32_MAX), 0);  // a range of 2^32 values counts as empty
}

class Sounds : public ::testing::Test {
protected:
    platform::HeadlessBackend& backend = platform::resetHeadlessBackend();
    void TearDown() override {
        soundOn = true;
        platform::resetHeadlessBackend();
    }
    static Sound make(int32_t id, uint32_t flags = 0) { return Sound{flags, id}; }
    // Every build embeds its sounds: a missing one fails here rather than passing unseen.
    static uint32_t durationMs(int id) {
        const uint32_t ms = platform::parseWave(platform::findResource(platform::ResourceType::Wave, id)).durationMs();
        EXPECT_GT(ms, 0u) << "no WAVE resource " << id;
        return ms;
    }
};

TEST_F(Sounds, NothingPlaysWhileTheSwitchIsOff) {
    ASSERT_GT(durationMs(108), 0u);
    soundOn = false;
    make(108).playSound();
    make(108, platform::SND_NOSTOP).playSound();
    EXPECT_TRUE(backend.sounds().empty());
    EXPECT_FALSE(soundOn);
    soundOn = true;
    make(0x10000 + 108).playSound();  // only the id's low 16 bits name the resource
    ASSERT_EQ(backend.sounds().size(), 1u);
    EXPECT_EQ(backend.sounds()[0].id, 108);
}

// One voice: a tick does not interrupt a sound still playing and is dropped; once that sound has
// ended the tick is heard, and any ordinary sound cuts off the one playing.
TEST_F(Sounds, NoStopSoundIsDroppedWhileAnotherPlays) {
    const uint32_t correct = durationMs(108), tick = durationMs(114);
    ASSERT_TRUE(correct > 0 && tick > 0);
    const Sound correctSound = make(108), tickSound = make(114, platform::SND_NOSTOP);

    correctSound.playSound();
    backend.advance(correct - 1);
    tickSound.playSound();
    EXPECT_EQ(backend.sounds().size(), 1u);
    backend.advance(1);
    tickSound.playSound();
    ASSERT_EQ(backend.sounds().size(), 2u);
    EXPECT_EQ(backend.sounds()[1].id, 114);
    EXPECT_EQ(backend.sounds()[1].at, correct);

    correctSound.playSound();  // cuts the tick off
    ASSERT_EQ(backend.sounds().size(), 3u);
    EXPECT_EQ(backend.sounds()[2].at, correct);
}
