// Reading and writing the bitmap information header, field by field at its offsets.
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

void put16(std::span<std::uint8_t> d, std::size_t at, std::uint16_t v) {
    d[at] = static_cast<std::uint8_t>(v & 0xFF);
    d[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::span<std::uint8_t> d, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) {
        d[at + i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
    }
}

} // namespace

std::optional<BitmapHeader> readBitmapHeader(std::span<const std::uint8_t> data) {
    if (data.size() < BitmapHeaderSize) {
        return std::nullopt;
    }
    BitmapHeader h;
    h.headerSize = read32(data, headerAt::HeaderSize);
    h.width = static_cast<std::int32_t>(read32(data, headerAt::Width));
    h.height = static_cast<std::int32_t>(read32(data, headerAt::Height));
    h.planes = read16(data, headerAt::Planes);
    h.bitCount = read16(data, headerAt::BitCount);
    h.compression = read32(data, headerAt::Compression);
    h.imageSize = read32(data, headerAt::ImageSize);
    h.xPixelsPerMetre = static_cast<std::int32_t>(read32(data, headerAt::XPixelsPerMetre));
    h.yPixelsPerMetre = static_cast<std::int32_t>(read32(data, headerAt::YPixelsPerMetre));
    h.coloursUsed = read32(data, headerAt::ColoursUsed);
    h.coloursImportant = read32(data, headerAt::ColoursImportant);
    return h;
}

void appendBitmapHeader(std::vector<std::uint8_t>& out, const BitmapHeader& h) {
    const std::size_t start = out.size();
    out.resize(start + BitmapHeaderSize);
    const std::span<std::uint8_t> d(out.data() + start, BitmapHeaderSize);
    put32(d, headerAt::HeaderSize, h.headerSize);
    put32(d, headerAt::Width, static_cast<std::uint32_t>(h.width));
    put32(d, headerAt::Height, static_cast<std::uint32_t>(h.height));
    put16(d, headerAt::Planes, h.planes);
    put16(d, headerAt::BitCount, h.bitCount);
    put32(d, headerAt::Compression, h.compression);
    put32(d, headerAt::ImageSize, h.imageSize);
    put32(d, headerAt::XPixelsPerMetre, static_cast<std::uint32_t>(h.xPixelsPerMetre));
    put32(d, headerAt::YPixelsPerMetre, static_cast<std::uint32_t>(h.yPixelsPerMetre));
    put32(d, headerAt::ColoursUsed, h.coloursUsed);
    put32(d, headerAt::ColoursImportant, h.coloursImportant);
}

} // namespace gachapoko
