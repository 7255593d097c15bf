// Where paint goes: a mask holds, for every pixel of a 200x200 picture, how much of it a shape
// covers, from 0 to 1. Hard-edged shapes (for the flat pixel drawings) cover whole pixels or
// none: a pixel belongs to a shape when its centre lies inside. Soft brushes (for the painted
// and airbrushed pictures) leave fractions along anti-aliased or fading edges.
#pragma once

#include "assets/painter/canvas.h"
#include "assets/painter/geometry.h"

#include <span>
#include <vector>

namespace gachapoko::painter {

class Mask {
public:
    Mask() : m_values(PictureSize * PictureSize, 0.0) {}

    // The cover of a pixel; 0 outside the picture.
    double at(int x, int y) const;
    bool has(int x, int y) const { return at(x, y) > 0; }
    // Sets the cover of a pixel; pixels outside the picture are left alone.
    void set(int x, int y, double cover = 1);
    // Keeps the larger of the two covers, so a stroke never builds up where it crosses itself.
    void raise(int x, int y, double cover);
    // Every cover times `factor`, kept within 0 to 1.
    void scale(double factor);

    // Hard-edged shapes.
    static Mask polygon(const Path& outline);
    static Mask ellipse(double cx, double cy, double rx, double ry);
    static Mask rect(int left, int top, int right, int bottom); // inclusive
    // Pixels within width/2 of the polyline; width 1 gives a clean single-pixel line.
    static Mask line(const Path& path, double width);
    // Rays fanning out from (cx, cy): the pixels whose angle falls in the even-numbered of
    // `count` equal sectors, the first starting at `turn` radians.
    static Mask rays(double cx, double cy, int count, double turn);
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

    // The same cover moved by (dx, dy); what leaves the picture is lost.
    Mask shifted(int dx, int dy) const;

    // Either: the larger cover. Both: the product, so paint stays only where both have some.
    // Less: this cover times what the other leaves uncovered. On hard shapes these are the
    // union, intersection and difference.
    Mask operator|(const Mask& other) const;
    Mask operator&(const Mask& other) const;
    Mask operator-(const Mask& other) const;

private:
    std::vector<double> m_values;
};

// A point of a brush path with the brush's radius there, so strokes can swell and taper.
struct BrushPoint {
    Point at;
    double radius = 1;
};

// A round brush pulled along the path; `softness` is the width in pixels of its fading edge and
// `strength` the cover in its middle.
void stroke(Mask& mask, std::span<const BrushPoint> path, double softness = 1, double strength = 1);
void stroke(Mask& mask, const Path& path, double radius, double softness = 1, double strength = 1);
void dab(Mask& mask, Point centre, double radius, double softness = 1, double strength = 1);
// Fills a polygon with anti-aliased edges (16 samples per pixel, even-odd rule).
void fillPolygon(Mask& mask, const Path& corners, double strength = 1);

} // namespace gachapoko::painter
