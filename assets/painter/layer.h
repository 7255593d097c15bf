// A true-colour canvas that paint is laid onto through masks, for the painted and airbrushed
// pictures; at the end it becomes a stored picture (directly, or through the quantiser).
#pragma once

#include "assets/painter/canvas.h"
#include "assets/painter/mask.h"

#include <vector>

namespace gachapoko::painter {

// A colour with channels 0 to 255 while painting.
struct Colour {
    double r = 0, g = 0, b = 0;
};

constexpr Colour rgb(int r, int g, int b) {
    return {static_cast<double>(r), static_cast<double>(g), static_cast<double>(b)};
}

constexpr Colour colourOf(Rgb c) {
    return rgb(c.r, c.g, c.b);
}

// a where t is 0, b where t is 1.
Colour mix(Colour a, Colour b, double t);

class Layer {
public:
    explicit Layer(Colour ground = {})
        : m_pixels(static_cast<std::size_t>(PictureSize * PictureSize), ground) {}

    Colour at(int x, int y) const { return m_pixels[index(x, y)]; }
    void set(int x, int y, Colour colour) { m_pixels[index(x, y)] = colour; }
    // Covers the canvas with the colour as far as the mask reaches, times the opacity.
    void paint(const Mask& mask, Colour colour, double opacity = 1);
    // Lightens like light falling on the canvas (a screen blend), for glows.
    void glow(const Mask& mask, Colour colour, double strength = 1);
    // Each channel rounded to the nearest level, 0 to 255.
    RgbPicture toPicture() const;

private:
    static std::size_t index(int x, int y) { return static_cast<std::size_t>(y * PictureSize + x); }
    std::vector<Colour> m_pixels;
};

} // namespace gachapoko::painter
