// Soft brushes for the painted pictures: float canvases, coverage masks, anti-aliased strokes
// and shapes, box blurs and a seeded random source. Only + - * / and sqrt are used, so every
// machine computes the same bytes.
#pragma once

#include "assets/painter/canvas.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace gachapoko::painter {

// A colour with channels 0 to 255 as floats while painting.
struct Colour {
    float r = 0, g = 0, b = 0;
};

constexpr Colour rgb(int r, int g, int b) {
    return {static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)};
}

Colour mix(Colour a, Colour b, float t);

struct Point {
    float x = 0, y = 0;
};

// A point of a brush path with the brush's radius there, so strokes can swell and taper.
struct BrushPoint {
    Point at;
    float radius = 1;
};

// How much paint lies on each pixel, 0 to 1.
class Mask {
public:
    explicit Mask(int width = PictureSize, int height = PictureSize);
    int width() const { return m_width; }
    int height() const { return m_height; }
    float at(int x, int y) const { return m_values[index(x, y)]; }
    float& at(int x, int y) { return m_values[index(x, y)]; }
    // Keeps the larger of the two coverages, so a stroke never builds up where it crosses itself.
    void raise(int x, int y, float value);
    void scale(float factor);
    // Keeps paint only where the other mask has some: this * other.
    void clipTo(const Mask& other);

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * m_width + x); }
    int m_width;
    int m_height;
    std::vector<float> m_values;
};

// A true-colour canvas that paint is laid onto through masks.
class Layer {
public:
    explicit Layer(Colour ground = {}, int width = PictureSize, int height = PictureSize);
    int width() const { return m_width; }
    int height() const { return m_height; }
    Colour at(int x, int y) const { return m_pixels[index(x, y)]; }
    Colour& at(int x, int y) { return m_pixels[index(x, y)]; }
    // Covers the canvas with the colour as far as the mask reaches, times the opacity.
    void paint(const Mask& mask, Colour colour, float opacity = 1);
    // Lightens like light falling on the canvas (a screen blend), for glows.
    void glow(const Mask& mask, Colour colour, float strength = 1);
    RgbPicture toPicture() const;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * m_width + x); }
    int m_width;
    int m_height;
    std::vector<Colour> m_pixels;
};

// A round brush pulled along the path; `softness` is the width in pixels of its fading edge.
void stroke(Mask& mask, std::span<const BrushPoint> path, float softness = 1, float strength = 1);
void stroke(Mask& mask, std::initializer_list<Point> path, float radius, float softness = 1,
            float strength = 1);
void stroke(Mask& mask, std::span<const Point> path, float radius, float softness = 1,
            float strength = 1);
void dab(Mask& mask, Point centre, float radius, float softness = 1, float strength = 1);
// Fills a polygon with anti-aliased edges (16 samples per pixel, even-odd rule).
void fillPolygon(Mask& mask, std::span<const Point> corners, float strength = 1);
void fillPolygon(Mask& mask, std::initializer_list<Point> corners, float strength = 1);
// Fills an ellipse with a soft edge `softness` pixels wide.
void fillEllipse(Mask& mask, Point centre, float rx, float ry, float softness = 1,
                 float strength = 1);

// Three box passes each way, close to a Gaussian of about `radius` / 1.2 pixels deviation.
void blur(Mask& mask, int radius);
void blur(Layer& layer, int radius);

// Curves as point lists for strokes and polygons.
std::vector<Point> bezier(Point a, Point b, Point c, Point d, int steps = 16);
// Points of an elliptic arc; angles in 64ths of a turn, 0 to the right, 16 straight down
// (y grows downwards). `from` may be larger than `to` to go the other way round.
std::vector<Point> ellipseArc(Point centre, float rx, float ry, int from, int to);

// A small seeded generator (splitmix64) so textures come out the same everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    float uniform(); // [0, 1)
    float range(float low, float high) { return low + (high - low) * uniform(); }

private:
    std::uint64_t m_state;
};

} // namespace gachapoko::painter
