// Decoding of the stored pictures and the icon with every length checked first.
#include "assets/bitmap_decoder.h"

namespace gachapoko {

namespace {

constexpr std::int32_t LargestSide = 4096;

DecodedBitmap failure(BitmapError error) {
    return {std::nullopt, error};
}

QRgb paletteEntry(std::span<const std::uint8_t> d, std::size_t at) {
    return qRgb(d[at + 2], d[at + 1], d[at]); // stored blue, green, red, unused
}

} // namespace

const char* describe(BitmapError error) {
    switch (error) {
    case BitmapError::None:
        return "no error";
    case BitmapError::TooShort:
        return "shorter than a bitmap header";
    case BitmapError::HeaderSize:
        return "header size is not 40";
    case BitmapError::Dimensions:
        return "width or height out of range";
    case BitmapError::Planes:
        return "plane count is not 1";
    case BitmapError::Depth:
        return "unsupported bits per pixel";
    case BitmapError::Compression:
        return "compressed rows";
    case BitmapError::ColoursUsed:
        return "colours-used out of range";
    case BitmapError::ImageSize:
        return "image-size field does not match the rows";
    case BitmapError::TruncatedPalette:
        return "data ends inside the palette";
    case BitmapError::TruncatedRows:
        return "data ends inside the pixel rows";
    case BitmapError::TrailingBytes:
        return "data longer than header, palette and rows";
    case BitmapError::IndexOutsidePalette:
        return "pixel index outside the palette";
    }
    return "unknown error";
}

DecodedBitmap decodePictureBitmap(std::span<const std::uint8_t> data) {
    const std::optional<BitmapHeader> header = readBitmapHeader(data);
    if (!header) {
        return failure(BitmapError::TooShort);
    }
    const BitmapHeader& h = *header;
    if (h.headerSize != BitmapHeaderSize) {
        return failure(BitmapError::HeaderSize);
    }
    if (h.width <= 0 || h.width > LargestSide || h.height == 0 || h.height < -LargestSide ||
        h.height > LargestSide) {
        return failure(BitmapError::Dimensions);
    }
    if (h.planes != 1) {
        return failure(BitmapError::Planes);
    }
    if (h.bitCount != 8 && h.bitCount != 24) {
        return failure(BitmapError::Depth);
    }
    if (h.compression != 0) {
        return failure(BitmapError::Compression);
    }
    std::size_t paletteEntries = 0;
    if (h.bitCount == 8) {
        if (h.coloursUsed > 256) {
            return failure(BitmapError::ColoursUsed);
        }
        paletteEntries = h.coloursUsed == 0 ? 256 : h.coloursUsed;
    } else if (h.coloursUsed != 0) {
        return failure(BitmapError::ColoursUsed);
    }
    const auto width = static_cast<std::size_t>(h.width);
    const bool bottomUp = h.height > 0;
    const auto height = static_cast<std::size_t>(bottomUp ? h.height : -h.height);
    const std::size_t stride = rowStride(width, h.bitCount);
    const std::size_t rowsSize = stride * height;
    if (h.imageSize != 0 && h.imageSize != rowsSize) {
        return failure(BitmapError::ImageSize);
    }
    const std::size_t paletteAt = PaletteAt;
    const std::size_t rowsAt = paletteAt + PaletteEntryBytes * paletteEntries;
    if (data.size() < rowsAt) {
        return failure(BitmapError::TruncatedPalette);
    }
    if (data.size() < rowsAt + rowsSize) {
        return failure(BitmapError::TruncatedRows);
    }
    if (data.size() > rowsAt + rowsSize) {
        return failure(BitmapError::TrailingBytes);
    }

    const int w = static_cast<int>(width), hgt = static_cast<int>(height);
    const auto rowOf = [&](int y) {
        const std::size_t stored =
            bottomUp ? height - 1 - static_cast<std::size_t>(y) : static_cast<std::size_t>(y);
        return data.subspan(rowsAt + stored * stride, stride);
    };
    if (h.bitCount == 24) {
        QImage image(w, hgt, QImage::Format_RGB32);
        for (int y = 0; y < hgt; ++y) {
            const auto row = rowOf(y);
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (std::size_t x = 0; x < width; ++x) {
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            }
        }
        return {std::move(image), BitmapError::None};
    }
    QList<QRgb> colours;
    colours.reserve(static_cast<qsizetype>(paletteEntries));
    for (std::size_t i = 0; i < paletteEntries; ++i) {
        colours.push_back(paletteEntry(data, paletteAt + PaletteEntryBytes * i));
    }
    QImage image(w, hgt, QImage::Format_Indexed8);
    image.setColorTable(colours);
    for (int y = 0; y < hgt; ++y) {
        const auto row = rowOf(y);
        std::uint8_t* out = image.scanLine(y);
        for (std::size_t x = 0; x < width; ++x) {
            if (row[x] >= paletteEntries) {
                return failure(BitmapError::IndexOutsidePalette);
            }
            out[x] = row[x];
        }
    }
    return {std::move(image), BitmapError::None};
}

DecodedBitmap decodeIconBitmap(std::span<const std::uint8_t> data) {
    const std::optional<BitmapHeader> header = readBitmapHeader(data);
    if (!header) {
        return failure(BitmapError::TooShort);
    }
    const BitmapHeader& h = *header;
    if (h.headerSize != BitmapHeaderSize) {
        return failure(BitmapError::HeaderSize);
    }
    // The height counts the colour image and the mask.
    if (h.width != IconSize || h.height != 2 * IconSize) {
        return failure(BitmapError::Dimensions);
    }
    if (h.planes != 1) {
        return failure(BitmapError::Planes);
    }
    if (h.bitCount != 4) {
        return failure(BitmapError::Depth);
    }
    if (h.compression != 0) {
        return failure(BitmapError::Compression);
    }
    if (h.coloursUsed != 0 && h.coloursUsed != IconPaletteEntries) {
        return failure(BitmapError::ColoursUsed);
    }
    if (h.imageSize != 0 && h.imageSize != IconStoredSize - IconColourAt) {
        return failure(BitmapError::ImageSize);
    }
    if (data.size() < IconColourAt) {
        return failure(BitmapError::TruncatedPalette);
    }
    if (data.size() < IconStoredSize) {
        return failure(BitmapError::TruncatedRows);
    }
    if (data.size() > IconStoredSize) {
        return failure(BitmapError::TrailingBytes);
    }
    QImage image(IconSize, IconSize, QImage::Format_ARGB32);
    for (int y = 0; y < IconSize; ++y) {
        const std::size_t stored = static_cast<std::size_t>(IconSize - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (std::size_t x = 0; x < IconSize; ++x) {
            const std::uint8_t maskByte = data[IconMaskAt + stored * IconMaskStride + x / 8];
            if ((maskByte & (0x80 >> (x % 8))) != 0) {
                out[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const std::uint8_t pair = data[IconColourAt + stored * IconColourStride + x / 2];
            const unsigned index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
            out[x] = paletteEntry(data, PaletteAt + PaletteEntryBytes * index);
        }
    }
    return {std::move(image), BitmapError::None};
}

} // namespace gachapoko
