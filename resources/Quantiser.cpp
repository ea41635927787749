#include "Quantiser.h"

#include <algorithm>
#include <map>

namespace art {

namespace {

struct Weighted {
    Colour24 colour;
    uint32_t count;
};

int channel(Colour24 c, int which) { return static_cast<int>((c >> (8 * which)) & 0xFF); }

// Red, green and blue weighted roughly as the eye weighs them.
int distance(Colour24 a, Colour24 b) {
    const int dr = channel(a, 0) - channel(b, 0), dg = channel(a, 1) - channel(b, 1),
              db = channel(a, 2) - channel(b, 2);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

struct ColourBox {
    std::vector<Weighted> colours;
    uint64_t splitPriority = 0;

    int range(int which) const {
        int low = 255, high = 0;
        for (const Weighted& w : colours) {
            low = std::min(low, channel(w.colour, which));
            high = std::max(high, channel(w.colour, which));
        }
        return high - low;
    }
    int widestChannel() const {
        const int r = range(0) * 3, g = range(1) * 4, b = range(2) * 2;
        return g >= r && g >= b ? 1 : (r >= b ? 0 : 2);
    }
    uint64_t weight() const {
        uint64_t total = 0;
        for (const Weighted& w : colours) total += w.count;
        return total;
    }
    // How much splitting this box would help: its spread times how many pixels it holds.
    uint64_t priority() const {
        if (colours.size() < 2) return 0;
        const int which = widestChannel();
        return static_cast<uint64_t>(range(which)) * range(which) * weight();
    }
    Colour24 mean() const {
        uint64_t sum[3] = {0, 0, 0}, total = weight();
        for (const Weighted& w : colours)
            for (int c = 0; c < 3; ++c) sum[c] += static_cast<uint64_t>(channel(w.colour, c)) * w.count;
        return makeColour(static_cast<uint32_t>((sum[0] + total / 2) / total),
                          static_cast<uint32_t>((sum[1] + total / 2) / total),
                          static_cast<uint32_t>((sum[2] + total / 2) / total));
    }
};

// Splits at the weighted median of the widest channel; ties broken by the colour value, so the
// result never depends on anything but the picture.
std::pair<ColourBox, ColourBox> split(ColourBox box) {
    const int which = box.widestChannel();
    std::sort(box.colours.begin(), box.colours.end(), [which](const Weighted& a, const Weighted& b) {
        const int ca = channel(a.colour, which), cb = channel(b.colour, which);
        return ca != cb ? ca < cb : a.colour < b.colour;
    });
    const uint64_t half = box.weight() / 2;
    uint64_t running = 0;
    size_t cut = 1;
    for (; cut < box.colours.size() - 1; ++cut) {
        running += box.colours[cut - 1].count;
        if (running >= half) break;
    }
    ColourBox low{{box.colours.begin(), box.colours.begin() + static_cast<std::ptrdiff_t>(cut)}, 0};
    ColourBox high{{box.colours.begin() + static_cast<std::ptrdiff_t>(cut), box.colours.end()}, 0};
    return {low, high};
}

std::vector<Colour24> medianCut(std::vector<Weighted> colours, size_t wanted) {
    std::vector<ColourBox> boxes{{std::move(colours)}};
    boxes[0].splitPriority = boxes[0].priority();
    while (boxes.size() < wanted) {
        size_t best = 0;
        for (size_t i = 1; i < boxes.size(); ++i)
            if (boxes[i].splitPriority > boxes[best].splitPriority) best = i;
        if (boxes[best].splitPriority == 0) break;
        auto [low, high] = split(std::move(boxes[best]));
        low.splitPriority = low.priority();
        high.splitPriority = high.priority();
        boxes[best] = std::move(low);
        boxes.push_back(std::move(high));
    }
    std::vector<Colour24> result;
    for (const ColourBox& box : boxes)
        if (!box.colours.empty()) result.push_back(box.mean());
    return result;
}

}  // namespace

IndexedImage quantise(const RgbaImage& picture, const std::vector<Colour24>& reserved) {
    IndexedImage out;
    out.width = picture.width;
    out.height = picture.height;
    std::map<Colour24, uint32_t> histogram;
    for (const Rgba& p : picture.pixels) ++histogram[toColour24(p)];

    std::vector<Colour24> palette = reserved;
    std::vector<Weighted> others;
    for (const auto& [colour, count] : histogram)
        if (std::find(reserved.begin(), reserved.end(), colour) == reserved.end()) others.push_back({colour, count});
    const size_t room = 256 - reserved.size();
    if (others.size() <= room) {
        for (const Weighted& w : others) palette.push_back(w.colour);
    } else {
        for (Colour24 c : medianCut(std::move(others), room)) palette.push_back(c);
    }
    std::copy(palette.begin(), palette.end(), out.palette.begin());

    const uint16_t key565 = to565(reserved.front());
    std::map<Colour24, uint8_t> nearest;
    for (const auto& [colour, count] : histogram) {
        size_t best = 0;
        for (size_t i = 1; i < palette.size(); ++i)
            if (distance(colour, palette[i]) < distance(colour, palette[best])) best = i;
        if (to565(palette[best]) == key565) best = 0;
        nearest[colour] = static_cast<uint8_t>(best);
    }
    out.indices.reserve(picture.pixels.size());
    for (const Rgba& p : picture.pixels) out.indices.push_back(nearest[toColour24(p)]);
    return out;
}

}  // namespace art
