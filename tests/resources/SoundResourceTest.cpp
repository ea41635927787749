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

std::vector<int> samplesOf(int id) {
    const platform::WaveData wave = platform::parseWave(platform::findResource(platform::ResourceType::Wave, id));
    std::vector<int> samples;
    for (size_t i = 0; i + 1 < wave.samples.size(); i += 2)
        samples.push_back(static_cast<int16_t>(wave.samples[i] | wave.samples[i + 1] << 8));
    return samples;
}

// Sign changes per second over a stretch of a sound: a rough measure of its pitch and brightness.
double crossingsPerSecond(int id, double fromSeconds, double toSeconds) {
    const std::vector<int> samples = samplesOf(id);
    const int rate = platform::parseWave(platform::findResource(platform::ResourceType::Wave, id)).sampleRate;
    const size_t first = static_cast<size_t>(fromSeconds * rate);
    const size_t last = std::min(samples.size(), static_cast<size_t>(toSeconds * rate));
    int crossings = 0;
    for (size_t i = first + 1; i < last; ++i) crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    return crossings / (static_cast<double>(last - first) / rate);
}

}  // namespace

// Mono 16-bit PCM at its rate and within its length; each sound fades in from silence and back to it
// (a jump at either end is heard as a click), is clearly audible, and stays well below full scale.
TEST(SoundResources, AreMonoPcmAtTheirRatesStartAndEndSilentAndNeverClip) {
    constexpr int quietestPeak = 32767 / 8, loudestPeak = 32767 * 7 / 10;
    constexpr int edgeShareOfPeak = 10;  // silent: a tenth of the peak, for the first and last quarter millisecond
    for (const art::SoundFormat& format : art::soundFormats) {
        SCOPED_TRACE(format.id);
        const auto bytes = platform::findResource(platform::ResourceType::Wave, format.id);
        const platform::WaveData wave = platform::parseWave(bytes);
        ASSERT_TRUE(wave.valid());
        EXPECT_EQ(std::make_tuple(bytes[20] | bytes[21] << 8, wave.channels, wave.bitsPerSample, wave.sampleRate),
                  std::make_tuple(1, 1, 16, format.sampleRate));  // the format tag: PCM
        EXPECT_TRUE(wave.durationMs() > 20 && wave.durationMs() < static_cast<uint32_t>(format.maxDurationMs));
        const std::vector<int> samples = samplesOf(format.id);
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
    EXPECT_GT(crossingsPerSecond(art::rightAnswerSoundId, 0, 0.3),
              4 * crossingsPerSecond(art::wrongAnswerSoundId, 0, 0.3));
    EXPECT_LT(crossingsPerSecond(art::wrongAnswerSoundId, 0, 0.3), 1000);
    EXPECT_LT(crossingsPerSecond(art::startSoundId, 0.01, 0.08), crossingsPerSecond(art::startSoundId, 0.27, 0.4));
    EXPECT_GT(crossingsPerSecond(art::gameOverSoundId, 0.01, 0.18), crossingsPerSecond(art::gameOverSoundId, 0.7, 1.1));
}
