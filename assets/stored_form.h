// The stored form of the pictures and the icon, shared by the painter that writes it, the
// decoder that reads it and the tests that damage it: their sizes, the bitmap information header
// (a bitmap without its file header) that opens every one, its fields little-endian, and where
// the palette, the rows and the icon's mask lie after it. Plain C++.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace gachapoko {

// Every scene picture is PictureSize pixels square, the program's icon IconSize.
inline constexpr int PictureSize = 200;
inline constexpr int IconSize = 32;

inline constexpr std::size_t BitmapHeaderSize = 40;

// Where each header field lies, in bytes from the start.
namespace headerAt {
inline constexpr std::size_t HeaderSize = 0;
inline constexpr std::size_t Width = 4;
inline constexpr std::size_t Height = 8;
inline constexpr std::size_t Planes = 12;
inline constexpr std::size_t BitCount = 14;
inline constexpr std::size_t Compression = 16;
inline constexpr std::size_t ImageSize = 20;
inline constexpr std::size_t XPixelsPerMetre = 24;
inline constexpr std::size_t YPixelsPerMetre = 28;
inline constexpr std::size_t ColoursUsed = 32;
inline constexpr std::size_t ColoursImportant = 36;
} // namespace headerAt

// The bytes of one stored row: `width` pixels of `bitCount` bits, filled to a multiple of four.
constexpr std::size_t rowStride(std::size_t width, std::size_t bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

// A palette follows the header, four bytes an entry (blue, green, red, unused).
inline constexpr std::size_t PaletteAt = BitmapHeaderSize;
inline constexpr std::size_t PaletteEntryBytes = 4;

// A true-colour picture: the header, then its rows, bottom row first.
inline constexpr std::size_t TrueColourRowsAt = BitmapHeaderSize;
inline constexpr std::size_t TrueColourStride = rowStride(PictureSize, 24);
inline constexpr std::size_t TrueColourSize = TrueColourRowsAt + TrueColourStride * PictureSize;

// An 8-bit picture: the header, a palette of 256 entries, then its rows, bottom row first.
inline constexpr std::size_t IndexedPaletteEntries = 256;
inline constexpr std::size_t IndexedRowsAt = PaletteAt + PaletteEntryBytes * IndexedPaletteEntries;
inline constexpr std::size_t IndexedStride = rowStride(PictureSize, 8);
inline constexpr std::size_t IndexedSize = IndexedRowsAt + IndexedStride * PictureSize;

// The icon: the header, 16 palette entries, 4-bit colour rows, then the 1-bit mask rows (a set
// bit lets the background through), each bottom row first.
inline constexpr std::size_t IconPaletteEntries = 16;
inline constexpr std::size_t IconColourAt = PaletteAt + PaletteEntryBytes * IconPaletteEntries;
inline constexpr std::size_t IconColourStride = rowStride(IconSize, 4);
inline constexpr std::size_t IconMaskAt = IconColourAt + IconColourStride * IconSize;
inline constexpr std::size_t IconMaskStride = rowStride(IconSize, 1);
inline constexpr std::size_t IconStoredSize = IconMaskAt + IconMaskStride * IconSize;

// The header fields as stored, before any check but the length.
struct BitmapHeader {
    std::uint32_t headerSize = BitmapHeaderSize;
    std::int32_t width = 0;
    std::int32_t height = 0; // positive: the bottom row is stored first
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::int32_t xPixelsPerMetre = 0;
    std::int32_t yPixelsPerMetre = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t coloursImportant = 0;
};

// Nothing when the data is shorter than a header.
std::optional<BitmapHeader> readBitmapHeader(std::span<const std::uint8_t> data);
// Appends the header's BitmapHeaderSize bytes.
void appendBitmapHeader(std::vector<std::uint8_t>& out, const BitmapHeader& header);

} // namespace gachapoko
