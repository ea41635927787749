#pragma once
// RIFF WAVE files: uncompressed PCM, one channel, 16 bits per sample.
#include <cstdint>
#include <vector>

#include "Bytes.h"

namespace art {

Bytes encodeWave(const std::vector<int16_t>& samples, int sampleRate);

}  // namespace art
