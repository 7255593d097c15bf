// Reading and writing the bitmap information header, field by field.
#include "assets/stored_form.h"

namespace gachapoko {

namespace {

std::uint32_t read32(std::span<const std::uint8_t> d, std::size_t at) {
    return static_cast<std::uint32_t>(d[at]) | static_cast<std::uint32_t>(d[at + 1]) << 8 |
           static_cast<std::uint32_t>(d[at + 2]) << 16 |
           static_cast<std::uint32_t>(d[at + 3]) << 24;
}

std::uint16_t read16(std::span<const std::uint8_t> d, std::size_t at) {
    return static_cast<std::uint16_t>(d[at] | d[at + 1] << 8);
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    }
}

} // namespace

std::optional<BitmapHeader> readBitmapHeader(std::span<const std::uint8_t> data) {
    if (data.size() < BitmapHeaderSize) {
        return std::nullopt;
    }
    BitmapHeader h;
    h.headerSize = read32(data, 0);
    h.width = static_cast<std::int32_t>(read32(data, 4));
    h.height = static_cast<std::int32_t>(read32(data, 8));
    h.planes = read16(data, 12);
    h.bitCount = read16(data, 14);
    h.compression = read32(data, 16);
    h.imageSize = read32(data, 20);
    h.xPixelsPerMetre = static_cast<std::int32_t>(read32(data, 24));
    h.yPixelsPerMetre = static_cast<std::int32_t>(read32(data, 28));
    h.coloursUsed = read32(data, 32);
    h.coloursImportant = read32(data, 36);
    return h;
}

void appendBitmapHeader(std::vector<std::uint8_t>& out, const BitmapHeader& h) {
    put32(out, h.headerSize);
    put32(out, static_cast<std::uint32_t>(h.width));
    put32(out, static_cast<std::uint32_t>(h.height));
    put16(out, h.planes);
    put16(out, h.bitCount);
    put32(out, h.compression);
    put32(out, h.imageSize);
    put32(out, static_cast<std::uint32_t>(h.xPixelsPerMetre));
    put32(out, static_cast<std::uint32_t>(h.yPixelsPerMetre));
    put32(out, h.coloursUsed);
    put32(out, h.coloursImportant);
}

} // namespace gachapoko
