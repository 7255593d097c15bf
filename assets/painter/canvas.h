// The painter's picture types: what each picture function returns before it is stored.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace gachapoko::painter {

inline constexpr int PictureSize = 200;

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
    std::uint8_t& at(int x, int y) { return indices[static_cast<std::size_t>(y * PictureSize + x)]; }
    std::uint8_t at(int x, int y) const {
        return indices[static_cast<std::size_t>(y * PictureSize + x)];
    }
};

// The palette shared by the flat-colour faces 103 to 108: the twenty static colours in
// entries 0-9 and 246-255, and in 10-245 the 236 colours of the 63..255 grid (seven levels per
// channel, red fastest) from 95,63,63 up to 223,223,191.
const Palette& sharedPalette();

} // namespace gachapoko::painter
