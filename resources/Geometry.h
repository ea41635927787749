#pragma once
// Points and boxes in the artwork's design units (one unit is one pixel of the wide artwork).
#include <algorithm>
#include <cmath>

namespace art {

struct Vec {
    float x = 0;
    float y = 0;
};

constexpr Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
constexpr Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
constexpr Vec operator*(Vec a, float k) { return {a.x * k, a.y * k}; }
constexpr float dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
constexpr float cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
inline float length(Vec a) { return std::sqrt(dot(a, a)); }
constexpr Vec lerp(Vec a, Vec b, float t) { return a + (b - a) * t; }
inline Vec polar(Vec centre, float radius, float degrees) {
    const float radians = degrees * 3.14159265f / 180.0f;
    return {centre.x + radius * std::cos(radians), centre.y + radius * std::sin(radians)};
}
// Turns a point about a centre; positive angles turn clockwise on screen (y grows downwards).
inline Vec rotated(Vec p, Vec centre, float degrees) {
    const float radians = degrees * 3.14159265f / 180.0f;
    const float c = std::cos(radians), s = std::sin(radians);
    const Vec d = p - centre;
    return {centre.x + d.x * c - d.y * s, centre.y + d.x * s + d.y * c};
}

constexpr float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
constexpr float smoothstep(float edge0, float edge1, float v) {
    const float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

// An axis-aligned box; right and bottom are the far edges.
struct Box {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;

    constexpr float width() const { return right - left; }
    constexpr float height() const { return bottom - top; }
    constexpr Vec centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
};

constexpr Box grown(Box b, float by) { return {b.left - by, b.top - by, b.right + by, b.bottom + by}; }
constexpr Box moved(Box b, Vec by) { return {b.left + by.x, b.top + by.y, b.right + by.x, b.bottom + by.y}; }
inline Box joined(Box a, Box b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}
inline Box overlap(Box a, Box b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}
// How far p lies outside the box (0 inside): a lower bound of the distance to anything in it.
inline float distanceOutside(Box b, Vec p) {
    const float dx = std::max({b.left - p.x, 0.0f, p.x - b.right});
    const float dy = std::max({b.top - p.y, 0.0f, p.y - b.bottom});
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace art
