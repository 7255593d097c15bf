// Every picture of the game in one table: its id, the function that paints it, the form it is
// stored in and the kind of palette it carries. The painter paints and stores the pictures from
// this table and checks each stored form against its row before the build embeds it.
#pragma once

#include "assets/painter/canvas.h"
#include "assets/painter/storage.h"
#include "logic/types.h"

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace gachapoko::painter {

enum class StoredForm {
    TrueColour, // 24 bits per pixel
    Indexed,    // 8 bits per pixel with a 256-entry palette
};

enum class PaletteKind {
    None,   // true colour
    Shared, // the palette shared by the flat faces, byte for byte; colours-used says 256
    Own,    // a palette of the picture's own, every entry used; size and resolution given
};

using PaintFunction = std::variant<RgbPicture (*)(), IndexedPicture (*)()>;

struct CataloguedPicture {
    PictureId id;
    PaintFunction paint;
    StoredForm form;
    PaletteKind palette;
};

// Pictures 101 to 111 in id order.
extern const std::array<CataloguedPicture, 11> Catalogue;

// The row of `id`, or nullptr when no picture has that id.
const CataloguedPicture* findPicture(PictureId id);

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

// Problems found in one stored picture against its row: its size, its header fields, its
// palette (the shared one, or one of its own used whole) and, for the map, that each site's
// region lies over a painted place. Empty when all is well.
std::vector<std::string> checkStoredPicture(const CataloguedPicture& picture, const Bytes& bytes);
// The same for the icon: size, header fields and the standard 16 colours.
std::vector<std::string> checkStoredIcon(const Bytes& icon);
// Every picture of the catalogue once, in id order, each checked, and the icon.
std::vector<std::string> checkStoredPictures(const std::vector<StoredPicture>& pictures,
                                             const Bytes& icon);

} // namespace gachapoko::painter
