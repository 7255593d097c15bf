// Reduces a soft true-colour painting to 256 palette entries for the 8-bit pictures, every
// entry used by at least one pixel.
#pragma once

#include "assets/painter/canvas.h"

namespace gachapoko::painter {

// Median cut, with the greys cut apart from the coloured pixels so that a mostly grey picture
// keeps most of its entries for its shading: `colourEntries` of the 256 go to pixels whose
// channels differ by more than `greyTolerance`. Every entry stands for the pixels of its box,
// so each is used as long as the picture has enough distinct colours in both groups (the
// shortfall of one group goes to the other). Entries are ordered greys first, dark to light.
IndexedPicture quantise(const RgbPicture& picture, int colourEntries, int greyTolerance = 24);

// The number of distinct palette entries the picture's pixels use.
int usedEntries(const IndexedPicture& picture);

} // namespace gachapoko::painter
