// The information header that opens every stored picture and the icon (a bitmap without its file
// header), read field by field in little-endian order. Plain C++: the decoder reads it at run
// time, the painter to check what it stores.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace gachapoko {

inline constexpr std::size_t BitmapHeaderSize = 40;

// The header fields as stored, before any check but the length.
struct BitmapHeader {
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
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

} // namespace gachapoko
