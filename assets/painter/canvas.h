// The painter's picture types: what each picture function returns before it is stored.
#pragma once

#include "assets/stored_form.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace gachapoko::painter {

constexpr bool inPicture(int x, int y) {
    return x >= 0 && y >= 0 && x < PictureSize && y < PictureSize;
}

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// A true-colour picture (the title and the map): 200x200, rows top to bottom.
struct RgbPicture {
    std::vector<Rgb> pixels = std::vector<Rgb>(PictureSize * PictureSize);
    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y * PictureSize + x)]; }
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * PictureSize + x)]; }
};

using Palette = std::array<Rgb, 256>;

// An 8-bit picture: 200x200 palette indices, rows top to bottom, and its 256-entry palette.
struct IndexedPicture {
    Palette palette{};
    std::vector<std::uint8_t> indices = std::vector<std::uint8_t>(PictureSize * PictureSize);
    std::uint8_t& at(int x, int y) {
        return indices[static_cast<std::size_t>(y * PictureSize + x)];
    }
    std::uint8_t at(int x, int y) const {
        return indices[static_cast<std::size_t>(y * PictureSize + x)];
    }
};

// The program's icon: 32x32 indices into the standard 16-colour palette, rows top to bottom, and
// which pixels are see-through (a see-through pixel keeps colour 0, black).
struct IconPicture {
    std::array<std::uint8_t, IconSize * IconSize> colours{};
    std::array<bool, IconSize * IconSize> transparent{};
    std::uint8_t& colourAt(int x, int y) {
        return colours[static_cast<std::size_t>(y * IconSize + x)];
    }
    std::uint8_t colourAt(int x, int y) const {
        return colours[static_cast<std::size_t>(y * IconSize + x)];
    }
    bool isTransparent(int x, int y) const {
        return transparent[static_cast<std::size_t>(y * IconSize + x)];
    }
    void setTransparent(int x, int y, bool on) {
        transparent[static_cast<std::size_t>(y * IconSize + x)] = on;
    }
};

// The number of distinct palette entries that these 8-bit pixels use.
int usedEntries(std::span<const std::uint8_t> indices);

// The standard 16-colour palette of icons: black, the eight dark and bright primaries and
// secondaries, two greys and white (entry 2 is dark green 0,128,0, entry 10 bright green 0,255,0).
const std::array<Rgb, 16>& standardIconPalette();

// The palette shared by the flat-colour faces: the twenty static colours in entries 0-9 and
// 246-255, and in 10-245 the 236 colours of the 63..255 grid (seven levels per channel, red
// fastest) from 95,63,63 up to 223,223,191.
const Palette& sharedPalette();

} // namespace gachapoko::painter
