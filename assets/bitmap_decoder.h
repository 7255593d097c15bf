// Reads the stored pictures and the icon: a bitmap information header without the file header,
// the palette of an 8-bit picture, then the pixel rows. Every length is checked before it is
// read, so damaged data gives an error, never a read past its end.
#pragma once

#include "assets/stored_form.h"

#include <QImage>
#include <cstdint>
#include <optional>
#include <span>

namespace gachapoko {

enum class BitmapError {
    None,
    TooShort,            // not even a whole information header
    HeaderSize,          // the header does not say 40 bytes
    Dimensions,          // width or height zero, negative where it may not be, or absurdly large
    Planes,              // more than one plane
    Depth,               // bits per pixel the game does not use
    Compression,         // compressed rows
    ColoursUsed,         // more palette entries than the depth allows
    ImageSize,           // an image-size field that is neither 0 nor the rows' size
    TruncatedPalette,    // the data ends inside the palette
    TruncatedRows,       // the data ends inside the pixel rows
    TrailingBytes,       // more data than header, palette and rows
    IndexOutsidePalette, // a pixel names a palette entry that is not there
};

const char* describe(BitmapError error);

struct DecodedBitmap {
    std::optional<QImage> image;
    BitmapError error = BitmapError::None;
};

// A stored picture: 24 bits per pixel (into an RGB32 image) or 8 bits with a palette of up to
// 256 entries, colours-used 0 meaning all 256 (into an indexed image with that colour table).
// Rows bottom first for a positive height, top first for a negative one. Resolution is ignored.
DecodedBitmap decodePictureBitmap(std::span<const std::uint8_t> data);

// A stored 32x32 icon: header of height 64, 16-colour palette, 4-bit colour rows, then the
// 1-bit mask whose set bits are see-through. Gives an ARGB32 image.
DecodedBitmap decodeIconBitmap(std::span<const std::uint8_t> data);

} // namespace gachapoko
