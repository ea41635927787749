// The corner ornament at the bottom right: a red alarm clock, the game's race against time, standing
// at the end of the ribbon that runs along the bottom of the screen.
#include "ArtStyle.h"
#include "Ribbon.h"
#include "ShadedText.h"
#include "SheetArt.h"

namespace art {

namespace {

constexpr Vec clockCentre{49, 47};
constexpr float clockRadius = 31;

void drawBells(Painter& painter) {
    const float outline = painter.atLeastPixels(2, 1);
    const Shape handle = arcStroke({clockCentre.x, 24}, 17, 208, 332, 2.2f);
    painter.fill(inflate(handle, outline), style::ink);
    painter.fill(handle, style::steel);
    for (float side : {-1.0f, 1.0f}) {
        const Vec centre{clockCentre.x + side * 23, 19};
        const Shape dome =
            rotate(intersect(ellipse(centre, 13, 12), box({centre.x - 14, centre.y - 13, centre.x + 14, centre.y + 4})),
                   centre, side * 32);
        painter.fill(inflate(dome, outline), style::ink);
        painter.fill(dome, bevelled(dome, verticalGradient(style::sunYellow, 8, style::frameOrange, 24), 3));
    }
}

void drawLegs(Painter& painter) {
    const float outline = painter.atLeastPixels(2, 1);
    for (float side : {-1.0f, 1.0f}) {
        const Shape leg = capsule({clockCentre.x + side * 18, 70}, {clockCentre.x + side * 27, 83}, 3.2f);
        painter.fill(inflate(leg, outline), style::ink);
        painter.fill(leg, style::darkWood);
    }
}

void drawFace(Painter& painter) {
    const float outline = painter.atLeastPixels(2, 1);
    const Shape body = circle(clockCentre, clockRadius);
    painter.fill(translate(inflate(body, outline), {2.5f, 3}), style::shadow);
    painter.fill(inflate(body, outline), style::ink);
    painter.fill(body, bevelled(body,
                                radialGradient(clockCentre - Vec{10, 12}, 2 * clockRadius,
                                               lighter(style::cherry, 0.25f), darker(style::cherry, 0.15f)),
                                4));
    const float faceRadius = clockRadius - 6;
    const Shape face = circle(clockCentre, faceRadius);
    painter.fill(inflate(face, painter.atLeastPixels(1.2f, 1)), darker(style::cherry, 0.45f));
    painter.fill(face, radialGradient(clockCentre - Vec{6, 8}, faceRadius * 1.8f, style::white, style::cream));
    for (int hour = 0; hour < 12; ++hour) {
        const float angle = hour * 30.0f - 90;
        if (hour % 3 == 0) {
            painter.fill(capsule(polar(clockCentre, faceRadius - 7, angle), polar(clockCentre, faceRadius - 3, angle),
                                 painter.atLeastPixels(1.6f, 0.8f)),
                         style::ink);
        } else {
            painter.fill(circle(polar(clockCentre, faceRadius - 4, angle), painter.atLeastPixels(1.3f, 0.6f)),
                         style::ink);
        }
    }
    // Ten past ten, the friendly pose.
    const float hourPen = painter.atLeastPixels(2.2f, 1.1f), minutePen = painter.atLeastPixels(1.6f, 0.8f);
    painter.fill(capsule(clockCentre, polar(clockCentre, 12, -150), hourPen), style::ink);
    painter.fill(capsule(clockCentre, polar(clockCentre, 18, -30), minutePen), style::ink);
    painter.fill(capsule(polar(clockCentre, 5, 120), polar(clockCentre, 20, -60), painter.atLeastPixels(0.9f, 0.5f)),
                 style::cherry);
    painter.fill(circle(clockCentre, painter.atLeastPixels(3, 1.5f)), style::cherry);
}

}  // namespace

void drawCornerOrnament(Painter& painter, const SheetLayout& sheet) {
    const float top = ribbonTop(painter, sheet);
    ribbon::drawBands(painter, -1, static_cast<float>(wideSheet.cornerOrnament.width) + 1, top);
    ribbon::drawCounters(painter, -1, clockCentre.x, top, 0);
    drawLegs(painter);
    drawBells(painter);
    drawFace(painter);
}

}  // namespace art
