// Stroke shapes of the letters and their drawing through a placement.
#include "assets/painter/lettering.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace gachapoko::painter {

namespace {

StrokePath line(std::initializer_list<Point> points) {
    return StrokePath(points);
}

StrokePath join(StrokePath a, const StrokePath& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

StrokePath ring(Point centre, double rx, double ry) {
    return ellipseArc(centre, rx, ry, 0, 64);
}

std::map<char32_t, Glyph> buildGlyphs() {
    std::map<char32_t, Glyph> g;
    // Capitals and figures.
    g[U'Q'] = {0.74, {ring({0.36, 0.5}, 0.34, 0.5), line({{0.42, 0.7}, {0.74, 1.04}})}};
    g[U'R'] = {0.74,
               {join(line({{0.08, 1}, {0.08, 0}}),
                     bezier({0.08, 0}, {0.78, -0.04}, {0.78, 0.54}, {0.08, 0.5})),
                line({{0.34, 0.5}, {0.7, 1}})}};
    g[U'Z'] = {0.72, {line({{0.06, 0}, {0.64, 0}, {0.06, 1}, {0.68, 1}})}};
    g[U'T'] = {0.7, {line({{0, 0}, {0.7, 0}}), line({{0.35, 0}, {0.35, 1}})}};
    g[U'E'] = {
        0.66, {line({{0.6, 0}, {0.08, 0}, {0.08, 1}, {0.62, 1}}), line({{0.08, 0.5}, {0.5, 0.5}})}};
    g[U'K'] = {0.7,
               {line({{0.08, 0}, {0.08, 1}}), line({{0.62, 0}, {0.08, 0.62}}),
                line({{0.26, 0.42}, {0.66, 1}})}};
    g[U'M'] = {0.86, {line({{0.06, 1}, {0.1, 0}, {0.43, 0.72}, {0.76, 0}, {0.8, 1}})}};
    g[U'.'] = {0.2, {line({{0.08, 0.95}})}};
    g[U' '] = {0.35, {}};
    g[U'1'] = {0.5, {line({{0.08, 0.2}, {0.32, 0}, {0.32, 1}})}};
    g[U'9'] = {0.66,
               {ring({0.3, 0.3}, 0.25, 0.3),
                bezier({0.55, 0.3}, {0.58, 0.72}, {0.45, 0.96}, {0.1, 0.98})}};
    // Small letters, x-height from y 0.44.
    const StrokePath arch =
        join(bezier({0.08, 0.64}, {0.16, 0.42}, {0.52, 0.36}, {0.52, 0.64}, 10), line({{0.52, 1}}));
    const StrokePath bowl = ring({0.29, 0.72}, 0.23, 0.28);
    g[U'h'] = {0.62, {line({{0.08, 0}, {0.08, 1}}), arch}};
    g[U'n'] = {0.62, {line({{0.08, 0.44}, {0.08, 1}}), arch}};
    g[U'e'] = {
        0.6,
        {join(line({{0.06, 0.72}, {0.52, 0.72}}), ellipseArc({0.29, 0.72}, 0.23, 0.28, 64, 10))}};
    g[U'd'] = {0.62, {bowl, line({{0.52, 0}, {0.52, 1}})}};
    g[U'o'] = {0.6, {bowl}};
    g[U'a'] = {
        0.6,
        {ring({0.27, 0.78}, 0.21, 0.22),
         join(bezier({0.1, 0.52}, {0.2, 0.4}, {0.48, 0.4}, {0.48, 0.62}, 10), line({{0.48, 1}}))}};
    g[U'k'] = {0.56,
               {line({{0.08, 0}, {0.08, 1}}), line({{0.48, 0.44}, {0.08, 0.78}}),
                line({{0.22, 0.66}, {0.5, 1}})}};
    // The title's katakana in a square em.
    g[U'ガ'] = {1.05,
                {join(line({{0.1, 0.32}, {0.8, 0.32}}),
                      bezier({0.8, 0.32}, {0.8, 0.72}, {0.78, 0.94}, {0.6, 0.9})),
                 bezier({0.46, 0.04}, {0.46, 0.5}, {0.36, 0.8}, {0.1, 0.96}),
                 line({{0.82, 0.02}, {0.88, 0.16}}), line({{0.96, 0}, {1.02, 0.14}})}};
    g[U'チ'] = {1,
                {bezier({0.76, 0.04}, {0.6, 0.12}, {0.4, 0.16}, {0.2, 0.2}, 8),
                 line({{0.06, 0.46}, {0.94, 0.46}}),
                 bezier({0.5, 0.16}, {0.52, 0.6}, {0.48, 0.84}, {0.24, 0.98})}};
    g[U'ャ'] = {0.9,
                {line({{0.1, 0.6}, {0.86, 0.48}, {0.72, 0.74}}), line({{0.34, 0.38}, {0.54, 1}})}};
    g[U'ポ'] = {1.05,
                {line({{0.08, 0.36}, {0.86, 0.36}}),
                 line({{0.47, 0.06}, {0.47, 0.98}, {0.36, 0.9}}),
                 line({{0.28, 0.56}, {0.08, 0.84}}), line({{0.66, 0.56}, {0.88, 0.82}}),
                 ring({0.92, 0.11}, 0.1, 0.1)}};
    g[U'コ'] = {
        1, {line({{0.12, 0.16}, {0.84, 0.16}, {0.84, 0.88}}), line({{0.12, 0.88}, {0.86, 0.88}})}};
    return g;
}

double distanceBetween(Point a, Point b) {
    const double dx = a.x - b.x, dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace

const Glyph& glyphFor(char32_t letter) {
    static const std::map<char32_t, Glyph> glyphs = buildGlyphs();
    const auto it = glyphs.find(letter);
    return it != glyphs.end() ? it->second : glyphs.at(U' ');
}

std::vector<StrokePath> layOut(std::u32string_view text, double spacing) {
    std::vector<StrokePath> strokes;
    double x = 0;
    for (const char32_t letter : text) {
        const Glyph& glyph = glyphFor(letter);
        for (const StrokePath& s : glyph.strokes) {
            StrokePath moved;
            for (const Point p : s) {
                moved.push_back({p.x + x, p.y});
            }
            strokes.push_back(std::move(moved));
        }
        x += glyph.advance + spacing;
    }
    return strokes;
}

double textWidth(std::u32string_view text, double spacing) {
    double x = 0;
    for (const char32_t letter : text) {
        x += glyphFor(letter).advance + spacing;
    }
    return text.empty() ? 0 : x - spacing;
}

Placement flat(Point origin, double sx, double sy) {
    return [=](Point p) { return Point{origin.x + p.x * sx, origin.y + p.y * sy}; };
}

Placement perspective(double width, double height, Point p0, Point p1, Point p2, Point p3) {
    // The projective map of the unit square onto the four corners.
    const double sx = p0.x - p1.x + p2.x - p3.x;
    const double sy = p0.y - p1.y + p2.y - p3.y;
    const double dx1 = p1.x - p2.x, dx2 = p3.x - p2.x, dy1 = p1.y - p2.y, dy2 = p3.y - p2.y;
    const double den = dx1 * dy2 - dx2 * dy1;
    const double g = den != 0 ? (sx * dy2 - dx2 * sy) / den : 0;
    const double h = den != 0 ? (dx1 * sy - sx * dy1) / den : 0;
    const double a = p1.x - p0.x + g * p1.x, b = p3.x - p0.x + h * p3.x, c = p0.x;
    const double d = p1.y - p0.y + g * p1.y, e = p3.y - p0.y + h * p3.y, f = p0.y;
    return [=](Point p) {
        const double u = p.x / width, v = p.y / height;
        const double w = g * u + h * v + 1;
        return Point{(a * u + b * v + c) / w, (d * u + e * v + f) / w};
    };
}

void drawStrokes(Mask& mask, const std::vector<StrokePath>& strokes, const Placement& place,
                 double weight, double softness, Random* pressure) {
    constexpr double Step = 0.03; // em between brush points, fine enough for perspective
    constexpr double Probe = 0.01;
    for (const StrokePath& path : strokes) {
        std::vector<Point> dense;
        for (std::size_t i = 0; i < path.size(); ++i) {
            if (i == 0) {
                dense.push_back(path[0]);
                continue;
            }
            const Point a = path[i - 1], b = path[i];
            const int pieces = std::max(1, static_cast<int>(distanceBetween(a, b) / Step));
            for (int k = 1; k <= pieces; ++k) {
                const double t = static_cast<double>(k) / pieces;
                dense.push_back({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
            }
        }
        // The hand's pressure drifts slowly along the stroke, and the brush lifts off thinner
        // at its end.
        double swell = 1, drift = 0;
        std::vector<BrushPoint> brush;
        brush.reserve(dense.size());
        const std::size_t last = dense.size() - 1;
        for (std::size_t i = 0; i < dense.size(); ++i) {
            const Point p = dense[i];
            const Point at = place(p);
            const double scale = distanceBetween(place({p.x, p.y + Probe}), at) / Probe;
            double lift = 1;
            if (pressure != nullptr) {
                drift = drift * 0.8 + pressure->real(-0.06, 0.06);
                swell = std::clamp(swell + drift, 0.75, 1.25);
                const double fromEnd = static_cast<double>(last - i) * Step;
                lift = last > 0 ? std::clamp(0.55 + fromEnd * 3, 0.55, 1.0) : 1;
            }
            brush.push_back({at, weight * scale * swell * lift / 2});
        }
        stroke(mask, std::span<const BrushPoint>(brush), softness);
    }
}

} // namespace gachapoko::painter
