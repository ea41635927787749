#pragma once
// Colours while drawing: straight (not premultiplied) red, green, blue and alpha from 0 to 1.
#include <cmath>
#include <cstdint>

#include "ArtLayout.h"
#include "Geometry.h"

namespace art {

struct Rgba {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 1;
};

constexpr Rgba rgb(int red, int green, int blue) { return {red / 255.0f, green / 255.0f, blue / 255.0f, 1}; }
constexpr Rgba fromColour24(Colour24 c) { return rgb(redOf(c), greenOf(c), blueOf(c)); }
constexpr Rgba withAlpha(Rgba c, float alpha) { return {c.r, c.g, c.b, alpha}; }
constexpr Rgba transparent() { return {0, 0, 0, 0}; }

constexpr Rgba mix(Rgba a, Rgba b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}
constexpr Rgba lighter(Rgba c, float t) { return mix(c, Rgba{1, 1, 1, c.a}, t); }
constexpr Rgba darker(Rgba c, float t) { return mix(c, Rgba{0, 0, 0, c.a}, t); }

inline uint8_t toByte(float channel) { return static_cast<uint8_t>(std::lround(clamp01(channel) * 255.0f)); }
inline Colour24 toColour24(Rgba c) { return makeColour(toByte(c.r), toByte(c.g), toByte(c.b)); }

}  // namespace art
