// Turns painted pictures into the bytes the program carries: a bitmap information header, the
// palette of an 8-bit picture, and the pixel rows bottom row first; the icon with its mask. And
// paints the catalogue's pictures in the stored forms their rows name.
#pragma once

#include "assets/painter/canvas.h"
#include "assets/painter/catalogue.h"

#include <cstdint>
#include <vector>

namespace gachapoko::painter {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::int32_t PixelsPerMetre = 7087; // 180 dots per inch

// The 8-bit pictures come in two header styles: the faces on the shared palette say so with a
// colours-used count and leave size and resolution empty; those with palettes of their own give
// size and resolution and leave colours-used at 0, which means all 256.
enum class IndexedHeader { SharedPalette, OwnPalette };

// A palette as stored: blue, green, red and an unused byte for each entry.
template <std::size_t N>
Bytes storedPalette(const std::array<Rgb, N>& palette) {
    Bytes bytes;
    for (const Rgb c : palette) {
        bytes.insert(bytes.end(), {c.b, c.g, c.r, 0});
    }
    return bytes;
}

Bytes storeTrueColour(const RgbPicture& picture);
Bytes storeIndexed(const IndexedPicture& picture, IndexedHeader header);
Bytes storeIcon(const IconPicture& icon);

struct StoredPicture {
    PictureId id = 0;
    Bytes bytes;
};

// Paints the picture and stores it in the form and with the header its row names. Throws
// std::logic_error when the paint function gives another form than the row says.
StoredPicture paintStored(const CataloguedPicture& picture);
// Every picture of the catalogue, in id order.
std::vector<StoredPicture> paintAllPictures();
// The program's icon in its stored form: a 32x32 4-bit bitmap with its transparency mask.
Bytes paintStoredIcon();

} // namespace gachapoko::painter
