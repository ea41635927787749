#pragma once
// Shapes as signed distance functions: negative inside, positive outside, in design units. Edges,
// outlines (a shape grown by a width), shadows (a shape moved) and bevels (the direction in which the
// distance grows) all come from the one function.
#include <functional>
#include <vector>

#include "Geometry.h"

namespace art {

struct Shape {
    std::function<float(Vec)> distance;
    Box bounds;  // everything inside the shape lies in this box
};

Shape circle(Vec centre, float radius);
Shape ellipse(Vec centre, float radiusX, float radiusY);
Shape box(Box area);
Shape roundedBox(Box area, float radius);
// A straight stroke with round ends.
Shape capsule(Vec from, Vec to, float radius);
// Strokes through the points with round ends and joins.
Shape polyline(std::vector<Vec> points, float radius);
// A filled polygon, the points in order around it (either direction).
Shape polygon(std::vector<Vec> points);
// A band between two circles.
Shape ring(Vec centre, float outerRadius, float innerRadius);
// A round-ended stroke along a circle from one angle to another (degrees, clockwise on screen).
Shape arcStroke(Vec centre, float radius, float fromDegrees, float toDegrees, float strokeRadius);

Shape unite(std::vector<Shape> shapes);
Shape intersect(Shape a, Shape b);
Shape subtract(Shape from, Shape cut);
// The shape grown (positive) or shrunk (negative) by a distance: an outline is the grown shape.
Shape inflate(Shape shape, float by);
Shape translate(Shape shape, Vec by);
// Turned about a centre, clockwise on screen.
Shape rotate(Shape shape, Vec centre, float degrees);

// The direction in which the distance grows at p (the outward normal near an edge).
Vec outwardNormal(const Shape& shape, Vec p);

}  // namespace art
