// The soft brushes behind the painted pictures.
#include "assets/painter/raster.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace gachapoko::painter {

namespace {

float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

// Smooth fade 0..1 across an edge, so brush rims have no visible steps.
float smooth(float t) {
    t = clamp01(t);
    return t * t * (3 - 2 * t);
}

std::uint8_t toByte(float v) {
    return static_cast<std::uint8_t>(static_cast<int>(std::clamp(v, 0.0f, 255.0f) + 0.5f));
}

// Colour arithmetic for the blur.
Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Colour operator-(Colour a, Colour b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
Colour operator*(Colour a, float f) {
    return {a.r * f, a.g * f, a.b * f};
}

// One sliding-window pass along rows (step 1) or columns (step = width) of a float grid.
template <typename T>
void boxPass(std::vector<T>& values, int count, int length, int stride, int step, int radius) {
    std::vector<T> line(static_cast<std::size_t>(length));
    for (int c = 0; c < count; ++c) {
        const int base = c * stride;
        for (int i = 0; i < length; ++i) {
            line[static_cast<std::size_t>(i)] = values[static_cast<std::size_t>(base + i * step)];
        }
        const auto sampleAt = [&](int i) {
            return line[static_cast<std::size_t>(std::clamp(i, 0, length - 1))];
        };
        T sum{};
        for (int i = -radius; i <= radius; ++i) {
            sum = sum + sampleAt(i);
        }
        const float norm = 1.0f / static_cast<float>(2 * radius + 1);
        for (int i = 0; i < length; ++i) {
            values[static_cast<std::size_t>(base + i * step)] = sum * norm;
            sum = sum + sampleAt(i + radius + 1) - sampleAt(i - radius);
        }
    }
}

template <typename T>
void blurGrid(std::vector<T>& values, int width, int height, int radius) {
    if (radius <= 0) {
        return;
    }
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(values, height, width, width, 1, radius);
        boxPass(values, width, height, 1, width, radius);
    }
}

void strokeSegment(Mask& mask, BrushPoint p0, BrushPoint p1, float softness, float strength) {
    const float reach = std::max(p0.radius, p1.radius) + softness;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(p0.at.x, p1.at.x) - reach)));
    const int x1 =
        std::min(mask.width() - 1, static_cast<int>(std::ceil(std::max(p0.at.x, p1.at.x) + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(p0.at.y, p1.at.y) - reach)));
    const int y1 = std::min(mask.height() - 1,
                            static_cast<int>(std::ceil(std::max(p0.at.y, p1.at.y) + reach)));
    const float dx = p1.at.x - p0.at.x;
    const float dy = p1.at.y - p0.at.y;
    const float lengthSquared = dx * dx + dy * dy;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float px = static_cast<float>(x) + 0.5f - p0.at.x;
            const float py = static_cast<float>(y) + 0.5f - p0.at.y;
            float t = lengthSquared > 0 ? (px * dx + py * dy) / lengthSquared : 0;
            t = clamp01(t);
            const float ex = px - t * dx;
            const float ey = py - t * dy;
            const float distance = std::sqrt(ex * ex + ey * ey);
            const float radius = p0.radius + (p1.radius - p0.radius) * t;
            const float cover = smooth((radius - distance) / softness + 0.5f);
            if (cover > 0) {
                mask.raise(x, y, cover * strength);
            }
        }
    }
}

} // namespace

Colour mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Mask::Mask(int width, int height)
    : m_width(width), m_height(height), m_values(static_cast<std::size_t>(width * height), 0.0f) {}

void Mask::raise(int x, int y, float value) {
    float& v = m_values[index(x, y)];
    v = std::max(v, value);
}

void Mask::scale(float factor) {
    for (float& v : m_values) {
        v = clamp01(v * factor);
    }
}

void Mask::clipTo(const Mask& other) {
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        m_values[i] *= other.m_values[i];
    }
}

Layer::Layer(Colour ground, int width, int height)
    : m_width(width), m_height(height), m_pixels(static_cast<std::size_t>(width * height), ground) {
}

void Layer::paint(const Mask& mask, Colour colour, float opacity) {
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const float amount = clamp01(mask.at(x, y) * opacity);
            if (amount > 0) {
                Colour& c = at(x, y);
                c = mix(c, colour, amount);
            }
        }
    }
}

void Layer::glow(const Mask& mask, Colour colour, float strength) {
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const float amount = clamp01(mask.at(x, y) * strength);
            if (amount > 0) {
                Colour& c = at(x, y);
                const auto screen = [amount](float base, float light) {
                    return 255 - (255 - base) * (255 - light * amount) / 255;
                };
                c = {screen(c.r, colour.r), screen(c.g, colour.g), screen(c.b, colour.b)};
            }
        }
    }
}

RgbPicture Layer::toPicture() const {
    RgbPicture picture;
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            const Colour c = at(x, y);
            picture.at(x, y) = {toByte(c.r), toByte(c.g), toByte(c.b)};
        }
    }
    return picture;
}

void stroke(Mask& mask, std::span<const BrushPoint> path, float softness, float strength) {
    if (path.size() == 1) {
        strokeSegment(mask, path[0], path[0], softness, strength);
    }
    for (std::size_t i = 1; i < path.size(); ++i) {
        strokeSegment(mask, path[i - 1], path[i], softness, strength);
    }
}

void stroke(Mask& mask, std::span<const Point> path, float radius, float softness, float strength) {
    std::vector<BrushPoint> points;
    points.reserve(path.size());
    for (const Point p : path) {
        points.push_back({p, radius});
    }
    stroke(mask, std::span<const BrushPoint>(points), softness, strength);
}

void stroke(Mask& mask, std::initializer_list<Point> path, float radius, float softness,
            float strength) {
    stroke(mask, std::span<const Point>(path.begin(), path.size()), radius, softness, strength);
}

void dab(Mask& mask, Point centre, float radius, float softness, float strength) {
    const BrushPoint p{centre, radius};
    strokeSegment(mask, p, p, softness, strength);
}

void fillPolygon(Mask& mask, std::span<const Point> corners, float strength) {
    if (corners.size() < 3) {
        return;
    }
    float minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
    for (const Point p : corners) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(minX)));
    const int x1 = std::min(mask.width() - 1, static_cast<int>(std::ceil(maxX)));
    const int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    const int y1 = std::min(mask.height() - 1, static_cast<int>(std::ceil(maxY)));
    const auto inside = [&](float sx, float sy) {
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
                    hits += inside(static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / 4,
                                   static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / 4);
                }
            }
            if (hits > 0) {
                mask.raise(x, y, static_cast<float>(hits) / 16 * strength);
            }
        }
    }
}

void fillPolygon(Mask& mask, std::initializer_list<Point> corners, float strength) {
    fillPolygon(mask, std::span<const Point>(corners.begin(), corners.size()), strength);
}

void fillEllipse(Mask& mask, Point centre, float rx, float ry, float softness, float strength) {
    const int x0 = std::max(0, static_cast<int>(std::floor(centre.x - rx - softness)));
    const int x1 =
        std::min(mask.width() - 1, static_cast<int>(std::ceil(centre.x + rx + softness)));
    const int y0 = std::max(0, static_cast<int>(std::floor(centre.y - ry - softness)));
    const int y1 =
        std::min(mask.height() - 1, static_cast<int>(std::ceil(centre.y + ry + softness)));
    const float r = std::min(rx, ry);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float dx = (static_cast<float>(x) + 0.5f - centre.x) / rx;
            const float dy = (static_cast<float>(y) + 0.5f - centre.y) / ry;
            // Distance from the rim in pixels, measured along the shorter axis.
            const float outside = (std::sqrt(dx * dx + dy * dy) - 1) * r;
            const float cover = smooth(-outside / softness + 0.5f);
            if (cover > 0) {
                mask.raise(x, y, cover * strength);
            }
        }
    }
}

void blur(Mask& mask, int radius) {
    std::vector<float> values(static_cast<std::size_t>(mask.width() * mask.height()));
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            values[static_cast<std::size_t>(y * mask.width() + x)] = mask.at(x, y);
        }
    }
    blurGrid(values, mask.width(), mask.height(), radius);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            mask.at(x, y) = values[static_cast<std::size_t>(y * mask.width() + x)];
        }
    }
}

void blur(Layer& layer, int radius) {
    std::vector<Colour> values(static_cast<std::size_t>(layer.width() * layer.height()));
    for (int y = 0; y < layer.height(); ++y) {
        for (int x = 0; x < layer.width(); ++x) {
            values[static_cast<std::size_t>(y * layer.width() + x)] = layer.at(x, y);
        }
    }
    blurGrid(values, layer.width(), layer.height(), radius);
    for (int y = 0; y < layer.height(); ++y) {
        for (int x = 0; x < layer.width(); ++x) {
            layer.at(x, y) = values[static_cast<std::size_t>(y * layer.width() + x)];
        }
    }
}

std::vector<Point> bezier(Point a, Point b, Point c, Point d, int steps) {
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(steps + 1));
    for (int i = 0; i <= steps; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(steps);
        const float u = 1 - t;
        const float wa = u * u * u, wb = 3 * u * u * t, wc = 3 * u * t * t, wd = t * t * t;
        points.push_back(
            {wa * a.x + wb * b.x + wc * c.x + wd * d.x, wa * a.y + wb * b.y + wc * c.y + wd * d.y});
    }
    return points;
}

namespace {

// The unit circle in 64 steps, built by repeated rotation from exact constants rather than by
// library trigonometry, whose last bits may differ between machines.
const std::array<Point, 64>& unitCircle() {
    static const std::array<Point, 64> circle = [] {
        std::array<Point, 64> c{};
        constexpr double Cos = 0.99518472667219688624; // cos(2 pi / 64)
        constexpr double Sin = 0.09801714032956060199; // sin(2 pi / 64)
        double x = 1, y = 0;
        for (auto& p : c) {
            p = {static_cast<float>(x), static_cast<float>(y)};
            const double nx = x * Cos - y * Sin;
            y = x * Sin + y * Cos;
            x = nx;
        }
        return c;
    }();
    return circle;
}

} // namespace

std::vector<Point> ellipseArc(Point centre, float rx, float ry, int from, int to) {
    std::vector<Point> points;
    const int direction = to >= from ? 1 : -1;
    for (int step = from;; step += direction) {
        const Point u = unitCircle()[static_cast<std::size_t>(((step % 64) + 64) % 64)];
        points.push_back({centre.x + rx * u.x, centre.y + ry * u.y});
        if (step == to) {
            break;
        }
    }
    return points;
}

std::uint64_t Random::next() {
    m_state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Random::uniform() {
    return static_cast<float>(next() >> 40) / 16777216.0f;
}

} // namespace gachapoko::painter
