// The painter's checks of what it stores, run on every build before the pictures are embedded:
// a picture that breaks one stops the build with a line naming the picture and the fault.
#pragma once

#include "assets/painter/catalogue.h"
#include "assets/painter/storage.h"

#include <string>
#include <vector>

namespace gachapoko::painter {

// Problems found in the shared palette as it is made: an entry repeated, black and white not at
// its ends, or a grid entry off the seven levels or out of grid order.
std::vector<std::string> checkSharedPalette(const Palette& palette);
// Problems found in one stored picture against its row: its size, its header fields, its
// palette (the shared one, or one of its own used whole) and, for the map, that each site's
// region lies over a painted place. Empty when all is well.
std::vector<std::string> checkStoredPicture(const CataloguedPicture& picture, const Bytes& bytes);
// The same for the icon: size, header fields and the standard 16 colours.
std::vector<std::string> checkStoredIcon(const Bytes& icon);
// Every picture from TitlePicture to ClosingPicture once, in id order, each checked against its
// row of the catalogue, the icon, and the shared palette they are painted with.
std::vector<std::string> checkStoredPictures(const std::vector<StoredPicture>& pictures,
                                             const Bytes& icon);

} // namespace gachapoko::painter
