#include "Lettering.h"

#include <map>
#include <utility>

namespace art {

namespace {

// Glyph coordinates: capitals run from y = 0 (top) to y = 1 (baseline), small letters from the
// x-height line xh; x grows to the right from the glyph's left centre line.
constexpr float xh = 0.3f;

using Stroke = std::vector<Vec>;

struct Glyph {
    float width = 0;
    std::vector<Stroke> strokes;
};

Stroke arc(Vec centre, float rx, float ry, float fromDegrees, float toDegrees) {
    const int steps = std::max(6, static_cast<int>(std::fabs(toDegrees - fromDegrees) / 10));
    Stroke points;
    for (int i = 0; i <= steps; ++i) {
        const Vec unit = polar({0, 0}, 1, fromDegrees + (toDegrees - fromDegrees) * i / steps);
        points.push_back({centre.x + unit.x * rx, centre.y + unit.y * ry});
    }
    return points;
}

// Joins strokes end to start, so a glyph drawn in pieces has no gaps at its joins.
Stroke chain(std::initializer_list<Stroke> pieces) {
    Stroke all;
    for (const Stroke& piece : pieces) all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

const Glyph* findGlyph(char c) {
    static const std::map<char, Glyph> glyphs = [] {
        const float bowlY = (xh + 1) / 2, bowlR = (1 - xh) / 2;
        std::map<char, Glyph> g;
        g['A'] = {0.74f, {{{0, 1}, {0.37f, 0}, {0.74f, 1}}, {{0.17f, 0.64f}, {0.57f, 0.64f}}}};
        g['B'] = {0.6f,
                  {chain({{{0, 1}, {0, 0}, {0.28f, 0}},
                          arc({0.28f, 0.245f}, 0.26f, 0.245f, -90, 90),
                          {{0.02f, 0.49f}, {0.31f, 0.49f}},
                          arc({0.31f, 0.745f}, 0.29f, 0.255f, -90, 90),
                          {{0, 1}}})}};
        g['V'] = {0.74f, {{{0, 0}, {0.37f, 1}, {0.74f, 0}}}};
        g['a'] = {0.58f, {arc({0.29f, bowlY}, 0.29f, bowlR, 0, 360), {{0.58f, xh}, {0.58f, 1}}}};
        g['c'] = {0.54f, {arc({0.3f, bowlY}, 0.3f, bowlR, 42, 318)}};
        g['d'] = {0.58f, {arc({0.29f, bowlY}, 0.29f, bowlR, 0, 360), {{0.58f, 0}, {0.58f, 1}}}};
        g['e'] = {0.6f, {chain({{{0.02f, bowlY}, {0.6f, bowlY}}, arc({0.3f, bowlY}, 0.3f, bowlR, 0, -318)})}};
        g['i'] = {0, {{{0, xh}, {0, 1}}, {{0, 0.04f}}}};
        g['l'] = {0, {{{0, 0}, {0, 1}}}};
        g['m'] = {0.84f,
                  {{{0, xh}, {0, 1}},
                   chain({{{0, 1}}, arc({0.21f, 0.53f}, 0.21f, 0.23f, 180, 360), {{0.42f, 1}}}),
                   chain({arc({0.63f, 0.53f}, 0.21f, 0.23f, 180, 360), {{0.84f, 1}}})}};
        g['n'] = {0.52f,
                  {{{0, xh}, {0, 1}}, chain({{{0, 1}}, arc({0.26f, 0.56f}, 0.26f, 0.26f, 180, 360), {{0.52f, 1}}})}};
        g['o'] = {0.62f, {arc({0.31f, bowlY}, 0.31f, bowlR, 0, 360)}};
        g['r'] = {0.4f, {{{0, xh}, {0, 1}}, chain({{{0, 1}}, arc({0.3f, 0.62f}, 0.3f, 0.32f, 180, 290)})}};
        g['t'] = {0.36f, {chain({{{0.1f, 0.04f}}, arc({0.3f, 0.8f}, 0.2f, 0.2f, 180, 90)}), {{0, xh}, {0.36f, xh}}}};
        g['x'] = {0.54f, {{{0, xh}, {0.54f, 1}}, {{0.54f, xh}, {0, 1}}}};
        g['0'] = {0.6f, {arc({0.3f, 0.5f}, 0.3f, 0.5f, 0, 360)}};
        g['1'] = {0.42f, {{{0.02f, 0.22f}, {0.3f, 0}, {0.3f, 1}}}};
        g['2'] = {0.6f, {chain({arc({0.3f, 0.29f}, 0.29f, 0.29f, 195, 395), {{0, 1}, {0.62f, 1}}})}};
        g['3'] = {
            0.58f,
            {chain({arc({0.28f, 0.25f}, 0.26f, 0.25f, 205, 450), arc({0.29f, 0.745f}, 0.29f, 0.255f, 270, 515)})}};
        g['4'] = {0.62f, {{{0.46f, 1}, {0.46f, 0}, {0, 0.7f}, {0.64f, 0.7f}}}};
        g['5'] = {0.6f, {chain({{{0.56f, 0}, {0.08f, 0}, {0.05f, 0.46f}}, arc({0.3f, 0.68f}, 0.3f, 0.32f, 220, 500)})}};
        g['6'] = {0.6f,
                  {chain({{{0.5f, 0.02f}}, arc({0.62f, 0.7f}, 0.62f, 0.7f, 255, 180)}),
                   arc({0.3f, 0.7f}, 0.3f, 0.3f, 0, 360)}};
        g['7'] = {0.6f, {{{0, 0}, {0.6f, 0}, {0.2f, 1}}}};
        g['8'] = {0.6f, {arc({0.3f, 0.24f}, 0.25f, 0.24f, 0, 360), arc({0.3f, 0.73f}, 0.3f, 0.27f, 0, 360)}};
        g['9'] = {
            0.6f,
            {chain({{{0.1f, 0.98f}}, arc({-0.02f, 0.3f}, 0.62f, 0.7f, 75, 0)}), arc({0.3f, 0.3f}, 0.3f, 0.3f, 0, 360)}};
        g[' '] = {0.3f, {}};
        return g;
    }();
    const auto found = glyphs.find(c);
    return found == glyphs.end() ? nullptr : &found->second;
}

// Pairs that sit better closer together, in cap heights.
float kerning(char left, char right) {
    static const std::map<std::pair<char, char>, float> pairs{
        {{'V', 'o'}, -0.12f}, {{'A', 'r'}, -0.02f}, {{'r', 't'}, -0.04f}, {{'r', 'c'}, -0.04f}};
    const auto found = pairs.find({left, right});
    return found == pairs.end() ? 0 : found->second;
}

float unitFor(const LetterStyle& style) { return style.capHeight / (1 + style.penWidth); }

float advance(const Glyph& glyph, const LetterStyle& style) { return glyph.width + style.penWidth + style.tracking; }

}  // namespace

bool hasGlyph(char c) { return findGlyph(c) != nullptr; }

float textWidth(const std::string& text, const LetterStyle& style) {
    float width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const Glyph* glyph = findGlyph(text[i]);
        if (!glyph) continue;
        width += advance(*glyph, style) + (i + 1 < text.size() ? kerning(text[i], text[i + 1]) : 0);
    }
    // The lean carries the tops of the last letter to the right by the slant over the cap height.
    return (width - style.tracking + style.slant) * unitFor(style);
}

Shape textShape(const std::string& text, Vec topLeft, const LetterStyle& style) {
    const float unit = unitFor(style);
    const float pen = style.penWidth / 2;
    std::vector<Shape> parts;
    float x = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const Glyph* glyph = findGlyph(text[i]);
        if (!glyph) continue;
        for (const Stroke& stroke : glyph->strokes) {
            Stroke placed;
            for (Vec p : stroke) {
                const float gx = x + pen + p.x + style.slant * (1 - p.y);
                placed.push_back({topLeft.x + gx * unit, topLeft.y + (pen + p.y) * unit});
            }
            parts.push_back(polyline(std::move(placed), pen * unit));
        }
        x += advance(*glyph, style) + (i + 1 < text.size() ? kerning(text[i], text[i + 1]) : 0);
    }
    if (parts.empty()) return {[](Vec) { return 1e9f; }, {topLeft.x, topLeft.y, topLeft.x, topLeft.y}};
    return unite(std::move(parts));
}

}  // namespace art
