#include "WaveFile.h"

namespace art {

Bytes encodeWave(const std::vector<int16_t>& samples, int sampleRate) {
    const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    Bytes out;
    putText(out, "RIFF");
    putLe32(out, 36 + dataSize);
    putText(out, "WAVE");
    putText(out, "fmt ");
    putLe32(out, 16);
    putLe16(out, 1);  // PCM
    putLe16(out, 1);  // one channel
    putLe32(out, static_cast<uint32_t>(sampleRate));
    putLe32(out, static_cast<uint32_t>(sampleRate) * 2);  // bytes per second
    putLe16(out, 2);                                      // bytes per sample frame
    putLe16(out, 16);                                     // bits per sample
    putText(out, "data");
    putLe32(out, dataSize);
    for (int16_t s : samples) putLe16(out, static_cast<uint16_t>(s));
    return out;
}

}  // namespace art
