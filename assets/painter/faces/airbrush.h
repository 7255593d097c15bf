// Soft airbrushed painting for the final opponent: colours sprayed with blurred edges onto a
// black field, then mapped onto a palette of the picture's own that uses every entry.
#pragma once

#include "../canvas.h"
#include "assets/painter/faces/flat_drawing.h"

#include <initializer_list>
#include <vector>

namespace gachapoko::painter::faces {

// A colour with fractional channels, 0 to 255.
struct Colour {
    double r = 0, g = 0, b = 0;
};

class Airbrush {
public:
    Airbrush() : m_pixels(PictureSize * PictureSize) {}

    // Sprays `colour` over `area` with its edges blurred by a Gaussian of `softness` pixels;
    // `strength` is how much of the colour covers the middle (0 to 1).
    void spray(const Mask& area, Colour colour, double softness, double strength);
    // Speckles the painted (not black) pixels by up to `amount` levels.
    void grain(Dice& dice, double amount);
    // Overwrites with hard, solid colours wherever `colourAt(x, y)` gives one.
    template <typename F>
    void paintSolid(F colourAt) {
        for (int y = 0; y < PictureSize; ++y) {
            for (int x = 0; x < PictureSize; ++x) {
                if (const Colour* c = colourAt(x, y)) {
                    set(x, y, *c);
                }
            }
        }
    }

    Colour at(int x, int y) const {
        return m_pixels[static_cast<std::size_t>(y * PictureSize + x)];
    }
    void set(int x, int y, Colour c) {
        m_pixels[static_cast<std::size_t>(y * PictureSize + x)] = c;
    }

    // Maps the picture onto a 256-entry palette of its own by median cut, so that every entry is
    // used. Colours in `exact` that occur in the picture keep an entry of their own, unchanged.
    IndexedPicture toIndexed(std::initializer_list<Colour> exact) const;

private:
    std::vector<Colour> m_pixels;
};

} // namespace gachapoko::painter::faces
