// Helpers shared by the picture tests.
#include "tests/pictures/stored_data.h"

#include "assets/embedded_pictures.h"

#include <algorithm>
#include <cstdlib>

namespace gachapoko::test {

Bytes storedPicture(std::int16_t id) {
    const auto data = embeddedPictureData(id);
    return Bytes(data.begin(), data.end());
}

Bytes storedIcon() {
    const auto data = embeddedIconData();
    return Bytes(data.begin(), data.end());
}

std::uint32_t field32(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes.at(at)) |
           static_cast<std::uint32_t>(bytes.at(at + 1)) << 8 |
           static_cast<std::uint32_t>(bytes.at(at + 2)) << 16 |
           static_cast<std::uint32_t>(bytes.at(at + 3)) << 24;
}

void setField32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i) & 0xFF);
    }
}

void setField16(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes.at(at) = static_cast<std::uint8_t>(value & 0xFF);
    bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

Colour colourAt(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return {qRed(c), qGreen(c), qBlue(c)};
}

int distance(Colour a, Colour b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

} // namespace gachapoko::test
