// Writes the stored form of every picture and of the icon, little-endian as the bitmap layout
// wants it.
#include "assets/painter/storage.h"

namespace gachapoko::painter {

namespace {

constexpr std::uint32_t InfoHeaderSize = 40;

void put16(Bytes& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    }
}

struct InfoHeader {
    std::int32_t width = PictureSize;
    std::int32_t height = PictureSize; // positive: bottom row first
    std::uint16_t bitCount = 24;
    std::uint32_t imageSize = 0;
    std::int32_t pixelsPerMetre = 0;
    std::uint32_t coloursUsed = 0;
};

void putHeader(Bytes& out, const InfoHeader& h) {
    put32(out, InfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(h.width));
    put32(out, static_cast<std::uint32_t>(h.height));
    put16(out, 1); // planes
    put16(out, h.bitCount);
    put32(out, 0); // no compression
    put32(out, h.imageSize);
    put32(out, static_cast<std::uint32_t>(h.pixelsPerMetre));
    put32(out, static_cast<std::uint32_t>(h.pixelsPerMetre));
    put32(out, h.coloursUsed);
    put32(out, 0); // colours important: all
}

template <std::size_t N>
void putPalette(Bytes& out, const std::array<Rgb, N>& palette) {
    for (const Rgb c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
}

} // namespace

Bytes storeTrueColour(const RgbPicture& picture) {
    Bytes out;
    out.reserve(TrueColourSize);
    putHeader(out, {.bitCount = 24,
                    .imageSize = PictureSize * PictureSize * 3,
                    .pixelsPerMetre = PixelsPerMetre});
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
        putHeader(out, {.bitCount = 8, .imageSize = 0, .pixelsPerMetre = 0, .coloursUsed = 256});
    } else {
        putHeader(out, {.bitCount = 8,
                        .imageSize = PictureSize * PictureSize,
                        .pixelsPerMetre = PixelsPerMetre,
                        .coloursUsed = 0});
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
    constexpr std::uint32_t ColourBytes = IconSize * IconSize / 2;
    constexpr std::uint32_t MaskBytes = IconSize * IconSize / 8;
    Bytes out;
    out.reserve(IconStoredSize);
    // The height counts both layers: the colour image and the mask under it.
    putHeader(out, {.width = IconSize,
                    .height = 2 * IconSize,
                    .bitCount = 4,
                    .imageSize = ColourBytes + MaskBytes});
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

} // namespace gachapoko::painter
