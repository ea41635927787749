#include "game/IntPool.h"

#include "support/Random.h"

void IntPool::push(int32_t v) {
    if (count >= capacity) return;
    values[count++] = v;
}

void IntPool::fillRange(int32_t lo, int32_t hi) {
    clear();
    // Stop at capacity so that a wide range cannot loop far past what the bag can hold.
    for (int64_t v = lo; v <= hi && count < capacity; ++v) push(static_cast<int32_t>(v));
}

int32_t IntPool::takeRandom() {
    if (count == 0) return 0;
    const int32_t index = randomInRange(0, count - 1);
    const int32_t value = values[index];
    for (int32_t i = index; i + 1 < count; ++i) values[i] = values[i + 1];
    --count;
    return value;
}

int32_t IntPool::pickRandom() const {
    if (count == 0) return 0;
    return values[randomInRange(0, count - 1)];
}
