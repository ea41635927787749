#pragma once
// The ribbon that runs along the top and bottom of the front-end screens: the panel frame's dark
// red, orange and yellow, with round counters carrying arithmetic signs. The strip tile repeats it;
// the banner and the corner ornament draw its ends, from the same description, so the joins match.
#include "Painter.h"

namespace art::ribbon {

// Rows of the ribbon below its top, in design units (even numbers: whole pixels at both scales).
constexpr float outerTop = 2, outerBottom = 38;
constexpr float middleTop = 4, middleBottom = 36;
constexpr float innerTop = 8, innerBottom = 32;
constexpr float shadowBottom = 42;
// The tile's width in design units: the counters repeat at this period.
constexpr float period = 40;

// The bands from left to right (design units), with the ribbon's top at top.
void drawBands(Painter& painter, float left, float right, float top);
// The counters that sit on the ribbon between left and right: one per half period, their centres
// at a quarter and three quarters of every period counted from phase. They keep clear of the
// period's ends, so where one period meets the next only the bands show.
void drawCounters(Painter& painter, float left, float right, float top, float phase);

}  // namespace art::ribbon
