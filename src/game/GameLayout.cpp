#include "game/GameLayout.h"

#include <algorithm>
#include <array>

namespace {

constexpr int32_t widestAnswerCells = 5;  // a late challenge such as 115 x 105 has a five-digit result
constexpr int32_t statusLineCount = 3;

// One way of placing the keypad, with what it leaves the problem.
struct KeypadPlacement {
    bool valid = false;
    Rect keypad;
    Rect problemArea;
    Rect status;
    int32_t keyHeight = 0;
    int32_t fontSize = 0;
};

struct Spacing {
    int32_t edge;  // between the keypad and the screen's edges
    int32_t gap;   // between the keypad and the problem or the status lines
};

int32_t scaled(int32_t value, int32_t size, int32_t fullSize) {
    return fullSize > 0 ? static_cast<int32_t>(int64_t{value} * size / fullSize) : 0;
}

int32_t scaledUp(int32_t value, int32_t size, int32_t fullSize) {
    return fullSize > 0 ? static_cast<int32_t>((int64_t{value} * size + fullSize - 1) / fullSize) : 0;
}

// The smallest key height a stylus or finger can hit well on this screen: 28 pixels on a 240-pixel-wide
// screen, in proportion elsewhere.
int32_t minimumKeyHeight(int32_t width, int32_t height) {
    return std::max<int32_t>(1, 28 * std::min(width, height) / 240);
}

// The largest pixel size up to the model's whose estimated measurements fit the area; 0 when none does.
int32_t fittingFontSize(const Rect& area, const ProblemFontModel& font, int32_t lineStep) {
    for (int32_t size = font.size; size >= SmallestProblemFont; --size) {
        const int32_t ascent = scaled(font.ascent, size, font.size);
        const int32_t cell = scaledUp(font.cell, size, font.size);
        if (problemFits(area, ascent, cell, lineStep)) return size;
    }
    return 0;
}

void finish(KeypadPlacement& placement, const ProblemFontModel& font, int32_t lineStep) {
    placement.fontSize = fittingFontSize(placement.problemArea, font, lineStep);
    placement.valid = placement.fontSize > 0;
}

// The keypad across the bottom of the problem's region; the problem keeps what is above it.
KeypadPlacement placeBelow(const Rect& region, int32_t rows, int32_t columns, int32_t minKey, const Spacing& space,
                           const GameLayoutInput& input) {
    KeypadPlacement placement;
    const int32_t keyWidth = (region.width() - 2 * space.edge - 1) / columns;
    if (keyWidth < minKey) return placement;
    const int32_t wanted = problemBlockHeight(input.font.ascent, true) + input.lineStep / 2;
    const int32_t largest = std::max(minKey, std::min(minKey * 3 / 2, keyWidth));
    const int32_t keyHeight =
        std::clamp((region.height() - space.edge - space.gap - wanted - 1) / rows, minKey, largest);
    const int32_t bottom = region.bottom - space.edge;
    placement.keypad = {region.left + space.edge, bottom - rows * keyHeight - 1, region.right - space.edge, bottom};
    placement.problemArea = {region.left, region.top, region.right, placement.keypad.top - space.gap};
    placement.keyHeight = keyHeight;
    finish(placement, input.font, input.lineStep);
    return placement;
}

// The keypad down the right side of the problem's region, standing on its bottom.
KeypadPlacement placeBeside(const Rect& region, int32_t rows, int32_t columns, int32_t minKey, const Spacing& space,
                            const GameLayoutInput& input) {
    KeypadPlacement placement;
    const int32_t keyHeight = std::min((region.height() - 2 * space.edge - 1) / rows, minKey * 3 / 2);
    if (keyHeight < minKey) return placement;
    const int32_t wanted = widestAnswerCells * input.font.cell + input.lineStep / 2;
    const int32_t keyWidth =
        std::clamp((region.width() - space.edge - space.gap - wanted - 1) / columns, minKey, minKey * 3 / 2);
    const int32_t right = region.right - space.edge;
    const int32_t bottom = region.bottom - space.edge;
    placement.keypad = {right - columns * keyWidth - 1, bottom - rows * keyHeight - 1, right, bottom};
    placement.problemArea = {region.left, region.top, placement.keypad.left - space.gap, region.bottom};
    placement.keyHeight = keyHeight;
    finish(placement, input.font, input.lineStep);
    return placement;
}

// Landscape: the keypad under the status lines, which close up to the top of their region; the
// problem keeps its whole region.
KeypadPlacement placeUnderStatus(const Rect& status, const Rect& region, int32_t rows, int32_t columns, int32_t minKey,
                                 const Spacing& space, const GameLayoutInput& input) {
    KeypadPlacement placement;
    const int32_t lineStep = input.lineStep;
    const int32_t statusHeight = statusLineCount * (lineStep + lineStep / 2);
    const int32_t top = status.top + statusHeight + space.gap;
    const int32_t keyHeight = std::min((status.bottom - top - 1) / rows, minKey * 3 / 2);
    if (keyHeight < minKey) return placement;
    // Keys no wider than twice their height, centred under the status lines.
    const int32_t keyWidth = std::min((status.width() - 2 * space.edge - 1) / columns, 2 * keyHeight);
    if (keyWidth < minKey) return placement;
    const int32_t keypadWidth = columns * keyWidth + 1;
    const int32_t left = status.left + (status.width() - keypadWidth) / 2;
    placement.keypad = {left, top, left + keypadWidth, top + rows * keyHeight + 1};
    placement.status = {status.left, status.top, status.right, status.top + statusHeight};
    placement.problemArea = region;
    placement.keyHeight = keyHeight;
    finish(placement, input.font, input.lineStep);
    return placement;
}

// Bigger digits first, then bigger keys; among equals the earlier placement.
bool better(const KeypadPlacement& a, const KeypadPlacement& b) {
    if (!a.valid) return false;
    if (!b.valid) return true;
    if (a.fontSize != b.fontSize) return a.fontSize > b.fontSize;
    return a.keyHeight > b.keyHeight;
}

void placeRegions(const GameLayoutInput& input, GameLayout& layout) {
    const int32_t w = input.width;
    const int32_t h = input.height;
    const int32_t l = input.lineStep;
    const int32_t x0 = l / 2;
    const int32_t y0 = 2 * l + l / 2;
    const int32_t pw = w / 5;
    const int32_t y1 = y0 + (input.landscape ? 4 * l : 3 * l);

    layout.softKeyBar = {0, 0, w, 2 * l};
    layout.timePanel = {x0, y0, x0 + pw, y1};
    layout.nextPanel = {x0 + pw + l, y0, x0 + 2 * pw + l, y1};
    if (input.landscape) {
        layout.status = {0, y1 + 2 * l, w / 2, h - 2 * l};
        layout.problemRegion = {w / 2, 2 * l, w, h};
        layout.labelLimit = w / 2;
    } else {
        // Runs half a line past the right edge; its lines are centred in it all the same.
        layout.status = {w / 2 - l / 2, 2 * l, w + l / 2, y1 + l + l / 2};
        layout.problemRegion = {0, y1 + l + l / 2, w, h};
        layout.labelLimit = w;
    }
    layout.problemArea = layout.problemRegion;
}

void placeKeypad(const GameLayoutInput& input, GameLayout& layout) {
    const int32_t rows = keypadRowsFor(input.width, input.height);
    const int32_t columns = keypadColumnsFor(input.width, input.height);
    const int32_t minKey = minimumKeyHeight(input.width, input.height);
    const Spacing space{std::max(1, input.lineStep / 4), input.lineStep / 2};

    std::array<KeypadPlacement, 3> choices{};
    if (input.landscape) {
        choices[0] = placeUnderStatus(layout.status, layout.problemRegion, rows, columns, minKey, space, input);
    }
    choices[1] = placeBelow(layout.problemRegion, rows, columns, minKey, space, input);
    choices[2] = placeBeside(layout.problemRegion, rows, columns, minKey, space, input);
    const KeypadPlacement* best = &choices[0];
    for (const KeypadPlacement& choice : choices) {
        if (better(choice, *best)) best = &choice;
    }
    if (!best->valid) return;  // no room for keys a finger can hit: the device's keys will have to do

    layout.keypadShown = true;
    layout.keypad = best->keypad;
    layout.keyHeight = best->keyHeight;
    layout.problemArea = best->problemArea;
    if (best->status.width() > 0) layout.status = best->status;
}

}  // namespace

int32_t problemBlockHeight(int32_t ascent, bool withAnswer) {
    const int32_t e = ascent / 8;
    const int32_t row = ascent + e;
    return 2 * row + ascent / 4 + e + (withAnswer ? row : 0);
}

bool problemFits(const Rect& area, int32_t ascent, int32_t cell, int32_t lineStep) {
    const int32_t air = lineStep / 2;
    return problemBlockHeight(ascent, true) <= area.height() - air && widestAnswerCells * cell <= area.width() - air;
}

GameLayout computeGameLayout(const GameLayoutInput& input) {
    GameLayout layout;
    layout.width = input.width;
    layout.height = input.height;
    layout.lineStep = input.lineStep;
    layout.landscape = input.landscape;
    placeRegions(input, layout);
    if (input.withKeypad) placeKeypad(input, layout);
    const int32_t fitting = fittingFontSize(layout.problemArea, input.font, input.lineStep);
    // Where not even small digits fit, the smallest show the most of the problem.
    layout.problemFontSize = fitting > 0 ? fitting : std::min(input.font.size, SmallestProblemFont);
    return layout;
}
