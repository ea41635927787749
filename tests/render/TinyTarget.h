#pragma once
// A small draw target for pixel tests, with guard pixels in the memory just before and after it so
// that a write past either end shows up as a changed guard.
#include <cstdint>
#include <string>
#include <vector>

#include "render/Colour.h"
#include "render/DrawTarget.h"

class TinyTarget {
public:
    static constexpr int guardCount = 64;
    static constexpr uint16_t guardValue = 0xA5A5;

    TinyTarget(int width, int height, uint16_t background = 0)
        : w(width), h(height), back(background), memory(static_cast<size_t>(width * height + 2 * guardCount)) {
        clear();
        setDrawTarget(memory.data() + guardCount, width, height);
    }

    void clear() {
        std::fill(memory.begin(), memory.begin() + guardCount, guardValue);
        std::fill(memory.begin() + guardCount, memory.end() - guardCount, back);
        std::fill(memory.end() - guardCount, memory.end(), guardValue);
    }

    uint16_t at(int x, int y) const { return memory[static_cast<size_t>(guardCount + y * w + x)]; }
    void set(int x, int y, uint16_t value) { memory[static_cast<size_t>(guardCount + y * w + x)] = value; }

    bool guardsIntact() const {
        for (int i = 0; i < guardCount; ++i) {
            if (memory[static_cast<size_t>(i)] != guardValue || memory[memory.size() - 1 - i] != guardValue)
                return false;
        }
        return true;
    }

    // The target as text, one string a row: '#' where the pixel is ink, '.' where it is the
    // background, '?' anywhere else.
    std::vector<std::string> picture(uint16_t ink) const {
        std::vector<std::string> rows;
        for (int y = 0; y < h; ++y) {
            std::string row;
            for (int x = 0; x < w; ++x) row += at(x, y) == ink ? '#' : at(x, y) == back ? '.' : '?';
            rows.push_back(row);
        }
        return rows;
    }

    int countNot(uint16_t value) const {
        int count = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) count += at(x, y) != value;
        }
        return count;
    }

    int width() const { return w; }
    int height() const { return h; }
    uint16_t background() const { return back; }

private:
    int w;
    int h;
    uint16_t back;
    std::vector<uint16_t> memory;
};
