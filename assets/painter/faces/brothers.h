// What the two brothers share: the eldest son at the coast and the second son at the houses have
// one face, drawn upright in one set of colours and then tilted about its middle. The second son
// is his brother's picture with the lower face laughing in tears.
#pragma once

#include "assets/painter/flat_drawing.h"

namespace gachapoko::painter::brothers {

inline constexpr Point TiltCentre = {128, 112};
inline constexpr double Tilt = -0.16;

inline Path tilted(const Path& path) {
    return turned(path, TiltCentre, Tilt);
}
inline Mask tiltedShape(const Path& path) {
    return Mask::polygon(tilted(path));
}
inline Mask tiltedEllipse(double cx, double cy, double rx, double ry) {
    return tiltedShape(ellipse({cx, cy}, rx, ry));
}

struct Colours {
    std::uint8_t hair = shared(95, 63, 63);
    std::uint8_t skin = shared(255, 191, 159);
    std::uint8_t lid = shared(191, 127, 95);
    std::uint8_t green = shared(63, 95, 63);
    std::uint8_t yellow = shared(255, 255, 63);
    std::uint8_t red = shared(223, 63, 63);
    std::uint8_t gold = shared(255, 223, 63);
};

} // namespace gachapoko::painter::brothers
