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

StrokePath ring(Point centre, float rx, float ry) {
    return ellipseArc(centre, rx, ry, 0, 64);
}

std::map<char32_t, Glyph> buildGlyphs() {
    std::map<char32_t, Glyph> g;
    // Capitals and figures.
    g[U'Q'] = {0.74f, {ring({0.36f, 0.5f}, 0.34f, 0.5f), line({{0.42f, 0.7f}, {0.74f, 1.04f}})}};
    g[U'R'] = {0.74f,
               {join(line({{0.08f, 1}, {0.08f, 0}}),
                     bezier({0.08f, 0}, {0.78f, -0.04f}, {0.78f, 0.54f}, {0.08f, 0.5f})),
                line({{0.34f, 0.5f}, {0.7f, 1}})}};
    g[U'Z'] = {0.72f, {line({{0.06f, 0}, {0.64f, 0}, {0.06f, 1}, {0.68f, 1}})}};
    g[U'T'] = {0.7f, {line({{0, 0}, {0.7f, 0}}), line({{0.35f, 0}, {0.35f, 1}})}};
    g[U'E'] = {0.66f,
               {line({{0.6f, 0}, {0.08f, 0}, {0.08f, 1}, {0.62f, 1}}),
                line({{0.08f, 0.5f}, {0.5f, 0.5f}})}};
    g[U'K'] = {0.7f,
               {line({{0.08f, 0}, {0.08f, 1}}), line({{0.62f, 0}, {0.08f, 0.62f}}),
                line({{0.26f, 0.42f}, {0.66f, 1}})}};
    g[U'M'] = {0.86f, {line({{0.06f, 1}, {0.1f, 0}, {0.43f, 0.72f}, {0.76f, 0}, {0.8f, 1}})}};
    g[U'.'] = {0.2f, {line({{0.08f, 0.95f}})}};
    g[U' '] = {0.35f, {}};
    g[U'1'] = {0.5f, {line({{0.08f, 0.2f}, {0.32f, 0}, {0.32f, 1}})}};
    g[U'9'] = {0.66f,
               {ring({0.3f, 0.3f}, 0.25f, 0.3f),
                bezier({0.55f, 0.3f}, {0.58f, 0.72f}, {0.45f, 0.96f}, {0.1f, 0.98f})}};
    // Small letters, x-height from y 0.44.
    const StrokePath arch =
        join(bezier({0.08f, 0.64f}, {0.16f, 0.42f}, {0.52f, 0.36f}, {0.52f, 0.64f}, 10),
             line({{0.52f, 1}}));
    const StrokePath bowl = ring({0.29f, 0.72f}, 0.23f, 0.28f);
    g[U'h'] = {0.62f, {line({{0.08f, 0}, {0.08f, 1}}), arch}};
    g[U'n'] = {0.62f, {line({{0.08f, 0.44f}, {0.08f, 1}}), arch}};
    g[U'e'] = {0.6f,
               {join(line({{0.06f, 0.72f}, {0.52f, 0.72f}}),
                     ellipseArc({0.29f, 0.72f}, 0.23f, 0.28f, 64, 10))}};
    g[U'd'] = {0.62f, {bowl, line({{0.52f, 0}, {0.52f, 1}})}};
    g[U'o'] = {0.6f, {bowl}};
    g[U'a'] = {0.6f,
               {ring({0.27f, 0.78f}, 0.21f, 0.22f),
                join(bezier({0.1f, 0.52f}, {0.2f, 0.4f}, {0.48f, 0.4f}, {0.48f, 0.62f}, 10),
                     line({{0.48f, 1}}))}};
    g[U'k'] = {0.56f,
               {line({{0.08f, 0}, {0.08f, 1}}), line({{0.48f, 0.44f}, {0.08f, 0.78f}}),
                line({{0.22f, 0.66f}, {0.5f, 1}})}};
    // The title's katakana in a square em.
    g[U'ガ'] = {1.05f,
                {join(line({{0.1f, 0.32f}, {0.8f, 0.32f}}),
                      bezier({0.8f, 0.32f}, {0.8f, 0.72f}, {0.78f, 0.94f}, {0.6f, 0.9f})),
                 bezier({0.46f, 0.04f}, {0.46f, 0.5f}, {0.36f, 0.8f}, {0.1f, 0.96f}),
                 line({{0.82f, 0.02f}, {0.88f, 0.16f}}), line({{0.96f, 0}, {1.02f, 0.14f}})}};
    g[U'チ'] = {1,
                {bezier({0.76f, 0.04f}, {0.6f, 0.12f}, {0.4f, 0.16f}, {0.2f, 0.2f}, 8),
                 line({{0.06f, 0.46f}, {0.94f, 0.46f}}),
                 bezier({0.5f, 0.16f}, {0.52f, 0.6f}, {0.48f, 0.84f}, {0.24f, 0.98f})}};
    g[U'ャ'] = {
        0.9f,
        {line({{0.1f, 0.6f}, {0.86f, 0.48f}, {0.72f, 0.74f}}), line({{0.34f, 0.38f}, {0.54f, 1}})}};
    g[U'ポ'] = {1.05f,
                {line({{0.08f, 0.36f}, {0.86f, 0.36f}}),
                 line({{0.47f, 0.06f}, {0.47f, 0.98f}, {0.36f, 0.9f}}),
                 line({{0.28f, 0.56f}, {0.08f, 0.84f}}), line({{0.66f, 0.56f}, {0.88f, 0.82f}}),
                 ring({0.92f, 0.11f}, 0.1f, 0.1f)}};
    g[U'コ'] = {1,
                {line({{0.12f, 0.16f}, {0.84f, 0.16f}, {0.84f, 0.88f}}),
                 line({{0.12f, 0.88f}, {0.86f, 0.88f}})}};
    return g;
}

float distanceBetween(Point a, Point b) {
    const float dx = a.x - b.x, dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace

const Glyph& glyphFor(char32_t letter) {
    static const std::map<char32_t, Glyph> glyphs = buildGlyphs();
    const auto it = glyphs.find(letter);
    return it != glyphs.end() ? it->second : glyphs.at(U' ');
}

std::vector<StrokePath> layOut(std::u32string_view text, float spacing) {
    std::vector<StrokePath> strokes;
    float x = 0;
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

float textWidth(std::u32string_view text, float spacing) {
    float x = 0;
    for (const char32_t letter : text) {
        x += glyphFor(letter).advance + spacing;
    }
    return text.empty() ? 0 : x - spacing;
}

Placement flat(Point origin, float sx, float sy) {
    return [=](Point p) { return Point{origin.x + p.x * sx, origin.y + p.y * sy}; };
}

Placement perspective(float width, float height, Point p0, Point p1, Point p2, Point p3) {
    // The projective map of the unit square onto the four corners.
    const float sx = p0.x - p1.x + p2.x - p3.x;
    const float sy = p0.y - p1.y + p2.y - p3.y;
    const float dx1 = p1.x - p2.x, dx2 = p3.x - p2.x, dy1 = p1.y - p2.y, dy2 = p3.y - p2.y;
    const float den = dx1 * dy2 - dx2 * dy1;
    const float g = den != 0 ? (sx * dy2 - dx2 * sy) / den : 0;
    const float h = den != 0 ? (dx1 * sy - sx * dy1) / den : 0;
    const float a = p1.x - p0.x + g * p1.x, b = p3.x - p0.x + h * p3.x, c = p0.x;
    const float d = p1.y - p0.y + g * p1.y, e = p3.y - p0.y + h * p3.y, f = p0.y;
    return [=](Point p) {
        const float u = p.x / width, v = p.y / height;
        const float w = g * u + h * v + 1;
        return Point{(a * u + b * v + c) / w, (d * u + e * v + f) / w};
    };
}

void drawStrokes(Mask& mask, const std::vector<StrokePath>& strokes, const Placement& place,
                 float weight, float softness, Random* pressure) {
    constexpr float Step = 0.03f; // em between brush points, fine enough for perspective
    constexpr float Probe = 0.01f;
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
                const float t = static_cast<float>(k) / static_cast<float>(pieces);
                dense.push_back({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
            }
        }
        // The hand's pressure drifts slowly along the stroke, and the brush lifts off thinner
        // at its end.
        float swell = 1, drift = 0;
        std::vector<BrushPoint> brush;
        brush.reserve(dense.size());
        const std::size_t last = dense.size() - 1;
        for (std::size_t i = 0; i < dense.size(); ++i) {
            const Point p = dense[i];
            const Point at = place(p);
            const float scale = distanceBetween(place({p.x, p.y + Probe}), at) / Probe;
            float lift = 1;
            if (pressure != nullptr) {
                drift = drift * 0.8f + pressure->range(-0.06f, 0.06f);
                swell = std::clamp(swell + drift, 0.75f, 1.25f);
                const float fromEnd = static_cast<float>(last - i) * Step;
                lift = last > 0 ? std::clamp(0.55f + fromEnd * 3, 0.55f, 1.0f) : 1;
            }
            brush.push_back({at, weight * scale * swell * lift / 2});
        }
        stroke(mask, std::span<const BrushPoint>(brush), softness);
    }
}

} // namespace gachapoko::painter
