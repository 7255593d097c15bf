// The program's icon: the group's name Q.R.Z.T. as blocky green letters in two lines over a
// bar, everything else see-through.
#include "assets/painter/pictures.h"

#include <array>
#include <string_view>

namespace gachapoko::painter {

namespace {

constexpr std::uint8_t DarkGreen = 2;    // 0,128,0, the outline
constexpr std::uint8_t BrightGreen = 10; // 0,255,0, the letters

// The letters' bright pixels, 8 wide and 10 high, strokes two pixels thick.
using Letter = std::array<std::string_view, 10>;
constexpr Letter LetterQ = {".######.", "########", "##....##", "##....##", "##....##",
                            "##.##.##", "##..####", "########", ".#######", "......##"};
constexpr Letter LetterR = {"#######.", "########", "##....##", "##....##", "########",
                            "#######.", "##..##..", "##...##.", "##....##", "##....##"};
constexpr Letter LetterZ = {"########", "########", ".....###", "....###.", "...###..",
                            "..###...", ".###....", "###.....", "########", "########"};
constexpr Letter LetterT = {"########", "########", "...##...", "...##...", "...##...",
                            "...##...", "...##...", "...##...", "...##...", "...##..."};

void plotGreen(IconPicture& icon, int x, int y) {
    icon.colourAt(x, y) = BrightGreen;
    icon.setTransparent(x, y, false);
}

// A letter whose outline box starts at (left, top); its square full stop follows at the
// baseline.
void placeLetter(IconPicture& icon, const Letter& letter, int left, int top) {
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (letter[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
                plotGreen(icon, left + 1 + x, top + 1 + y);
            }
        }
    }
    for (int y = 8; y < 10; ++y) {
        for (int x = 10; x < 12; ++x) {
            plotGreen(icon, left + 1 + x, top + 1 + y);
        }
    }
}

} // namespace

// The sixteen standard colours are the dark eight and the bright eight of the static colours
// that open and close the shared palette.
const std::array<Rgb, 16>& standardIconPalette() {
    static const std::array<Rgb, 16> palette = [] {
        const Palette& statics = sharedPalette();
        std::array<Rgb, 16> p{};
        for (std::size_t i = 0; i < 8; ++i) {
            p[i] = statics[i];
            p[8 + i] = statics[248 + i];
        }
        return p;
    }();
    return palette;
}

IconPicture paintIcon() {
    IconPicture icon;
    icon.transparent.fill(true);
    // Q. R. in rows 1 to 12, Z. T. in rows 15 to 26, each letter's box with its outline.
    placeLetter(icon, LetterQ, 1, 1);
    placeLetter(icon, LetterR, 16, 1);
    placeLetter(icon, LetterZ, 1, 15);
    placeLetter(icon, LetterT, 16, 15);
    for (int y = 28; y <= 30; ++y) {
        for (int x = 3; x <= 28; ++x) {
            plotGreen(icon, x, y);
        }
    }
    // Outline: every see-through pixel touching a green one turns dark green.
    const IconPicture letters = icon;
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            if (!letters.isTransparent(x, y)) {
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < IconSize && ny < IconSize &&
                        !letters.isTransparent(nx, ny)) {
                        touches = true;
                    }
                }
            }
            if (touches) {
                icon.colourAt(x, y) = DarkGreen;
                icon.setTransparent(x, y, false);
            }
        }
    }
    return icon;
}

} // namespace gachapoko::painter
