#include "support/Random.h"

namespace {
uint32_t state = 1;  // the C runtime's state before any srand
}

void seedRandom(uint32_t seed) { state = seed; }

// Linear congruential step, multiplier 214013 and increment 2531011, result bits 16-30.
int nextRandom() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

int32_t randomInRange(int32_t lo, int32_t hi) {
    const int32_t n = static_cast<int32_t>(static_cast<uint32_t>(hi) - static_cast<uint32_t>(lo) + 1u);
    if (n == 0) return 0;
    return static_cast<int32_t>(static_cast<uint32_t>(lo) + static_cast<uint32_t>(nextRandom() % n));
}
