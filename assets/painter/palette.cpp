// The palette shared by the flat-colour faces, the platform's twenty static colours around a
// 236-colour slice of the seven-level colour grid; and the count of the entries a picture uses.
#include "assets/painter/canvas.h"

#include <algorithm>

namespace gachapoko::painter {

namespace {

Palette buildSharedPalette() {
    Palette p{};
    constexpr std::array<Rgb, 10> low = {{{0, 0, 0},
                                          {128, 0, 0},
                                          {0, 128, 0},
                                          {128, 128, 0},
                                          {0, 0, 128},
                                          {128, 0, 128},
                                          {0, 128, 128},
                                          {192, 192, 192},
                                          {192, 220, 192},   // money green
                                          {166, 202, 240}}}; // sky blue
    constexpr std::array<Rgb, 10> high = {{{255, 251, 240},  // cream
                                           {160, 160, 164},
                                           {128, 128, 128},
                                           {255, 0, 0},
                                           {0, 255, 0},
                                           {255, 255, 0},
                                           {0, 0, 255},
                                           {255, 0, 255},
                                           {0, 255, 255},
                                           {255, 255, 255}}};
    for (std::size_t i = 0; i < low.size(); ++i) {
        p[i] = low[i];
        p[246 + i] = high[i];
    }
    // Grid position n = r + 7g + 49b over the levels 63, 95, ..., 255; positions 1 (95,63,63)
    // to 236 (223,223,191) fill entries 10 to 245.
    for (int n = 1; n <= 236; ++n) {
        auto level = [](int step) { return static_cast<std::uint8_t>(63 + 32 * step); };
        p[static_cast<std::size_t>(9 + n)] = {level(n % 7), level(n / 7 % 7), level(n / 49)};
    }
    return p;
}

} // namespace

int usedEntries(std::span<const std::uint8_t> indices) {
    std::array<bool, 256> used{};
    for (const std::uint8_t i : indices) {
        used[i] = true;
    }
    return static_cast<int>(std::count(used.begin(), used.end(), true));
}

const Palette& sharedPalette() {
    static const Palette palette = buildSharedPalette();
    return palette;
}

} // namespace gachapoko::painter
