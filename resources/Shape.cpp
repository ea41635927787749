#include "Shape.h"

#include <cmath>
#include <limits>

namespace art {

namespace {

float segmentDistanceSquared(Vec p, Vec a, Vec b) {
    const Vec pa = p - a, ba = b - a;
    const float lengthSquared = dot(ba, ba);
    const float t = lengthSquared > 0 ? clamp01(dot(pa, ba) / lengthSquared) : 0;
    const Vec d = pa - ba * t;
    return dot(d, d);
}

float segmentDistance(Vec p, Vec a, Vec b) { return std::sqrt(segmentDistanceSquared(p, a, b)); }

Box pointsBounds(const std::vector<Vec>& points) {
    Box b{points[0].x, points[0].y, points[0].x, points[0].y};
    for (Vec p : points) b = joined(b, Box{p.x, p.y, p.x, p.y});
    return b;
}

}  // namespace

Shape circle(Vec centre, float radius) {
    return {[=](Vec p) { return length(p - centre) - radius; },
            {centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius}};
}

Shape ellipse(Vec centre, float radiusX, float radiusY) {
    // A close approximation of the true distance, exact on the axes and good enough for edges.
    return {[=](Vec p) {
                const Vec q = p - centre;
                const float k0 = length(Vec{q.x / radiusX, q.y / radiusY});
                const float k1 = length(Vec{q.x / (radiusX * radiusX), q.y / (radiusY * radiusY)});
                if (k1 <= 0) return -std::min(radiusX, radiusY);
                return k0 * (k0 - 1) / k1;
            },
            {centre.x - radiusX, centre.y - radiusY, centre.x + radiusX, centre.y + radiusY}};
}

Shape box(Box area) { return roundedBox(area, 0); }

Shape roundedBox(Box area, float radius) {
    const Vec centre = area.centre();
    const Vec half{area.width() / 2 - radius, area.height() / 2 - radius};
    return {[=](Vec p) {
                const float qx = std::fabs(p.x - centre.x) - half.x;
                const float qy = std::fabs(p.y - centre.y) - half.y;
                const float outside = length(Vec{std::max(qx, 0.0f), std::max(qy, 0.0f)});
                return outside + std::min(std::max(qx, qy), 0.0f) - radius;
            },
            area};
}

Shape capsule(Vec from, Vec to, float radius) { return polyline({from, to}, radius); }

Shape polyline(std::vector<Vec> points, float radius) {
    const Box bounds = grown(pointsBounds(points), radius);
    return {[points = std::move(points), radius](Vec p) {
                float best = dot(p - points[0], p - points[0]);
                for (size_t i = 1; i < points.size(); ++i)
                    best = std::min(best, segmentDistanceSquared(p, points[i - 1], points[i]));
                return std::sqrt(best) - radius;
            },
            bounds};
}

Shape polygon(std::vector<Vec> points) {
    const Box bounds = pointsBounds(points);
    return {[points = std::move(points)](Vec p) {
                // Distance to the nearest edge, negative when a crossing count says p is inside.
                float best = std::numeric_limits<float>::max();
                bool inside = false;
                for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                    const Vec a = points[j], b = points[i];
                    best = std::min(best, segmentDistance(p, a, b));
                    if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
                        inside = !inside;
                }
                return inside ? -best : best;
            },
            bounds};
}

Shape ring(Vec centre, float outerRadius, float innerRadius) {
    return {[=](Vec p) {
                const float d = length(p - centre);
                return std::max(d - outerRadius, innerRadius - d);
            },
            {centre.x - outerRadius, centre.y - outerRadius, centre.x + outerRadius, centre.y + outerRadius}};
}

Shape arcStroke(Vec centre, float radius, float fromDegrees, float toDegrees, float strokeRadius) {
    const int steps = std::max(4, static_cast<int>(std::fabs(toDegrees - fromDegrees) / 6));
    std::vector<Vec> points;
    for (int i = 0; i <= steps; ++i)
        points.push_back(polar(centre, radius, fromDegrees + (toDegrees - fromDegrees) * i / steps));
    return polyline(std::move(points), strokeRadius);
}

Shape unite(std::vector<Shape> shapes) {
    Box bounds = shapes[0].bounds;
    for (const Shape& s : shapes) bounds = joined(bounds, s.bounds);
    return {[shapes = std::move(shapes)](Vec p) {
                // The part with the nearest box first; then a part whose box lies farther away than the
                // best distance so far cannot be nearer.
                size_t nearest = 0;
                float nearestBox = std::numeric_limits<float>::max();
                for (size_t i = 0; i < shapes.size(); ++i) {
                    const float d = distanceOutside(shapes[i].bounds, p);
                    if (d < nearestBox) nearestBox = d, nearest = i;
                }
                float best = shapes[nearest].distance(p);
                for (size_t i = 0; i < shapes.size(); ++i)
                    if (i != nearest && distanceOutside(shapes[i].bounds, p) < best)
                        best = std::min(best, shapes[i].distance(p));
                return best;
            },
            bounds};
}

Shape intersect(Shape a, Shape b) {
    const Box bounds = overlap(a.bounds, b.bounds);
    return {[a = std::move(a), b = std::move(b)](Vec p) { return std::max(a.distance(p), b.distance(p)); }, bounds};
}

Shape subtract(Shape from, Shape cut) {
    const Box bounds = from.bounds;
    return {
        [from = std::move(from), cut = std::move(cut)](Vec p) { return std::max(from.distance(p), -cut.distance(p)); },
        bounds};
}

Shape inflate(Shape shape, float by) {
    const Box bounds = grown(shape.bounds, std::max(by, 0.0f));
    return {[shape = std::move(shape), by](Vec p) { return shape.distance(p) - by; }, bounds};
}

Shape translate(Shape shape, Vec by) {
    const Box bounds = moved(shape.bounds, by);
    return {[shape = std::move(shape), by](Vec p) { return shape.distance(p - by); }, bounds};
}

Shape rotate(Shape shape, Vec centre, float degrees) {
    Box bounds{centre.x, centre.y, centre.x, centre.y};
    const Box b = shape.bounds;
    for (Vec corner : {Vec{b.left, b.top}, Vec{b.right, b.top}, Vec{b.left, b.bottom}, Vec{b.right, b.bottom}}) {
        const Vec r = rotated(corner, centre, degrees);
        bounds = joined(bounds, Box{r.x, r.y, r.x, r.y});
    }
    return {[shape = std::move(shape), centre, degrees](Vec p) { return shape.distance(rotated(p, centre, -degrees)); },
            bounds};
}

Vec outwardNormal(const Shape& shape, Vec p) {
    constexpr float step = 0.25f;
    const Vec g{shape.distance({p.x + step, p.y}) - shape.distance({p.x - step, p.y}),
                shape.distance({p.x, p.y + step}) - shape.distance({p.x, p.y - step})};
    const float n = length(g);
    return n > 0 ? g * (1 / n) : Vec{0, -1};
}

}  // namespace art
