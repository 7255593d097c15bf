// Temporary plates for the faces not painted yet: a dark ground with the picture's id written
// small in the middle, so the game stays playable. Each face replaces its plate when painted.
#include "../faces.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace gachapoko::painter {

namespace {

// 3x5 digits, one row per string, '#' set.
constexpr std::array<std::array<std::string_view, 5>, 10> Digits = {{
    {"###", "#.#", "#.#", "#.#", "###"},
    {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"},
    {"###", "..#", "###", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"},
    {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"},
    {"###", "..#", "..#", "..#", "..#"},
    {"###", "#.#", "###", "#.#", "###"},
    {"###", "#.#", "###", "..#", "###"},
}};

IndexedPicture plate(int id) {
    IndexedPicture picture;
    picture.palette = sharedPalette();
    constexpr std::uint8_t Ground = 10; // 95,63,63, a dark brown
    constexpr std::uint8_t Ink = 255;   // white
    std::fill(picture.indices.begin(), picture.indices.end(), Ground);
    const std::array<int, 3> digits = {id / 100, id / 10 % 10, id % 10};
    constexpr int Scale = 3;
    const int left = (PictureSize - (3 * 4 - 1) * Scale) / 2;
    const int top = (PictureSize - 5 * Scale) / 2;
    for (std::size_t d = 0; d < digits.size(); ++d) {
        const auto& glyph = Digits[static_cast<std::size_t>(digits[d])];
        for (int gy = 0; gy < 5; ++gy) {
            for (int gx = 0; gx < 3; ++gx) {
                if (glyph[static_cast<std::size_t>(gy)][static_cast<std::size_t>(gx)] != '#') {
                    continue;
                }
                for (int sy = 0; sy < Scale; ++sy) {
                    for (int sx = 0; sx < Scale; ++sx) {
                        const int x = left + (static_cast<int>(d) * 4 + gx) * Scale + sx;
                        picture.at(x, top + gy * Scale + sy) = Ink;
                    }
                }
            }
        }
    }
    return picture;
}

// 109 and 110 carry palettes of their own; the plate gives them the shared one's colours.
IndexedPicture ownPalettePlate(int id) {
    return plate(id);
}

} // namespace

IndexedPicture paintFinalOpponent() {
    return ownPalettePlate(109);
}
IndexedPicture paintFinalOpponentBeaten() {
    return ownPalettePlate(110);
}

} // namespace gachapoko::painter
