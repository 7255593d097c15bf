// Writes the stored form of every picture and of the icon, and paints the catalogue into it.
#include "assets/painter/storage.h"

#include "assets/painter/pictures.h"

#include <stdexcept>
#include <string>

namespace gachapoko::painter {

namespace {

template <std::size_t N>
void putPalette(Bytes& out, const std::array<Rgb, N>& palette) {
    const Bytes stored = storedPalette(palette);
    out.insert(out.end(), stored.begin(), stored.end());
}

// The pictures' rows fill whole words as they are, so the painter writes them without filling.
static_assert(TrueColourStride == 3 * PictureSize && IndexedStride == PictureSize);
static_assert(IconColourStride == IconSize / 2 && IconMaskStride == IconSize / 8);

} // namespace

Bytes storeTrueColour(const RgbPicture& picture) {
    Bytes out;
    out.reserve(TrueColourSize);
    appendBitmapHeader(out, {.width = PictureSize,
                             .height = PictureSize,
                             .bitCount = 24,
                             .imageSize = TrueColourSize - TrueColourRowsAt,
                             .xPixelsPerMetre = PixelsPerMetre,
                             .yPixelsPerMetre = PixelsPerMetre});
    for (int y = PictureSize - 1; y >= 0; --y) {
        for (int x = 0; x < PictureSize; ++x) {
            const Rgb c = picture.at(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
    }
    return out;
}

Bytes storeIndexed(const IndexedPicture& picture, IndexedHeader header) {
    Bytes out;
    out.reserve(IndexedSize);
    if (header == IndexedHeader::SharedPalette) {
        appendBitmapHeader(
            out, {.width = PictureSize, .height = PictureSize, .bitCount = 8, .coloursUsed = 256});
    } else {
        appendBitmapHeader(out, {.width = PictureSize,
                                 .height = PictureSize,
                                 .bitCount = 8,
                                 .imageSize = IndexedSize - IndexedRowsAt,
                                 .xPixelsPerMetre = PixelsPerMetre,
                                 .yPixelsPerMetre = PixelsPerMetre});
    }
    putPalette(out, picture.palette);
    for (int y = PictureSize - 1; y >= 0; --y) {
        for (int x = 0; x < PictureSize; ++x) {
            out.push_back(picture.at(x, y));
        }
    }
    return out;
}

Bytes storeIcon(const IconPicture& icon) {
    Bytes out;
    out.reserve(IconStoredSize);
    // The height counts both layers: the colour image and the mask under it.
    appendBitmapHeader(out, {.width = IconSize,
                             .height = 2 * IconSize,
                             .bitCount = 4,
                             .imageSize = IconStoredSize - IconColourAt});
    putPalette(out, standardIconPalette());
    for (int y = IconSize - 1; y >= 0; --y) {
        for (int x = 0; x < IconSize; x += 2) {
            const auto pixel = [&](int px) {
                return icon.isTransparent(px, y) ? 0 : icon.colourAt(px, y) & 0x0F;
            };
            out.push_back(static_cast<std::uint8_t>(pixel(x) << 4 | pixel(x + 1)));
        }
    }
    // Mask bit 1 lets the background show through; the first pixel is the highest bit.
    for (int y = IconSize - 1; y >= 0; --y) {
        for (int x = 0; x < IconSize; x += 8) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (icon.isTransparent(x + bit, y)) {
                    bits = static_cast<std::uint8_t>(bits | (0x80 >> bit));
                }
            }
            out.push_back(bits);
        }
    }
    return out;
}

StoredPicture paintStored(const CataloguedPicture& picture) {
    const std::string name = "picture " + std::to_string(picture.id);
    if (const auto* paint = std::get_if<RgbPicture (*)()>(&picture.paint)) {
        if (picture.form != StoredForm::TrueColour) {
            throw std::logic_error(name + " is painted in true colour but catalogued as 8-bit");
        }
        return {picture.id, storeTrueColour((*paint)())};
    }
    if (picture.form != StoredForm::Indexed) {
        throw std::logic_error(name + " is painted in 8 bits but catalogued as true colour");
    }
    const IndexedPicture painted = std::get<IndexedPicture (*)()>(picture.paint)();
    return {picture.id, storeIndexed(painted, picture.palette == PaletteKind::Shared
                                                  ? IndexedHeader::SharedPalette
                                                  : IndexedHeader::OwnPalette)};
}

std::vector<StoredPicture> paintAllPictures() {
    std::vector<StoredPicture> pictures;
    for (const CataloguedPicture& picture : Catalogue) {
        pictures.push_back(paintStored(picture));
    }
    return pictures;
}

Bytes paintStoredIcon() {
    return storeIcon(paintIcon());
}

} // namespace gachapoko::painter
