// Every picture of the game in one table: its id, the function that paints it, the form it is
// stored in and the kind of palette it carries. The painter paints and stores the pictures from
// this table and checks each stored form against its row before the build embeds it.
#pragma once

#include "assets/painter/canvas.h"
#include "logic/types.h"

#include <array>
#include <variant>

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

// The pictures TitlePicture to ClosingPicture in id order.
extern const std::array<CataloguedPicture, PictureCount> Catalogue;

// The row of `id`, or nullptr when no picture has that id.
const CataloguedPicture* findPicture(PictureId id);

} // namespace gachapoko::painter
