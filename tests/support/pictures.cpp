// The tests' picture helpers.
#include "tests/support/pictures.h"

#include "assets/bitmap_decoder.h"
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

void setField(Bytes& bytes, std::size_t at, std::uint32_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i) & 0xFF);
    }
}

Colour colourAt(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return {qRed(rgb), qGreen(rgb), qBlue(rgb)};
}

int distance(Colour a, Colour b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

bool isGrey(Colour c, int tolerance) {
    return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) <= tolerance;
}

std::pair<int, int> inkColumns(const QImage& blank, const QImage& shown) {
    int first = shown.width();
    int last = -1;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != blank.pixel(x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

std::string pictureOnScreenDifference(const QImage& grab, const QImage& picture) {
    constexpr int Border = 2, Side = PictureSize, Shown = Side - 1;
    if (grab.width() < Border + Shown || grab.height() < Border + Side) {
        return "the window is too small for the picture";
    }
    const QImage expected = picture.convertToFormat(QImage::Format_RGB32);
    const QImage shown = grab.convertToFormat(QImage::Format_RGB32);
    int wrong = 0;
    std::string first;
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Shown; ++x) {
            const QRgb on = shown.pixel(x + Border, y + Border), painted = expected.pixel(x, y);
            if (on != painted && wrong++ == 0) {
                first =
                    QString::asprintf(", the first at %d,%d: %08x, painted %08x", x, y, on, painted)
                        .toStdString();
            }
        }
    }
    return wrong == 0 ? std::string() : std::to_string(wrong) + " pixels differ" + first;
}

std::string iconDifference(const QImage& image, int factor) {
    const DecodedBitmap icon = decodeIconBitmap(embeddedIconData());
    if (!icon.image) {
        return "the built-in icon does not decode";
    }
    const QImage expected = icon.image->convertToFormat(QImage::Format_ARGB32);
    const QImage actual = image.convertToFormat(QImage::Format_ARGB32);
    if (actual.size() != expected.size() * factor) {
        return "size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height());
    }
    const auto same = [](QRgb a, QRgb b) { return a == b || (qAlpha(a) == 0 && qAlpha(b) == 0); };
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (!same(actual.pixel(x, y), expected.pixel(x / factor, y / factor))) {
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
            }
        }
    }
    return {};
}

} // namespace gachapoko::test
