// Pixel-art drawing for the flat-colour faces: hard-edged shapes (masks of whole pixels) on the
// shared palette, each with a black one-pixel outline, and one darker shade per colour for the
// shadows.
#pragma once

#include "assets/painter/canvas.h"
#include "assets/painter/mask.h"

#include <cstdint>

namespace gachapoko::painter {

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

    std::uint8_t at(int x, int y) const { return m_picture.at(x, y); }
    void put(int x, int y, std::uint8_t colour);
    const IndexedPicture& picture() const { return m_picture; }

private:
    IndexedPicture m_picture;
};

} // namespace gachapoko::painter
