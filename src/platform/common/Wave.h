#pragma once
// A minimal reader of RIFF WAVE PCM data, shared by both backends (the headless one needs the
// length of a sound to know whether a no-stop sound would have been dropped).
#include <cstdint>
#include <span>

namespace platform {

struct WaveData {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    std::span<const uint8_t> samples;

    bool valid() const { return sampleRate > 0 && channels > 0 && bitsPerSample == 16 && !samples.empty(); }
    uint32_t durationMs() const;
};

// Finds the "fmt " and "data" chunks; anything malformed or cut short gives an invalid result.
WaveData parseWave(std::span<const uint8_t> bytes);

}  // namespace platform
