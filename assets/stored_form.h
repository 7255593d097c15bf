// The stored form of the pictures and the icon, shared by the painter that writes it and the
// decoder that reads it: their sizes, and the bitmap information header (a bitmap without its
// file header) that opens every one, its fields little-endian. Plain C++.
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
