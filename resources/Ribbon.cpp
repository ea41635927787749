#include "Ribbon.h"

#include <algorithm>
#include <cmath>

#include "ArtStyle.h"
#include "Symbols.h"

namespace art::ribbon {

void drawBands(Painter& painter, float left, float right, float top) {
    painter.fill(box({left, top + outerBottom, right, top + shadowBottom}),
                 verticalGradient(style::shadow, top + outerBottom, withAlpha(style::shadow, 0), top + shadowBottom));
    painter.fill(box({left, top + outerTop, right, top + outerBottom}), style::frameRed);
    painter.fill(box({left, top + middleTop, right, top + middleBottom}), style::frameOrange);
    painter.fill(
        box({left, top + innerTop, right, top + innerBottom}),
        verticalGradient(lighter(style::frameYellow, 0.45f), top + innerTop, style::frameYellow, top + innerTop + 8));
}

void drawCounters(Painter& painter, float left, float right, float top, float phase) {
    struct Counter {
        Rgba colour;
        char sign;
    };
    const Counter counters[2] = {{style::skyBlue, '+'}, {style::cherry, 'x'}};
    // As large as the period allows while the outline keeps clear of the period's ends.
    const float outline = painter.atLeastPixels(1.5f, 1);
    const float radius = std::min(7.5f, period / 4 - 1 - outline);
    const float y = top + (innerTop + innerBottom) / 2;
    const float first = phase + std::floor((left - phase) / period) * period;
    for (float start = first; start < right; start += period) {
        for (int i = 0; i < 2; ++i) {
            const Vec centre{start + period * (0.25f + 0.5f * i), y};
            if (centre.x + radius < left || centre.x - radius > right) continue;
            const Shape disc = circle(centre, radius);
            painter.fill(inflate(disc, outline), style::ink);
            painter.fill(disc, radialGradient(centre - Vec{3, 4}, radius * 1.6f, lighter(counters[i].colour, 0.35f),
                                              counters[i].colour));
            const char sign = counters[i].sign;
            painter.fill(
                operatorSign(sign, centre, radius * (sign == 'x' ? 1.4f : 1.25f), painter.atLeastPixels(2.6f, 1.5f)),
                style::white);
        }
    }
}

}  // namespace art::ribbon
