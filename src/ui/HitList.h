#pragma once
// The widgets that took the stylus in the last frame drawn, in drawing order. The frame empties it
// before the screen draws; the window procedure matches presses and releases against it. An
// earlier entry wins a press; one with passThrough set lets the press go on to later entries.
#include <cstdint>

#include "ui/Widget.h"

inline constexpr int32_t HitListCapacity = 100;

void clearHitList();
// False (and nothing stored) when the list already holds HitListCapacity widgets.
bool appendToHitList(Widget& widget);
int32_t hitListCount();
Widget* hitListEntry(int32_t index);

// A stylus press: the widgets under the point are marked pressed and told, in order, up to the
// first without passThrough. True when such a widget took the press.
bool dispatchPress(const Point& point);
// A stylus release: each pressed widget in order is released and clicked when the point is inside
// it; the first pressed one without passThrough ends the dispatch (true) even when it was missed.
bool dispatchRelease(const Point& point);
