#include "ui/HitList.h"

namespace {
// Non-owning; valid from the frame that filled them until the next frame empties the list.
Widget* hitList[HitListCapacity];
int32_t count = 0;

int32_t entriesInUse() { return count < HitListCapacity ? count : HitListCapacity; }
}  // namespace

void clearHitList() { count = 0; }

bool appendToHitList(Widget& widget) {
    if (count >= HitListCapacity) return false;
    hitList[count++] = &widget;
    return true;
}

int32_t hitListCount() { return count; }

Widget* hitListEntry(int32_t index) { return index >= 0 && index < entriesInUse() ? hitList[index] : nullptr; }

bool dispatchPress(const Point& point) {
    const int32_t n = entriesInUse();
    for (int32_t i = 0; i < n; ++i) {
        Widget& widget = *hitList[i];
        if (!pointInRect(point, widget.hitRect())) continue;
        widget.pressed = true;
        widget.onPress(point);
        if (!widget.passThrough) return true;
    }
    return false;
}

bool dispatchRelease(const Point& point) {
    const int32_t n = entriesInUse();
    for (int32_t i = 0; i < n; ++i) {
        Widget& widget = *hitList[i];
        if (!widget.pressed) continue;
        widget.pressed = false;
        if (pointInRect(point, widget.hitRect())) widget.onClick(point);
        if (!widget.passThrough) return true;
    }
    return false;
}
