// Pixel-art drawing for the flat-colour faces: hard-edged shapes on the shared palette, each
// with a black one-pixel outline, and one darker shade per colour for the shadows.
#pragma once

#include "../canvas.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace gachapoko::painter::faces {

struct Point {
    double x = 0, y = 0;
};
using Path = std::vector<Point>;

// A set of picture pixels. A pixel belongs to a shape when its centre lies inside it, so shapes
// have hard edges and no partial pixels.
class Mask {
public:
    Mask() : m_bits(PictureSize * PictureSize, 0) {}

    bool has(int x, int y) const;
    void set(int x, int y, bool on = true);
    int count() const;

    static Mask polygon(const Path& outline);
    static Mask ellipse(double cx, double cy, double rx, double ry);
    static Mask rect(int left, int top, int right, int bottom); // inclusive
    // Pixels within width/2 of the polyline; width 1 gives a clean single-pixel line.
    static Mask stroke(const Path& line, double width);
    // Every pixel for which inside(x + 0.5, y + 0.5) holds.
    template <typename F>
    static Mask where(F inside) {
        Mask m;
        for (int y = 0; y < PictureSize; ++y) {
            for (int x = 0; x < PictureSize; ++x) {
                if (inside(x + 0.5, y + 0.5)) {
                    m.set(x, y);
                }
            }
        }
        return m;
    }

    // The same pixels moved by (dx, dy); what leaves the picture is lost.
    Mask shifted(int dx, int dy) const;

    Mask operator|(const Mask& other) const;
    Mask operator&(const Mask& other) const;
    Mask operator-(const Mask& other) const;

private:
    std::vector<std::uint8_t> m_bits;
};

// A smooth curve through the given points (Catmull-Rom), closed or open, as a dense polyline.
Path smooth(std::initializer_list<Point> points, bool closed);
Path smooth(const Path& points, bool closed);
// A quadratic Bezier curve from a to c bent towards b.
Path curve(Point a, Point b, Point c);
// The path mirrored about the vertical line x = axis.
Path mirrored(const Path& path, double axis);
// An ellipse as a closed outline, for shapes that are turned afterwards.
Path ellipsePath(double cx, double cy, double rx, double ry);
// The path turned by `angle` radians (clockwise on the picture) about (cx, cy).
Path turned(const Path& path, double cx, double cy, double angle);
// A closed outline symmetric about x = axis from its left half, given from top to bottom.
Path symmetric(const Path& leftHalf, double axis);
// Rays fanning out from (cx, cy): pixels whose angle falls in the even-numbered of `count` equal
// sectors, the first starting at `turn` radians.
Mask rays(double cx, double cy, int count, double turn);

// Index of an exact colour of the shared palette; the faces name their colours by value.
std::uint8_t shared(int r, int g, int b);
// The shade used for shadows on a colour: each channel one grid level down, or the nearest
// palette colour to that when the grid has none.
std::uint8_t darker(std::uint8_t index);

inline constexpr std::uint8_t Black = 0;
inline constexpr std::uint8_t White = 255;

// A flat-colour picture in the making, always on the shared palette.
class FlatDrawing {
public:
    explicit FlatDrawing(std::uint8_t ground);

    // Flat area with no outline (backgrounds, shadows painted by hand).
    void fill(const Mask& area, std::uint8_t colour);
    // Flat area with a black one-pixel outline along its inside edge; the picture's border does
    // not count as an edge, so shapes cut by it stay open there.
    void shape(const Mask& area, std::uint8_t colour);
    // A black (or coloured) line of the given width.
    void line(const Path& path, double width, std::uint8_t colour = Black);
    // Darkens the pixels of `colour` inside `area` to its shade; outlines and other colours stay.
    void shade(const Mask& area, std::uint8_t colour);
    // Darkens every pixel inside `area` that is not black.
    void shadeAll(const Mask& area);

    std::uint8_t at(int x, int y) const { return m_picture.at(x, y); }
    void put(int x, int y, std::uint8_t colour);
    const IndexedPicture& picture() const { return m_picture; }

private:
    IndexedPicture m_picture;
};

// A small seeded random source, so every build paints the same picture.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_state(seed) {}
    std::uint32_t next();
    double unit(); // 0 <= u < 1
    double between(double low, double high) { return low + (high - low) * unit(); }
    int between(int low, int high); // inclusive

private:
    std::uint32_t m_state;
};

} // namespace gachapoko::painter::faces
