// The painter's own lettering: stroke shapes of every letter the pictures show (the title's
// katakana, the group's name, the year, The End and the credit names), laid out and drawn with
// the soft brush through any placement, flat or in perspective. No system font is involved.
#pragma once

#include "assets/painter/geometry.h"
#include "assets/painter/mask.h"
#include "assets/painter/random.h"

#include <functional>
#include <string_view>
#include <vector>

namespace gachapoko::painter {

using StrokePath = Path;

// A letter in em units: x to the right, y down, capitals from y 0 to the baseline at y 1.
struct Glyph {
    double advance = 0;
    std::vector<StrokePath> strokes;
};

// The glyph of a letter; a blank of a space's width for letters the painter does not know.
const Glyph& glyphFor(char32_t letter);

// The strokes of a line of text from x 0, with `spacing` em added after every letter.
std::vector<StrokePath> layOut(std::u32string_view text, double spacing = 0.1);
double textWidth(std::u32string_view text, double spacing = 0.1);

// Takes a point of text space to the picture.
using Placement = std::function<Point(Point)>;

// A flat placement: text space scaled by `sx`, `sy` pixels per em and moved to `origin`
// (the top-left corner of the first letter's capital box).
Placement flat(Point origin, double sx, double sy);

// Text space x 0..width, y 0..height mapped onto the four corners in perspective, so that
// letters grow toward the nearer side.
Placement perspective(double width, double height, Point topLeft, Point topRight, Point bottomRight,
                      Point bottomLeft);

// Draws the strokes through the placement with a brush `weight` em wide (radius weight / 2),
// swelling and thinning with the placement's scale. With `pressure` the brush also varies a
// little along each stroke like a hand-held brush.
void drawStrokes(Mask& mask, const std::vector<StrokePath>& strokes, const Placement& place,
                 double weight, double softness = 1, Random* pressure = nullptr);

} // namespace gachapoko::painter
