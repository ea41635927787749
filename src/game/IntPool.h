#pragma once
// A bag of integers to draw from without putting back, so that within a level no value comes up twice.
#include <array>
#include <cstdint>

struct IntPool {
    static constexpr int32_t capacity = 100;

    std::array<int32_t, capacity> values{};
    int32_t count = 0;

    void clear() { count = 0; }
    // Appends v; a full bag ignores further values rather than write past its slots.
    void push(int32_t v);
    // Clears, then pushes every integer from lo to hi inclusive (nothing when hi < lo).
    void fillRange(int32_t lo, int32_t hi);
    // Removes and returns a random value, keeping the others in order; 0 from an empty bag.
    int32_t takeRandom();
    // Returns a random value and leaves it in the bag; 0 from an empty bag.
    int32_t pickRandom() const;

    bool empty() const { return count == 0; }
    const int32_t* begin() const { return values.data(); }
    const int32_t* end() const { return values.data() + count; }
};
