// The embedded sounds: their format, their ends and loudness, and whether they fit their moments.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "platform/Platform.h"
#include "platform/common/Wave.h"
#include "resources/ArtLayout.h"

namespace {

// An embedded sound as the program reads it, with its samples as numbers.
struct Sound {
    platform::WaveData wave;
    std::vector<int> samples;

    explicit Sound(int id) : wave(platform::parseWave(platform::findResource(platform::ResourceType::Wave, id))) {
        for (size_t i = 0; i + 1 < wave.samples.size(); i += 2)
            samples.push_back(static_cast<int16_t>(wave.samples[i] | wave.samples[i + 1] << 8));
    }
    // Sign changes per second over a stretch: a rough measure of pitch and brightness (0 for no sound).
    double crossingsPerSecond(double fromSeconds, double toSeconds) const {
        const size_t first = static_cast<size_t>(fromSeconds * wave.sampleRate);
        const size_t last = std::min(samples.size(), static_cast<size_t>(toSeconds * wave.sampleRate));
        int crossings = 0;
        for (size_t i = first + 1; i < last; ++i) crossings += (samples[i - 1] < 0) != (samples[i] < 0);
        return last > first ? crossings / (static_cast<double>(last - first) / wave.sampleRate) : 0;
    }
};

}  // namespace

// Mono 16-bit PCM at its rate and within its length; each sound fades in from silence and back to it
// (a jump at either end is heard as a click), is clearly audible, and stays well below full scale.
TEST(SoundResources, AreMonoPcmAtTheirRatesStartAndEndSilentAndNeverClip) {
    constexpr int quietestPeak = 32767 / 8, loudestPeak = 32767 * 7 / 10;
    constexpr int edgeShareOfPeak = 10;  // silent: a tenth of the peak, for the first and last quarter millisecond
    for (const art::SoundFormat& format : art::soundFormats) {
        SCOPED_TRACE(format.id);
        const auto bytes = platform::findResource(platform::ResourceType::Wave, format.id);
        const Sound sound(format.id);
        const platform::WaveData& wave = sound.wave;
        const std::vector<int>& samples = sound.samples;
        ASSERT_TRUE(wave.valid()) << "missing or damaged";
        EXPECT_EQ(std::tuple(bytes[20] | bytes[21] << 8, wave.channels, wave.bitsPerSample, wave.sampleRate),
                  std::tuple(1, 1, 16, format.sampleRate));  // the format tag: PCM
        EXPECT_TRUE(wave.durationMs() > 20 && wave.durationMs() < static_cast<uint32_t>(format.maxDurationMs));
        int peak = 0;
        for (int s : samples) peak = std::max(peak, std::abs(s));
        EXPECT_TRUE(peak > quietestPeak && peak < loudestPeak) << peak;
        for (size_t i = 0; i < static_cast<size_t>(format.sampleRate / 4000); ++i) {
            EXPECT_LT(std::abs(samples[i]), peak / edgeShareOfPeak) << "sample " << i;
            EXPECT_LT(std::abs(samples[samples.size() - 1 - i]), peak / edgeShareOfPeak) << "from the end " << i;
        }
        EXPECT_TRUE(samples.front() == 0 && samples.back() == 0);
    }
}

// Each sound fits its moment: the right-answer chime is bright and the wrong-answer buzz low; the
// start arpeggio rises, the game-over phrase falls.
TEST(SoundResources, RiseFallAndBrightnessFitTheirEvents) {
    const Sound right(art::rightAnswerSoundId), wrong(art::wrongAnswerSoundId), start(art::startSoundId),
        gameOver(art::gameOverSoundId);
    EXPECT_GT(right.crossingsPerSecond(0, 0.3), 4 * wrong.crossingsPerSecond(0, 0.3));
    EXPECT_TRUE(wrong.crossingsPerSecond(0, 0.3) > 0 && wrong.crossingsPerSecond(0, 0.3) < 1000);
    EXPECT_LT(start.crossingsPerSecond(0.01, 0.08), start.crossingsPerSecond(0.27, 0.4));
    EXPECT_GT(gameOver.crossingsPerSecond(0.01, 0.18), gameOver.crossingsPerSecond(0.7, 1.1));
}
