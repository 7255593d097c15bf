// Helpers for the face tests: a face as the lookup gives it, with its palette indices and
// colours, and counts of colours over areas of it.
#pragma once

#include <QImage>
#include <cstdint>

namespace gachapoko::test {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

struct Area {
    int left = 0, top = 0, right = 199, bottom = 199; // inclusive
    int pixels() const { return (right - left + 1) * (bottom - top + 1); }
};

// The picture of `id` from the lookup; fails the test when it is missing or not 8-bit.
QImage loadFace(std::int16_t id);

Rgb colourAt(const QImage& face, int x, int y);
int distinctIndices(const QImage& face);
// Share of the area's pixels that have exactly this colour, 0 to 1.
double shareOf(const QImage& face, Rgb colour, Area area);

} // namespace gachapoko::test
