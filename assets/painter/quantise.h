// Reduces a soft true-colour painting to 256 palette entries of its own for the airbrushed 8-bit
// pictures, every entry used by at least one pixel.
#pragma once

#include "assets/painter/canvas.h"

#include <vector>

namespace gachapoko::painter {

struct PaletteBudget {
    // Colours that keep an entry of their own, unchanged, at the front of the palette (in this
    // order) when the picture has them: solid colours that must stay exact.
    std::vector<Rgb> exact;
    // Entries for the pixels whose channels differ by more than `greyTolerance`; the rest go to
    // the greys, so that a mostly grey picture keeps most of its entries for its shading.
    int colourEntries = 64;
    int greyTolerance = 24;
};

// Median cut, with the greys cut apart from the coloured pixels. Every entry stands for the
// pixels of its box, so each is used as long as the picture has enough distinct colours in both
// groups (the shortfall of one group goes to the other); a picture of 256 colours or fewer keeps
// them all exactly. After the exact colours come the greys, dark to light, then the colours.
IndexedPicture quantise(const RgbPicture& picture, const PaletteBudget& budget);

} // namespace gachapoko::painter
