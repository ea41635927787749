#include "Deflate.h"

#include <array>
#include <vector>

namespace art {

namespace {

constexpr int windowSize = 32768;
constexpr int minMatch = 3;
constexpr int maxMatch = 258;
constexpr int maxChain = 48;  // candidates tried per position

// Writes bits least significant first, as deflate packs them.
class BitWriter {
public:
    explicit BitWriter(Bytes& out) : out(out) {}
    void bits(uint32_t value, int count) {
        for (int i = 0; i < count; ++i) bit((value >> i) & 1);
    }
    // Huffman codes go most significant bit first.
    void code(uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) bit((value >> i) & 1);
    }
    void flush() {
        if (used > 0) out.push_back(current);
        current = 0;
        used = 0;
    }

private:
    void bit(uint32_t b) {
        current = static_cast<uint8_t>(current | b << used);
        if (++used == 8) flush();
    }
    Bytes& out;
    uint8_t current = 0;
    int used = 0;
};

void literalOrLength(BitWriter& w, int symbol) {
    if (symbol < 144)
        w.code(0x30 + symbol, 8);
    else if (symbol < 256)
        w.code(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        w.code(symbol - 256, 7);
    else
        w.code(0xC0 + symbol - 280, 8);
}

void length(BitWriter& w, int len) {
    static constexpr std::array<int, 29> base{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                              31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr std::array<int, 29> extra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                               2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    int i = 28;
    while (base[i] > len) --i;
    literalOrLength(w, 257 + i);
    w.bits(static_cast<uint32_t>(len - base[i]), extra[i]);
}

void distance(BitWriter& w, int dist) {
    static constexpr std::array<int, 30> base{1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                              33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                              1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    int i = 29;
    while (base[i] > dist) --i;
    w.code(static_cast<uint32_t>(i), 5);
    w.bits(static_cast<uint32_t>(dist - base[i]), i < 4 ? 0 : i / 2 - 1);
}

uint32_t adler32(const Bytes& data) {
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

uint32_t hashAt(const Bytes& data, size_t at) {
    return ((data[at] << 10) ^ (data[at + 1] << 5) ^ data[at + 2]) & 0x7FFF;
}

}  // namespace

Bytes zlibCompress(const Bytes& data) {
    Bytes out{0x78, 0x01};
    BitWriter w(out);
    w.bits(1, 1);  // the last block
    w.bits(1, 2);  // fixed Huffman codes
    std::vector<int> head(32768, -1), previous(data.size(), -1);
    size_t at = 0;
    auto remember = [&](size_t position) {
        if (position + minMatch > data.size()) return;
        const uint32_t h = hashAt(data, position);
        previous[position] = head[h];
        head[h] = static_cast<int>(position);
    };
    while (at < data.size()) {
        int bestLength = 0, bestDistance = 0;
        if (at + minMatch <= data.size()) {
            int candidate = head[hashAt(data, at)];
            for (int tries = 0; candidate >= 0 && tries < maxChain; ++tries, candidate = previous[candidate]) {
                const int dist = static_cast<int>(at) - candidate;
                if (dist > windowSize) break;
                int len = 0;
                const int limit = static_cast<int>(std::min<size_t>(maxMatch, data.size() - at));
                while (len < limit && data[candidate + len] == data[at + len]) ++len;
                if (len > bestLength) bestLength = len, bestDistance = dist;
                if (len == limit) break;
            }
        }
        if (bestLength >= minMatch) {
            length(w, bestLength);
            distance(w, bestDistance);
            for (int i = 0; i < bestLength; ++i) remember(at + i);
            at += static_cast<size_t>(bestLength);
        } else {
            literalOrLength(w, data[at]);
            remember(at);
            ++at;
        }
    }
    literalOrLength(w, 256);  // end of block
    w.flush();
    putBe32(out, adler32(data));
    return out;
}

}  // namespace art
