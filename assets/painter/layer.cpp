// Laying paint onto the true-colour canvas.
#include "assets/painter/layer.h"

#include "assets/painter/maths.h"

#include <algorithm>

namespace gachapoko::painter {

namespace {

std::uint8_t toByte(double v) {
    return static_cast<std::uint8_t>(static_cast<int>(std::clamp(v, 0.0, 255.0) + 0.5));
}

} // namespace

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void Layer::paint(const Mask& mask, Colour colour, double opacity) {
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            const double amount = clamp01(mask.at(x, y) * opacity);
            if (amount > 0) {
                set(x, y, mix(at(x, y), colour, amount));
            }
        }
    }
}

void Layer::glow(const Mask& mask, Colour colour, double strength) {
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            const double amount = clamp01(mask.at(x, y) * strength);
            if (amount > 0) {
                const Colour c = at(x, y);
                const auto screen = [amount](double base, double light) {
                    return 255 - (255 - base) * (255 - light * amount) / 255;
                };
                set(x, y, {screen(c.r, colour.r), screen(c.g, colour.g), screen(c.b, colour.b)});
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

} // namespace gachapoko::painter
