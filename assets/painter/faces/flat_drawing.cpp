// Pixel-art drawing for the flat-colour faces: masks, curves and the outline and shading passes.
#include "assets/painter/faces/flat_drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace gachapoko::painter::faces {

namespace {

bool inPicture(int x, int y) {
    return x >= 0 && y >= 0 && x < PictureSize && y < PictureSize;
}

std::size_t offset(int x, int y) {
    return static_cast<std::size_t>(y * PictureSize + x);
}

double segmentDistance(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
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

} // namespace

bool Mask::has(int x, int y) const {
    return inPicture(x, y) && m_bits[offset(x, y)] != 0;
}

void Mask::set(int x, int y, bool on) {
    if (inPicture(x, y)) {
        m_bits[offset(x, y)] = on ? 1 : 0;
    }
}

int Mask::count() const {
    return static_cast<int>(std::count(m_bits.begin(), m_bits.end(), 1));
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

Mask Mask::stroke(const Path& line, double width) {
    Mask m;
    if (line.empty()) {
        return m;
    }
    if (width <= 1.0) {
        auto px = [](double v) { return static_cast<int>(std::floor(v)); };
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            bresenham(m, px(line[i].x), px(line[i].y), px(line[i + 1].x), px(line[i + 1].y));
        }
        m.set(px(line.front().x), px(line.front().y));
        return m;
    }
    const double r = width / 2.0;
    for (std::size_t i = 0; i < std::max<std::size_t>(1, line.size() - 1); ++i) {
        const Point a = line[i], b = line[std::min(i + 1, line.size() - 1)];
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

Mask Mask::shifted(int dx, int dy) const {
    Mask m;
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            if (has(x, y)) {
                m.set(x + dx, y + dy);
            }
        }
    }
    return m;
}

Mask Mask::operator|(const Mask& other) const {
    Mask m;
    for (std::size_t i = 0; i < m_bits.size(); ++i) {
        m.m_bits[i] = m_bits[i] | other.m_bits[i];
    }
    return m;
}

Mask Mask::operator&(const Mask& other) const {
    Mask m;
    for (std::size_t i = 0; i < m_bits.size(); ++i) {
        m.m_bits[i] = m_bits[i] & other.m_bits[i];
    }
    return m;
}

Mask Mask::operator-(const Mask& other) const {
    Mask m;
    for (std::size_t i = 0; i < m_bits.size(); ++i) {
        m.m_bits[i] = m_bits[i] & (other.m_bits[i] ^ 1);
    }
    return m;
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

Path mirrored(const Path& path, double axis) {
    Path out;
    out.reserve(path.size());
    for (const Point p : path) {
        out.push_back({2 * axis - p.x, p.y});
    }
    return out;
}

Path ellipsePath(double cx, double cy, double rx, double ry) {
    Path out;
    constexpr int Steps = 96;
    for (int s = 0; s < Steps; ++s) {
        const double a = 6.283185307179586 * s / Steps;
        out.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return out;
}

Path turned(const Path& path, double cx, double cy, double angle) {
    Path out;
    out.reserve(path.size());
    const double c = std::cos(angle), s = std::sin(angle);
    for (const Point p : path) {
        const double dx = p.x - cx, dy = p.y - cy;
        out.push_back({cx + dx * c - dy * s, cy + dx * s + dy * c});
    }
    return out;
}

Path symmetric(const Path& leftHalf, double axis) {
    Path out = leftHalf;
    const Path right = mirrored(leftHalf, axis);
    out.insert(out.end(), right.rbegin(), right.rend());
    return out;
}

Mask rays(double cx, double cy, int count, double turn) {
    constexpr double Tau = 6.283185307179586;
    return Mask::where([=](double x, double y) {
        double angle = std::atan2(y - cy, x - cx) - turn;
        angle = std::fmod(std::fmod(angle, Tau) + Tau, Tau);
        return static_cast<int>(angle / (Tau / count)) % 2 == 0;
    });
}

std::uint8_t shared(int r, int g, int b) {
    const Palette& palette = sharedPalette();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        if (palette[i] == Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                              static_cast<std::uint8_t>(b)}) {
            return static_cast<std::uint8_t>(i);
        }
    }
    throw std::invalid_argument("colour not in the shared palette: " + std::to_string(r) + "," +
                                std::to_string(g) + "," + std::to_string(b));
}

std::uint8_t darker(std::uint8_t index) {
    const Palette& palette = sharedPalette();
    const Rgb c = palette[index];
    auto luma = [](Rgb v) { return 299 * v.r + 587 * v.g + 114 * v.b; };
    auto down = [](int v) { return std::max(0, v - 32); };
    const int tr = down(c.r), tg = down(c.g), tb = down(c.b);
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    // A shade keeps the colour's hue: which channel is strongest and weakest may not swap.
    auto sameHue = [&](Rgb v) {
        const int pairs[3][2] = {
            {c.r - c.g, v.r - v.g}, {c.g - c.b, v.g - v.b}, {c.r - c.b, v.r - v.b}};
        for (const auto& pair : pairs) {
            if (sign(pair[0]) * sign(pair[1]) < 0) {
                return false;
            }
        }
        return true;
    };
    int best = -1;
    long bestDistance = std::numeric_limits<long>::max();
    // Never black, which is the outline; and the shade must really be darker.
    for (std::size_t i = 1; i < palette.size(); ++i) {
        if (i == index || luma(palette[i]) >= luma(c)) {
            continue;
        }
        const long dr = palette[i].r - tr, dg = palette[i].g - tg, db = palette[i].b - tb;
        const long distance = dr * dr + dg * dg + db * db + (sameHue(palette[i]) ? 0 : 1000000);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return static_cast<std::uint8_t>(best < 0 ? index : best);
}

FlatDrawing::FlatDrawing(std::uint8_t ground) {
    m_picture.palette = sharedPalette();
    std::fill(m_picture.indices.begin(), m_picture.indices.end(), ground);
}

void FlatDrawing::put(int x, int y, std::uint8_t colour) {
    if (inPicture(x, y)) {
        m_picture.at(x, y) = colour;
    }
}

void FlatDrawing::fill(const Mask& area, std::uint8_t colour) {
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            if (area.has(x, y)) {
                m_picture.at(x, y) = colour;
            }
        }
    }
}

void FlatDrawing::shape(const Mask& area, std::uint8_t colour) {
    auto outside = [&](int x, int y) { return inPicture(x, y) && !area.has(x, y); };
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            if (!area.has(x, y)) {
                continue;
            }
            const bool edge =
                outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1) || outside(x, y + 1);
            m_picture.at(x, y) = edge ? Black : colour;
        }
    }
}

void FlatDrawing::line(const Path& path, double width, std::uint8_t colour) {
    fill(Mask::stroke(path, width), colour);
}

void FlatDrawing::shade(const Mask& area, std::uint8_t colour) {
    const std::uint8_t shadow = darker(colour);
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            if (area.has(x, y) && m_picture.at(x, y) == colour) {
                m_picture.at(x, y) = shadow;
            }
        }
    }
}

void FlatDrawing::shadeAll(const Mask& area) {
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            if (area.has(x, y) && m_picture.at(x, y) != Black) {
                m_picture.at(x, y) = darker(m_picture.at(x, y));
            }
        }
    }
}

std::uint32_t Dice::next() {
    // xorshift32; a zero state would stay zero, so it is nudged away from it.
    if (m_state == 0) {
        m_state = 0x9E3779B9u;
    }
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

double Dice::unit() {
    return (next() >> 8) / 16777216.0;
}

int Dice::between(int low, int high) {
    return low + static_cast<int>(next() % static_cast<std::uint32_t>(high - low + 1));
}

} // namespace gachapoko::painter::faces
