// Curves and transformations of paths.
#include "assets/painter/geometry.h"

#include "assets/painter/maths.h"

#include <algorithm>
#include <array>

namespace gachapoko::painter {

namespace {

constexpr int CircleSteps = 64;

const std::array<Point, CircleSteps>& unitCircle() {
    static const std::array<Point, CircleSteps> circle = [] {
        std::array<Point, CircleSteps> c{};
        for (std::size_t i = 0; i < c.size(); ++i) {
            const double angle = Tau * static_cast<double>(i) / CircleSteps;
            c[i] = {cosine(angle), sine(angle)};
        }
        return c;
    }();
    return circle;
}

} // namespace

Path bezier(Point a, Point b, Point c, Point d, int steps) {
    Path points;
    points.reserve(static_cast<std::size_t>(steps + 1));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(steps);
        const double u = 1 - t;
        const double wa = u * u * u, wb = 3 * u * u * t, wc = 3 * u * t * t, wd = t * t * t;
        points.push_back(
            {wa * a.x + wb * b.x + wc * c.x + wd * d.x, wa * a.y + wb * b.y + wc * c.y + wd * d.y});
    }
    return points;
}

Path curve(Point a, Point b, Point c) {
    Path out;
    constexpr int Steps = 32;
    for (int s = 0; s <= Steps; ++s) {
        const double t = static_cast<double>(s) / Steps, u = 1 - t;
        out.push_back({u * u * a.x + 2 * u * t * b.x + t * t * c.x,
                       u * u * a.y + 2 * u * t * b.y + t * t * c.y});
    }
    return out;
}

Path smooth(std::initializer_list<Point> points, bool closed) {
    return smooth(Path(points), closed);
}

Path smooth(const Path& points, bool closed) {
    const std::size_t n = points.size();
    if (n < 3) {
        return points;
    }
    auto point = [&](long i) {
        if (closed) {
            return points[static_cast<std::size_t>((i % static_cast<long>(n) + n) % n)];
        }
        return points[static_cast<std::size_t>(std::clamp(i, 0L, static_cast<long>(n) - 1))];
    };
    Path out;
    const long segments = closed ? static_cast<long>(n) : static_cast<long>(n) - 1;
    constexpr int Steps = 16;
    for (long i = 0; i < segments; ++i) {
        const Point p0 = point(i - 1), p1 = point(i), p2 = point(i + 1), p3 = point(i + 2);
        for (int s = 0; s < Steps; ++s) {
            const double t = static_cast<double>(s) / Steps, t2 = t * t, t3 = t2 * t;
            auto blend = [&](double a, double b, double c, double d) {
                return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                              (-a + 3 * b - 3 * c + d) * t3);
            };
            out.push_back({blend(p0.x, p1.x, p2.x, p3.x), blend(p0.y, p1.y, p2.y, p3.y)});
        }
    }
    if (!closed) {
        out.push_back(points.back());
    }
    return out;
}

Path ellipseArc(Point centre, double rx, double ry, int from, int to) {
    Path points;
    const int direction = to >= from ? 1 : -1;
    for (int step = from;; step += direction) {
        const Point u = unitCircle()[static_cast<std::size_t>(((step % CircleSteps) + CircleSteps) %
                                                              CircleSteps)];
        points.push_back({centre.x + rx * u.x, centre.y + ry * u.y});
        if (step == to) {
            break;
        }
    }
    return points;
}

Path ellipse(Point centre, double rx, double ry) {
    return ellipseArc(centre, rx, ry, 0, CircleSteps - 1);
}

Path mirrored(const Path& path, double axis) {
    Path out;
    out.reserve(path.size());
    for (const Point p : path) {
        out.push_back({2 * axis - p.x, p.y});
    }
    return out;
}

Path symmetric(const Path& leftHalf, double axis) {
    Path out = leftHalf;
    const Path right = mirrored(leftHalf, axis);
    out.insert(out.end(), right.rbegin(), right.rend());
    return out;
}

Path turned(const Path& path, Point centre, double radians) {
    Path out;
    out.reserve(path.size());
    const double c = cosine(radians), s = sine(radians);
    for (const Point p : path) {
        const double dx = p.x - centre.x, dy = p.y - centre.y;
        out.push_back({centre.x + dx * c - dy * s, centre.y + dx * s + dy * c});
    }
    return out;
}

} // namespace gachapoko::painter
