// Pixel-art drawing for the flat-colour faces: the shared palette's colours and shades, and the
// outline and shading passes.
#include "assets/painter/flat_drawing.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace gachapoko::painter {

std::uint8_t shared(int r, int g, int b) {
    const Palette& palette = sharedPalette();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        if (palette[i] == Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                              static_cast<std::uint8_t>(b)}) {
            return static_cast<std::uint8_t>(i);
        }
    }
    throw std::invalid_argument("colour not in the shared palette: " + std::to_string(r) + "," +
                                std::to_string(g) + "," + std::to_string(b));
}

std::uint8_t darker(std::uint8_t index) {
    const Palette& palette = sharedPalette();
    const Rgb c = palette[index];
    auto luma = [](Rgb v) { return 299 * v.r + 587 * v.g + 114 * v.b; };
    auto down = [](int v) { return std::max(0, v - 32); };
    const int tr = down(c.r), tg = down(c.g), tb = down(c.b);
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    // A shade keeps the colour's hue: which channel is strongest and weakest may not swap.
    auto sameHue = [&](Rgb v) {
        const int pairs[3][2] = {
            {c.r - c.g, v.r - v.g}, {c.g - c.b, v.g - v.b}, {c.r - c.b, v.r - v.b}};
        for (const auto& pair : pairs) {
            if (sign(pair[0]) * sign(pair[1]) < 0) {
                return false;
            }
        }
        return true;
    };
    int best = -1;
    long bestDistance = std::numeric_limits<long>::max();
    // Never black, which is the outline; and the shade must really be darker.
    for (std::size_t i = 1; i < palette.size(); ++i) {
        if (i == index || luma(palette[i]) >= luma(c)) {
            continue;
        }
        const long dr = palette[i].r - tr, dg = palette[i].g - tg, db = palette[i].b - tb;
        const long distance = dr * dr + dg * dg + db * db + (sameHue(palette[i]) ? 0 : 1000000);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return static_cast<std::uint8_t>(best < 0 ? index : best);
}

FlatDrawing::FlatDrawing(std::uint8_t ground) {
    m_picture.palette = sharedPalette();
    std::fill(m_picture.indices.begin(), m_picture.indices.end(), ground);
}

void FlatDrawing::put(int x, int y, std::uint8_t colour) {
    if (inPicture(x, y)) {
        m_picture.at(x, y) = colour;
    }
}

void FlatDrawing::fill(const Mask& area, std::uint8_t colour) {
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            if (area.has(x, y)) {
                m_picture.at(x, y) = colour;
            }
        }
    }
}

void FlatDrawing::shape(const Mask& area, std::uint8_t colour) {
    auto outside = [&](int x, int y) { return inPicture(x, y) && !area.has(x, y); };
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            if (!area.has(x, y)) {
                continue;
            }
            const bool edge =
                outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1) || outside(x, y + 1);
            m_picture.at(x, y) = edge ? Black : colour;
        }
    }
}

void FlatDrawing::line(const Path& path, double width, std::uint8_t colour) {
    fill(Mask::line(path, width), colour);
}

void FlatDrawing::shade(const Mask& area, std::uint8_t colour) {
    const std::uint8_t shadow = darker(colour);
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            if (area.has(x, y) && m_picture.at(x, y) == colour) {
                m_picture.at(x, y) = shadow;
            }
        }
    }
}

} // namespace gachapoko::painter
