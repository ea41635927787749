#pragma once
// Little- and big-endian byte writing for the file formats the generator produces.
#include <cstdint>
#include <string>
#include <vector>

namespace art {

using Bytes = std::vector<uint8_t>;

inline void putLe16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void putLe32(Bytes& out, uint32_t v) {
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}
inline void putBe32(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}
inline void putText(Bytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

// Writes bytes to a file; false when it could not be written completely.
bool writeFile(const std::string& path, const Bytes& bytes);

}  // namespace art
