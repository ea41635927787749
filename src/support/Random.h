#pragma once
// The C runtime's generator the game was balanced on: values 0..32767, seeded with the UTC minute.
#include <cstdint>

void seedRandom(uint32_t seed);
int nextRandom();  // 0..32767
// lo + (rand mod n) with n = hi - lo + 1; 0 when n is 0.
int32_t randomInRange(int32_t lo, int32_t hi);
