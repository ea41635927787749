#include "Ribbon.h"

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
    const float radius = 7;
    const float y = top + (innerTop + innerBottom) / 2;
    const float first = phase + std::floor((left - phase) / period) * period;
    for (float start = first; start < right; start += period) {
        for (int i = 0; i < 2; ++i) {
            const Vec centre{start + period * (0.25f + 0.5f * i), y};
            if (centre.x + radius < left || centre.x - radius > right) continue;
            const Shape disc = circle(centre, radius);
            painter.fill(inflate(disc, painter.atLeastPixels(1.5f, 1)), style::ink);
            painter.fill(disc, radialGradient(centre - Vec{3, 4}, radius * 1.6f, lighter(counters[i].colour, 0.35f),
                                              counters[i].colour));
            painter.fill(operatorSign(counters[i].sign, centre, radius * 1.2f, painter.atLeastPixels(3, 1.5f)),
                         style::white);
        }
    }
}

}  // namespace art::ribbon
