#pragma once
// The game's seven sound effects, each made for its moment.
#include <cstdint>
#include <vector>

#include "ArtLayout.h"

namespace art {

// The 16-bit samples of sound id at the sample rate given for it; empty for an unknown id.
std::vector<int16_t> makeSound(const SoundFormat& format);

}  // namespace art
