// Points and paths of the drawing kit: picture pixels as doubles, x to the right and y down,
// (0, 0) the top-left corner of the top-left pixel, so that pixel (x, y) has its centre at
// (x + 0.5, y + 0.5). Curves come as dense point lists for shapes and brush strokes.
#pragma once

#include <initializer_list>
#include <vector>

namespace gachapoko::painter {

struct Point {
    double x = 0, y = 0;
};
using Path = std::vector<Point>;

// A cubic Bezier curve from a to d pulled towards b and c, in `steps` pieces.
Path bezier(Point a, Point b, Point c, Point d, int steps = 16);
// A quadratic Bezier curve from a to c bent towards b, in 32 pieces.
Path curve(Point a, Point b, Point c);
// A smooth curve through the points (Catmull-Rom), closed or open, 16 pieces between two points.
Path smooth(std::initializer_list<Point> points, bool closed);
Path smooth(const Path& points, bool closed);

// Points of an elliptic arc on a circle of 64 steps: 0 to the right, 16 straight down (y grows
// downwards), 64 a whole turn. `from` may be larger than `to` to go the other way round.
Path ellipseArc(Point centre, double rx, double ry, int from, int to);
// A whole ellipse as a closed outline of 64 points, for shapes that are turned afterwards.
Path ellipse(Point centre, double rx, double ry);

// The path mirrored about the vertical line x = axis.
Path mirrored(const Path& path, double axis);
// A closed outline symmetric about x = axis from its left half, given from top to bottom.
Path symmetric(const Path& leftHalf, double axis);
// The path turned by `radians` (clockwise on the picture) about `centre`.
Path turned(const Path& path, Point centre, double radians);

} // namespace gachapoko::painter
