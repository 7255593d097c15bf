// Helpers for the picture tests: the embedded bytes as vectors, little-endian field access and
// the decoded pictures' pixels as plain colours.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace gachapoko::test {

using Bytes = std::vector<std::uint8_t>;

Bytes storedPicture(std::int16_t id);
Bytes storedIcon();

std::uint32_t field32(const Bytes& bytes, std::size_t at);
void setField32(Bytes& bytes, std::size_t at, std::uint32_t value);
void setField16(Bytes& bytes, std::size_t at, std::uint16_t value);

// Byte offsets of the information header's fields.
namespace offset {
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
inline constexpr std::size_t Palette = 40;
} // namespace offset

struct Colour {
    int r = 0, g = 0, b = 0;
};
Colour colourAt(const QImage& image, int x, int y);
// Largest channel difference between two colours.
int distance(Colour a, Colour b);

} // namespace gachapoko::test
