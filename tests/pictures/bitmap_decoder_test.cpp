// The decoder of stored pictures and icons: the header variants it accepts, and damaged data,
// which must give its error and never a read past the end (the sanitizer build watches that).
#include "assets/bitmap_decoder.h"
#include "logic/types.h"
#include "tests/support/pictures.h"

#include <functional>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

namespace at = headerAt;
using enum BitmapError;

// A small bitmap built by hand: the header, optional palette, rows as given.
Bytes handMade(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
               std::uint32_t coloursUsed, const Bytes& palette, const Bytes& rows) {
    Bytes b(BitmapHeaderSize, 0);
    setField(b, at::HeaderSize, BitmapHeaderSize);
    setField(b, at::Width, static_cast<std::uint32_t>(width));
    setField(b, at::Height, static_cast<std::uint32_t>(height));
    setField(b, at::Planes, 1, 2);
    setField(b, at::BitCount, bitCount, 2);
    setField(b, at::ColoursUsed, coloursUsed);
    b.insert(b.end(), palette.begin(), palette.end());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

// The colours of a picture decoded from `bytes`, row by row from the top; none when it fails.
std::vector<QRgb> decodedPixels(const Bytes& bytes) {
    const DecodedBitmap d = decodePictureBitmap(bytes);
    std::vector<QRgb> pixels;
    for (int i = 0; d.image && i < d.image->width() * d.image->height(); ++i) {
        pixels.push_back(d.image->pixel(i % d.image->width(), i / d.image->width()));
    }
    return pixels;
}

TEST(BitmapDecoder, ReadsHandMadePictures) {
    using Pixels = std::vector<QRgb>;
    // 2x2, 24 bits: each 6-byte row (blue, green, red) is filled to 8, the bottom one first.
    EXPECT_EQ(decodedPixels(handMade(2, 2, 24, 0, {},
                                     {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 9, 9, 9, 0, 0})),
              (Pixels{qRgb(255, 0, 0), qRgb(9, 9, 9), qRgb(0, 0, 255), qRgb(0, 255, 0)}));
    // A negative height: the top row first.
    EXPECT_EQ(decodedPixels(handMade(1, -2, 24, 0, {}, {0, 0, 255, 0, 255, 0, 0, 0})),
              (Pixels{qRgb(255, 0, 0), qRgb(0, 0, 255)}));
    // 8 bits with a palette of two entries (blue, green, red, unused), where 256 could be.
    EXPECT_EQ(decodedPixels(handMade(2, 1, 8, 2, {10, 20, 30, 0, 40, 50, 60, 0}, {1, 0, 0, 0})),
              (Pixels{qRgb(60, 50, 40), qRgb(30, 20, 10)}));
}

TEST(IconDecoder, ShowsColourWhereTheMaskIsClearAndNothingWhereItIsSet) {
    Bytes palette;
    for (int i = 0; i < 16; ++i) { // entry i is grey 16 * i
        const auto v = static_cast<std::uint8_t>(16 * i);
        palette.insert(palette.end(), {v, v, v, 0});
    }
    Bytes rows(IconColourStride * IconSize, 0x00);
    rows[31 * IconColourStride] = 0xA5; // top row, first two pixels: entries 10 and 5
    // The mask: all see-through but the top row's pixels 1 to 7.
    rows.resize(rows.size() + IconMaskStride * IconSize, 0xFF);
    rows[rows.size() - IconMaskStride] = 0x80;
    const DecodedBitmap d = decodeIconBitmap(handMade(32, 64, 4, 0, palette, rows));
    ASSERT_TRUE(d.image.has_value()) << describe(d.error);
    EXPECT_EQ(qAlpha(d.image->pixel(0, 0)), 0);
    EXPECT_EQ(d.image->pixel(1, 0), qRgba(80, 80, 80, 255));
    EXPECT_EQ(qAlpha(d.image->pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(d.image->pixel(2, 0)), 255);
}

// In the tables below, the icon rather than a picture.
constexpr PictureId Icon = 0;

Bytes stored(PictureId id) {
    return id == Icon ? storedIcon() : storedPicture(id);
}
DecodedBitmap decode(PictureId id, std::span<const std::uint8_t> bytes) {
    return id == Icon ? decodeIconBitmap(bytes) : decodePictureBitmap(bytes);
}

// Changes to stored bytes: header fields set (32-bit ones, or one of `width` bytes), the data
// cut to a length, or made longer (shorter for a negative count).
using Change = std::function<void(Bytes&)>;
Change fields(std::vector<std::pair<std::size_t, std::uint32_t>> values) {
    return [values](Bytes& b) {
        for (const auto& [at, value] : values) {
            setField(b, at, value);
        }
    };
}
Change field(std::size_t at, std::uint32_t value, std::size_t width = 4) {
    return [=](Bytes& b) { setField(b, at, value, width); };
}
Change cutTo(std::size_t length) {
    return [=](Bytes& b) { b.resize(length); };
}
Change lengthenBy(std::ptrdiff_t bytes) {
    return [=](Bytes& b) { b.resize(static_cast<std::size_t>(std::ssize(b) + bytes)); };
}

struct Changed {
    const char* name;
    PictureId id;
    Change change;
    BitmapError error;
};

// Stored data changed: the header styles the stored pictures come in (the resolution, the
// image-size field, 0 or the true size, and colours-used, 0 or 256, change nothing) decode to the
// same picture; damaged data fails with its reason.
TEST(BitmapDecoder, ChangedStoredDataDecodesAlikeOrFailsWithItsReason) {
    const std::vector<Changed> cases = {
        {"shared-palette style", ClosingPicture,
         fields({{at::ImageSize, 0},
                 {at::XPixelsPerMetre, 0},
                 {at::YPixelsPerMetre, 0},
                 {at::ColoursUsed, 256}}),
         None},
        {"odd resolution", ClosingPicture,
         fields({{at::XPixelsPerMetre, 1}, {at::YPixelsPerMetre, 0xFFFFFFFF}}), None},
        {"true colour without sizes", TitlePicture,
         fields({{at::ImageSize, 0}, {at::XPixelsPerMetre, 0}, {at::YPixelsPerMetre, 0}}), None},
        {"empty", TitlePicture, cutTo(0), TooShort},
        {"half a header", ClosingPicture, cutTo(39), TooShort},
        {"old 12-byte header", TitlePicture, field(at::HeaderSize, 12), HeaderSize},
        {"header size 124", ClosingPicture, field(at::HeaderSize, 124), HeaderSize},
        {"width 0", TitlePicture, field(at::Width, 0), Dimensions},
        {"negative width", TitlePicture, field(at::Width, 0xFFFFFF38), Dimensions},
        {"height 0", ClosingPicture, field(at::Height, 0), Dimensions},
        {"huge width", ClosingPicture, field(at::Width, 0x7FFFFFFF), Dimensions},
        {"most negative height", TitlePicture, field(at::Height, 0x80000000), Dimensions},
        {"two planes", TitlePicture, field(at::Planes, 2, 2), Planes},
        {"16 bits per pixel", TitlePicture, field(at::BitCount, 16, 2), Depth},
        {"32 bits per pixel", TitlePicture, field(at::BitCount, 32, 2), Depth},
        {"4 bits per pixel", ClosingPicture, field(at::BitCount, 4, 2), Depth},
        {"run-length compressed", ClosingPicture, field(at::Compression, 1), Compression},
        {"257 colours", ClosingPicture, field(at::ColoursUsed, 257), ColoursUsed},
        {"a palette on true colour", TitlePicture, field(at::ColoursUsed, 2), ColoursUsed},
        {"wrong image size", TitlePicture,
         field(at::ImageSize, TrueColourSize - TrueColourRowsAt + 1), ImageSize},
        {"palette cut short", ClosingPicture, cutTo(IndexedRowsAt - 1), TruncatedPalette},
        {"last row cut short", ClosingPicture, lengthenBy(-1), TruncatedRows},
        {"true-colour rows cut short", TitlePicture, lengthenBy(-std::ptrdiff_t{TrueColourStride}),
         TruncatedRows},
        {"taller than its rows", TitlePicture, fields({{at::Height, 201}, {at::ImageSize, 0}}),
         TruncatedRows},
        {"one byte too many", MapPicture, lengthenBy(1), TrailingBytes},
        {"a 16-entry palette with indices beyond it", ClosingPicture,
         [](Bytes& b) {
             setField(b, at::ColoursUsed, 16);
             b.erase(b.begin() + PaletteAt + 16 * PaletteEntryBytes, b.begin() + IndexedRowsAt);
         },
         IndexOutsidePalette},
        {"icon: half a header", Icon, cutTo(20), TooShort},
        {"icon: header size 12", Icon, field(at::HeaderSize, 12), HeaderSize},
        {"icon: height without the mask", Icon, field(at::Height, 32), Dimensions},
        {"icon: width 16", Icon, field(at::Width, 16), Dimensions},
        {"icon: 8 bits per pixel", Icon, field(at::BitCount, 8, 2), Depth},
        {"icon: compressed", Icon, field(at::Compression, 2), Compression},
        {"icon: mask cut short", Icon, lengthenBy(-1), TruncatedRows},
        {"icon: one byte too many", Icon, lengthenBy(1), TrailingBytes},
    };
    for (const Changed& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes b = stored(c.id);
        c.change(b);
        const DecodedBitmap d = decode(c.id, b);
        EXPECT_EQ(d.error, c.error) << describe(d.error);
        EXPECT_EQ(d.image.has_value(), c.error == None);
        if (d.image && c.error == None) {
            EXPECT_EQ(*d.image, *decode(c.id, stored(c.id)).image);
        }
    }
}

// Every length short of the whole: the icon at every byte, the pictures at every byte of their
// header and palette and then in steps.
TEST(BitmapDecoder, EveryShortenedPictureAndIconFailsCleanly) {
    for (const PictureId id : {TitlePicture, ClosingPicture, Icon}) {
        const Bytes whole = stored(id);
        for (std::size_t length = 0; length < whole.size(); length += length < 1100 ? 1 : 97) {
            const DecodedBitmap d = decode(id, std::span(whole.data(), length));
            ASSERT_FALSE(d.image.has_value()) << id << " cut to " << length;
            ASSERT_NE(d.error, None);
        }
    }
}

} // namespace
} // namespace gachapoko::test
