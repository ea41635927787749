#include "ui/Focus.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/Platform.h"
#include "render/DrawTarget.h"
#include "render/Primitives.h"

namespace {

using namespace platform;

struct FocusKeyEntry {
    uint32_t key;
    FocusKey action;
};
// The left stick arrives as the D-pad.
constexpr FocusKeyEntry focusKeys[] = {
    {VK_GAMEPAD_DPAD_UP, FocusKey::Up},
    {VK_UP, FocusKey::Up},
    {VK_GAMEPAD_DPAD_DOWN, FocusKey::Down},
    {VK_DOWN, FocusKey::Down},
    {VK_GAMEPAD_DPAD_LEFT, FocusKey::Left},
    {VK_LEFT, FocusKey::Left},
    {VK_GAMEPAD_DPAD_RIGHT, FocusKey::Right},
    {VK_RIGHT, FocusKey::Right},
    {VK_GAMEPAD_A, FocusKey::Press},
    {VK_RETURN, FocusKey::Press},
    {VK_SPACE, FocusKey::Press},
    {VK_GAMEPAD_B, FocusKey::Back},
};

// A pad's buttons, and Start and Select as the phone's star and hash keys, never hide the focus.
bool isPadKey(uint32_t key) {
    return key == VK_F8 || key == VK_F9 || (key >= VK_GAMEPAD_A && key <= VK_GAMEPAD_DPAD_RIGHT);
}

constexpr Rgb ringColour = 0x00C04000;  // a deep blue that no widget and no screen uses
constexpr int32_t capacity = 64;

struct Entry {
    Widget* widget;
    Rect ring;
};

// Non-owning, as the HitList's entries; valid until the next frame empties the list.
Entry entries[capacity];
int32_t count = 0;
Widget* focused = nullptr;  // compared, never followed, unless it is in the list
bool shown = false;

int32_t currentIndex() {
    for (int32_t i = 0; i < count; ++i) {
        if (entries[i].widget == focused) return i;
    }
    return count > 0 ? 0 : -1;
}

bool overlaps(int32_t a0, int32_t a1, int32_t b0, int32_t b1) { return a0 < b1 && b0 < a1; }

// The control a move reaches from entry from. Twice the centres, so that nothing rounds.
int32_t neighbour(int32_t from, FocusKey direction) {
    const bool horizontal = direction == FocusKey::Left || direction == FocusKey::Right;
    const int32_t sign = direction == FocusKey::Right || direction == FocusKey::Down ? 1 : -1;
    const Rect& here = entries[from].ring;
    const auto along = [&](const Rect& r) { return sign * (horizontal ? r.left + r.right : r.top + r.bottom); };
    const auto across = [&](const Rect& r) {
        return std::abs(horizontal ? r.top + r.bottom - here.top - here.bottom
                                   : r.left + r.right - here.left - here.right);
    };
    const auto inLine = [&](const Rect& r) {
        return horizontal ? overlaps(r.top, r.bottom, here.top, here.bottom)
                          : overlaps(r.left, r.right, here.left, here.right);
    };
    // Ahead: the nearest, its distance across counting double. Failing that, wrapping: the farthest
    // behind, controls in line first. Left and right only ever look along the row.
    int32_t best = -1;
    int64_t bestScore = 0;
    for (const bool ahead : {true, false}) {
        for (int32_t i = 0; i < count; ++i) {
            const Rect& r = entries[i].ring;
            const int32_t distance = along(r) - along(here);
            if (i == from || (ahead ? distance <= 0 : distance >= 0)) continue;
            const bool lined = inLine(r);
            if (horizontal && !lined) continue;
            const int64_t score =
                (lined || ahead ? 0 : int64_t{1} << 40) +
                (ahead ? int64_t{distance} + 2 * int64_t{across(r)} : int64_t{distance} * 4096 + across(r));
            if (best < 0 || score < bestScore) {
                best = i;
                bestScore = score;
            }
        }
        if (best >= 0) return best;
    }
    // One control in the row (or the column): the reading order, round and round.
    return (from + sign + count) % count;
}

}  // namespace

FocusKey focusKeyOf(uint32_t key) {
    for (const FocusKeyEntry& entry : focusKeys) {
        if (entry.key == key) return entry.action;
    }
    return FocusKey::None;
}

FocusKey takeFocusKey(uint32_t key) {
    const FocusKey action = focusKeyOf(key);
    if (action == FocusKey::None) {
        if (!isPadKey(key)) shown = false;
        return action;
    }
    const bool wasShown = std::exchange(shown, true);
    if (!wasShown && action == FocusKey::Press && key != VK_GAMEPAD_A) return FocusKey::Reveal;
    return action;
}

void clearFocusList() { count = 0; }

void joinFocus(Widget& widget) {
    joinFocus(widget, Rect{widget.x, widget.y, widget.x + widget.getWidth(), widget.y + widget.getHeight()});
}

void joinFocus(Widget& widget, const Rect& ring) {
    if (count < capacity) entries[count++] = {&widget, ring};
}

int32_t focusCount() { return count; }

void resetFocus() {
    count = 0;
    focused = nullptr;
    shown = false;
}

bool focusShown() { return shown; }
void showFocus() { shown = true; }
void hideFocus() { shown = false; }

Widget* focusedWidget() {
    const int32_t index = currentIndex();
    return index < 0 ? nullptr : entries[index].widget;
}

void moveFocus(FocusKey direction) {
    const int32_t from = currentIndex();
    if (from < 0 || !isFocusMove(direction)) return;
    Widget& widget = *entries[from].widget;
    focused = widget.onFocusKey(direction) ? &widget : entries[neighbour(from, direction)].widget;
}

bool focusPressPoint(Point& point) {
    Widget* widget = focusedWidget();
    if (!widget) return false;
    focused = widget;
    if (widget->onFocusKey(FocusKey::Press)) return false;
    const Rect area = widget->hitRect();
    point = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    return true;
}

void drawFocus() {
    const int32_t index = currentIndex();
    if (!shown || index < 0) return;
    const Rect& ring = entries[index].ring;
    const int32_t thickness = targetWidth() > 320 ? 3 : 2;
    const Rect outside{std::max(0, ring.left - thickness), std::max(0, ring.top - thickness),
                       std::min(targetWidth(), ring.right + thickness),
                       std::min(targetHeight(), ring.bottom + thickness)};
    drawFrame(outside, thickness, ringColour);
}
