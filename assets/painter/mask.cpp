// Masks: hard-edged shapes, their combinations, and the soft brushes.
#include "assets/painter/mask.h"

#include "assets/painter/maths.h"

#include <algorithm>
#include <cmath>

namespace gachapoko::painter {

namespace {

std::size_t offset(int x, int y) {
    return static_cast<std::size_t>(y * PictureSize + x);
}

// Smooth fade 0..1 across an edge, so brush rims have no visible steps.
double smoothStep(double t) {
    t = clamp01(t);
    return t * t * (3 - 2 * t);
}

double segmentDistance(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = clamp01(t);
    const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

void bresenham(Mask& m, int x0, int y0, int x1, int y1) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        m.set(x0, y0);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void strokeSegment(Mask& mask, BrushPoint p0, BrushPoint p1, double softness, double strength) {
    const double reach = std::max(p0.radius, p1.radius) + softness;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(p0.at.x, p1.at.x) - reach)));
    const int x1 =
        std::min(PictureSize - 1, static_cast<int>(std::ceil(std::max(p0.at.x, p1.at.x) + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(p0.at.y, p1.at.y) - reach)));
    const int y1 =
        std::min(PictureSize - 1, static_cast<int>(std::ceil(std::max(p0.at.y, p1.at.y) + reach)));
    const double dx = p1.at.x - p0.at.x;
    const double dy = p1.at.y - p0.at.y;
    const double lengthSquared = dx * dx + dy * dy;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5 - p0.at.x;
            const double py = y + 0.5 - p0.at.y;
            double t = lengthSquared > 0 ? (px * dx + py * dy) / lengthSquared : 0;
            t = clamp01(t);
            const double ex = px - t * dx;
            const double ey = py - t * dy;
            const double distance = std::sqrt(ex * ex + ey * ey);
            const double radius = p0.radius + (p1.radius - p0.radius) * t;
            const double cover = smoothStep((radius - distance) / softness + 0.5);
            if (cover > 0) {
                mask.raise(x, y, cover * strength);
            }
        }
    }
}

} // namespace

double Mask::at(int x, int y) const {
    return inPicture(x, y) ? m_values[offset(x, y)] : 0.0;
}

void Mask::set(int x, int y, double cover) {
    if (inPicture(x, y)) {
        m_values[offset(x, y)] = cover;
    }
}

void Mask::raise(int x, int y, double cover) {
    if (inPicture(x, y)) {
        double& v = m_values[offset(x, y)];
        v = std::max(v, cover);
    }
}

void Mask::scale(double factor) {
    for (double& v : m_values) {
        v = clamp01(v * factor);
    }
}

Mask Mask::polygon(const Path& outline) {
    Mask m;
    const std::size_t n = outline.size();
    if (n < 3) {
        return m;
    }
    std::vector<double> crossings;
    for (int y = 0; y < PictureSize; ++y) {
        const double cy = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < n; ++i) {
            const Point a = outline[i], b = outline[(i + 1) % n];
            if ((a.y <= cy) != (b.y <= cy)) {
                crossings.push_back(a.x + (cy - a.y) / (b.y - a.y) * (b.x - a.x));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int from = std::max(0, static_cast<int>(std::ceil(crossings[i] - 0.5)));
            const int to =
                std::min(PictureSize - 1, static_cast<int>(std::floor(crossings[i + 1] - 0.5)));
            for (int x = from; x <= to; ++x) {
                m.set(x, y);
            }
        }
    }
    return m;
}

Mask Mask::ellipse(double cx, double cy, double rx, double ry) {
    return where([=](double x, double y) {
        const double u = (x - cx) / rx, v = (y - cy) / ry;
        return u * u + v * v <= 1.0;
    });
}

Mask Mask::rect(int left, int top, int right, int bottom) {
    Mask m;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            m.set(x, y);
        }
    }
    return m;
}

Mask Mask::line(const Path& path, double width) {
    Mask m;
    if (path.empty()) {
        return m;
    }
    if (width <= 1.0) {
        auto px = [](double v) { return static_cast<int>(std::floor(v)); };
        for (std::size_t i = 0; i + 1 < path.size(); ++i) {
            bresenham(m, px(path[i].x), px(path[i].y), px(path[i + 1].x), px(path[i + 1].y));
        }
        m.set(px(path.front().x), px(path.front().y));
        return m;
    }
    const double r = width / 2.0;
    for (std::size_t i = 0; i < std::max<std::size_t>(1, path.size() - 1); ++i) {
        const Point a = path[i], b = path[std::min(i + 1, path.size() - 1)];
        const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - r - 1));
        const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + r + 1));
        const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - r - 1));
        const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + r + 1));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                if (segmentDistance({x + 0.5, y + 0.5}, a, b) <= r) {
                    m.set(x, y);
                }
            }
        }
    }
    return m;
}

Mask Mask::rays(double cx, double cy, int count, double turn) {
    const double sector = Tau / count;
    return where([=](double x, double y) {
        // The angle past the first sector's start, brought into 0 to a whole turn.
        double angle = arcTangent2(y - cy, x - cx) - turn;
        angle -= std::floor(angle / Tau) * Tau;
        return static_cast<int>(angle / sector) % 2 == 0;
    });
}

Mask Mask::shifted(int dx, int dy) const {
    Mask m;
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            if (has(x, y)) {
                m.set(x + dx, y + dy, at(x, y));
            }
        }
    }
    return m;
}

Mask Mask::operator|(const Mask& other) const {
    Mask m;
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        m.m_values[i] = std::max(m_values[i], other.m_values[i]);
    }
    return m;
}

Mask Mask::operator&(const Mask& other) const {
    Mask m;
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        m.m_values[i] = m_values[i] * other.m_values[i];
    }
    return m;
}

Mask Mask::operator-(const Mask& other) const {
    Mask m;
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        m.m_values[i] = m_values[i] * (1 - other.m_values[i]);
    }
    return m;
}

void stroke(Mask& mask, std::span<const BrushPoint> path, double softness, double strength) {
    if (path.size() == 1) {
        strokeSegment(mask, path[0], path[0], softness, strength);
    }
    for (std::size_t i = 1; i < path.size(); ++i) {
        strokeSegment(mask, path[i - 1], path[i], softness, strength);
    }
}

void stroke(Mask& mask, const Path& path, double radius, double softness, double strength) {
    std::vector<BrushPoint> points;
    points.reserve(path.size());
    for (const Point p : path) {
        points.push_back({p, radius});
    }
    stroke(mask, std::span<const BrushPoint>(points), softness, strength);
}

void dab(Mask& mask, Point centre, double radius, double softness, double strength) {
    const BrushPoint p{centre, radius};
    strokeSegment(mask, p, p, softness, strength);
}

void fillPolygon(Mask& mask, const Path& corners, double strength) {
    if (corners.size() < 3) {
        return;
    }
    double minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
    for (const Point p : corners) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(minX)));
    const int x1 = std::min(PictureSize - 1, static_cast<int>(std::ceil(maxX)));
    const int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    const int y1 = std::min(PictureSize - 1, static_cast<int>(std::ceil(maxY)));
    const auto inside = [&](double sx, double sy) {
        bool in = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const Point a = corners[i];
            const Point b = corners[j];
            if ((a.y > sy) != (b.y > sy) && sx < (b.x - a.x) * (sy - a.y) / (b.y - a.y) + a.x) {
                in = !in;
            }
        }
        return in;
    };
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) {
                    hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
                }
            }
            if (hits > 0) {
                mask.raise(x, y, hits / 16.0 * strength);
            }
        }
    }
}

} // namespace gachapoko::painter
