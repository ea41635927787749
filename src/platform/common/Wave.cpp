#include "platform/common/Wave.h"

namespace platform {

namespace {

uint32_t readLe32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t readLe16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

bool hasTag(const uint8_t* p, const char* tag) {
    return p[0] == tag[0] && p[1] == tag[1] && p[2] == tag[2] && p[3] == tag[3];
}

}  // namespace

uint32_t WaveData::durationMs() const {
    if (!valid()) return 0;
    const uint64_t frames = samples.size() / (static_cast<uint64_t>(channels) * 2);
    return static_cast<uint32_t>(frames * 1000 / static_cast<uint64_t>(sampleRate));
}

WaveData parseWave(std::span<const uint8_t> bytes) {
    WaveData wave;
    if (bytes.size() < 12 || !hasTag(bytes.data(), "RIFF") || !hasTag(bytes.data() + 8, "WAVE")) return wave;
    size_t at = 12;
    bool haveFormat = false;
    while (at + 8 <= bytes.size()) {
        const uint8_t* chunk = bytes.data() + at;
        const uint64_t size = readLe32(chunk + 4);
        if (size > bytes.size() - at - 8) return WaveData{};
        if (hasTag(chunk, "fmt ") && size >= 16) {
            if (readLe16(chunk + 8) != 1) return WaveData{};  // PCM only
            wave.channels = readLe16(chunk + 10);
            wave.sampleRate = static_cast<int>(readLe32(chunk + 12));
            wave.bitsPerSample = readLe16(chunk + 22);
            haveFormat = true;
        } else if (hasTag(chunk, "data") && haveFormat) {
            wave.samples = bytes.subspan(at + 8, size);
            return wave;
        }
        at += 8 + size + (size & 1);
    }
    return WaveData{};
}

}  // namespace platform
