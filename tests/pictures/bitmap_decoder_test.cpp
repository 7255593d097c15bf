// The decoder of stored pictures and icons: the header variants it accepts, and damaged data,
// which must give its error and never a read past the end (the sanitizer build watches that).
#include "assets/bitmap_decoder.h"
#include "logic/types.h"
#include "tests/support/pictures.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace gachapoko::test {
namespace {

// A small bitmap built by hand: the header, optional palette, rows as given.
Bytes handMade(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
               std::uint32_t coloursUsed, const Bytes& palette, const Bytes& rows) {
    Bytes b(BitmapHeaderSize, 0);
    setField32(b, headerAt::HeaderSize, BitmapHeaderSize);
    setField32(b, headerAt::Width, static_cast<std::uint32_t>(width));
    setField32(b, headerAt::Height, static_cast<std::uint32_t>(height));
    setField16(b, headerAt::Planes, 1);
    setField16(b, headerAt::BitCount, bitCount);
    setField32(b, headerAt::ColoursUsed, coloursUsed);
    b.insert(b.end(), palette.begin(), palette.end());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

TEST(BitmapDecoder, ReadsTrueColourRowsBottomFirstWithRowFilling) {
    // 2x2, 24 bits: each 6-byte row is filled to 8. Stored first: the bottom row.
    const Bytes rows = {255, 0, 0,   0, 255, 0, 0, 0,  // bottom: blue, green
                        0,   0, 255, 9, 9,   9, 0, 0}; // top: red, grey
    const DecodedBitmap d = decodePictureBitmap(handMade(2, 2, 24, 0, {}, rows));
    ASSERT_TRUE(d.image.has_value()) << describe(d.error);
    EXPECT_EQ(d.image->pixel(0, 1), qRgb(0, 0, 255));
    EXPECT_EQ(d.image->pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(d.image->pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(d.image->pixel(1, 0), qRgb(9, 9, 9));
}

TEST(BitmapDecoder, ReadsTopFirstRowsForANegativeHeight) {
    const Bytes rows = {0,   0, 255, 0,  // top: red
                        255, 0, 0,   0}; // bottom: blue
    const DecodedBitmap d = decodePictureBitmap(handMade(1, -2, 24, 0, {}, rows));
    ASSERT_TRUE(d.image.has_value()) << describe(d.error);
    EXPECT_EQ(d.image->pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(d.image->pixel(0, 1), qRgb(0, 0, 255));
}

TEST(BitmapDecoder, ReadsAnIndexedPictureWithAShortPalette) {
    const Bytes palette = {10, 20, 30, 0, 40, 50, 60, 0}; // blue, green, red, unused
    const Bytes rows = {1, 0, 0, 0};
    const DecodedBitmap d = decodePictureBitmap(handMade(2, 1, 8, 2, palette, rows));
    ASSERT_TRUE(d.image.has_value()) << describe(d.error);
    EXPECT_EQ(d.image->pixel(0, 0), qRgb(60, 50, 40));
    EXPECT_EQ(d.image->pixel(1, 0), qRgb(30, 20, 10));
}

// The three header styles of the stored pictures give the same picture: the resolution,
// the image-size field (0 or the true size) and colours-used (0 or 256) change nothing.
TEST(BitmapDecoder, AcceptsEveryHeaderStyleAndIgnoresResolution) {
    const Bytes own = storedPicture(ClosingPicture);
    const QImage reference = *decodePictureBitmap(own).image;
    Bytes sharedStyle = own;
    setField32(sharedStyle, headerAt::ImageSize, 0);
    setField32(sharedStyle, headerAt::XPixelsPerMetre, 0);
    setField32(sharedStyle, headerAt::YPixelsPerMetre, 0);
    setField32(sharedStyle, headerAt::ColoursUsed, 256);
    Bytes oddResolution = own;
    setField32(oddResolution, headerAt::XPixelsPerMetre, 1);
    setField32(oddResolution, headerAt::YPixelsPerMetre, 0xFFFFFFFF);
    for (const Bytes& variant : {sharedStyle, oddResolution}) {
        const DecodedBitmap d = decodePictureBitmap(variant);
        ASSERT_TRUE(d.image.has_value()) << describe(d.error);
        EXPECT_EQ(*d.image, reference);
    }
    Bytes trueColour = storedPicture(TitlePicture);
    const QImage reference24 = *decodePictureBitmap(trueColour).image;
    setField32(trueColour, headerAt::ImageSize, 0);
    setField32(trueColour, headerAt::XPixelsPerMetre, 0);
    setField32(trueColour, headerAt::YPixelsPerMetre, 0);
    const DecodedBitmap d = decodePictureBitmap(trueColour);
    ASSERT_TRUE(d.image.has_value()) << describe(d.error);
    EXPECT_EQ(*d.image, reference24);
}

struct Damage {
    std::string name;
    PictureId id;
    std::function<void(Bytes&)> apply;
    BitmapError error;
};

TEST(BitmapDecoder, DamagedPicturesFailWithTheirReason) {
    const std::vector<Damage> cases = {
        {"empty", TitlePicture, [](Bytes& b) { b.clear(); }, BitmapError::TooShort},
        {"half a header", ClosingPicture, [](Bytes& b) { b.resize(39); }, BitmapError::TooShort},
        {"old 12-byte header", TitlePicture, [](Bytes& b) { setField32(b, 0, 12); },
         BitmapError::HeaderSize},
        {"header size 124", ClosingPicture, [](Bytes& b) { setField32(b, 0, 124); },
         BitmapError::HeaderSize},
        {"width 0", TitlePicture, [](Bytes& b) { setField32(b, headerAt::Width, 0); },
         BitmapError::Dimensions},
        {"negative width", TitlePicture,
         [](Bytes& b) { setField32(b, headerAt::Width, 0xFFFFFF38); }, BitmapError::Dimensions},
        {"height 0", ClosingPicture, [](Bytes& b) { setField32(b, headerAt::Height, 0); },
         BitmapError::Dimensions},
        {"huge width", ClosingPicture, [](Bytes& b) { setField32(b, headerAt::Width, 0x7FFFFFFF); },
         BitmapError::Dimensions},
        {"most negative height", TitlePicture,
         [](Bytes& b) { setField32(b, headerAt::Height, 0x80000000); }, BitmapError::Dimensions},
        {"two planes", TitlePicture, [](Bytes& b) { setField16(b, headerAt::Planes, 2); },
         BitmapError::Planes},
        {"16 bits per pixel", TitlePicture, [](Bytes& b) { setField16(b, headerAt::BitCount, 16); },
         BitmapError::Depth},
        {"32 bits per pixel", TitlePicture, [](Bytes& b) { setField16(b, headerAt::BitCount, 32); },
         BitmapError::Depth},
        {"4 bits per pixel", ClosingPicture, [](Bytes& b) { setField16(b, headerAt::BitCount, 4); },
         BitmapError::Depth},
        {"run-length compressed", ClosingPicture,
         [](Bytes& b) { setField32(b, headerAt::Compression, 1); }, BitmapError::Compression},
        {"257 colours", ClosingPicture, [](Bytes& b) { setField32(b, headerAt::ColoursUsed, 257); },
         BitmapError::ColoursUsed},
        {"a palette on a true-colour picture", TitlePicture,
         [](Bytes& b) { setField32(b, headerAt::ColoursUsed, 2); }, BitmapError::ColoursUsed},
        {"wrong image size", TitlePicture,
         [](Bytes& b) {
             setField32(b, headerAt::ImageSize, TrueColourSize - TrueColourRowsAt + 1);
         },
         BitmapError::ImageSize},
        {"palette cut short", ClosingPicture, [](Bytes& b) { b.resize(IndexedRowsAt - 1); },
         BitmapError::TruncatedPalette},
        {"last row cut short", ClosingPicture, [](Bytes& b) { b.pop_back(); },
         BitmapError::TruncatedRows},
        {"true-colour rows cut short", TitlePicture,
         [](Bytes& b) { b.resize(b.size() - TrueColourStride); }, BitmapError::TruncatedRows},
        {"taller than its rows", TitlePicture,
         [](Bytes& b) {
             setField32(b, headerAt::Height, 201);
             setField32(b, headerAt::ImageSize, 0);
         },
         BitmapError::TruncatedRows},
        {"one byte too many", MapPicture, [](Bytes& b) { b.push_back(0); },
         BitmapError::TrailingBytes},
        {"a 16-entry palette with indices beyond it", ClosingPicture,
         [](Bytes& b) {
             setField32(b, headerAt::ColoursUsed, 16);
             b.erase(b.begin() + PaletteAt + 16 * PaletteEntryBytes, b.begin() + IndexedRowsAt);
         },
         BitmapError::IndexOutsidePalette},
    };
    for (const Damage& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes b = storedPicture(c.id);
        c.apply(b);
        const DecodedBitmap d = decodePictureBitmap(b);
        EXPECT_FALSE(d.image.has_value());
        EXPECT_EQ(d.error, c.error) << describe(d.error);
    }
}

TEST(BitmapDecoder, EveryShortenedPictureFailsCleanly) {
    for (const PictureId id : {TitlePicture, ClosingPicture}) {
        const Bytes whole = storedPicture(id);
        for (std::size_t length = 0; length < whole.size(); length += length < 1100 ? 1 : 97) {
            const DecodedBitmap d =
                decodePictureBitmap(std::span<const std::uint8_t>(whole.data(), length));
            ASSERT_FALSE(d.image.has_value()) << id << " cut to " << length;
            ASSERT_NE(d.error, BitmapError::None);
        }
    }
}

TEST(IconDecoder, ShowsColourWhereTheMaskIsClearAndNothingWhereItIsSet) {
    Bytes b(BitmapHeaderSize, 0);
    setField32(b, headerAt::HeaderSize, BitmapHeaderSize);
    setField32(b, headerAt::Width, 32);
    setField32(b, headerAt::Height, 64);
    setField16(b, headerAt::Planes, 1);
    setField16(b, headerAt::BitCount, 4);
    for (int i = 0; i < 16; ++i) { // entry i is grey 16 * i
        const auto v = static_cast<std::uint8_t>(16 * i);
        b.insert(b.end(), {v, v, v, 0});
    }
    Bytes colours(IconColourStride * IconSize, 0x00);
    colours[31 * IconColourStride] = 0xA5;       // top row, first two pixels: entries 10 and 5
    Bytes mask(IconMaskStride * IconSize, 0xFF); // all see-through but the top row's pixels 1 to 7
    mask[31 * IconMaskStride] = 0x80;
    b.insert(b.end(), colours.begin(), colours.end());
    b.insert(b.end(), mask.begin(), mask.end());
    const DecodedBitmap d = decodeIconBitmap(b);
    ASSERT_TRUE(d.image.has_value()) << describe(d.error);
    EXPECT_EQ(qAlpha(d.image->pixel(0, 0)), 0);
    EXPECT_EQ(d.image->pixel(1, 0), qRgba(80, 80, 80, 255));
    EXPECT_EQ(qAlpha(d.image->pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(d.image->pixel(2, 0)), 255);
}

TEST(IconDecoder, DamagedIconsFailWithTheirReason) {
    const std::vector<Damage> cases = {
        {"half a header", 0, [](Bytes& b) { b.resize(20); }, BitmapError::TooShort},
        {"header size 12", 0, [](Bytes& b) { setField32(b, 0, 12); }, BitmapError::HeaderSize},
        {"height without the mask", 0, [](Bytes& b) { setField32(b, headerAt::Height, 32); },
         BitmapError::Dimensions},
        {"width 16", 0, [](Bytes& b) { setField32(b, headerAt::Width, 16); },
         BitmapError::Dimensions},
        {"8 bits per pixel", 0, [](Bytes& b) { setField16(b, headerAt::BitCount, 8); },
         BitmapError::Depth},
        {"compressed", 0, [](Bytes& b) { setField32(b, headerAt::Compression, 2); },
         BitmapError::Compression},
        {"mask cut short", 0, [](Bytes& b) { b.pop_back(); }, BitmapError::TruncatedRows},
        {"one byte too many", 0, [](Bytes& b) { b.push_back(0); }, BitmapError::TrailingBytes},
    };
    for (const Damage& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes b = storedIcon();
        c.apply(b);
        const DecodedBitmap d = decodeIconBitmap(b);
        EXPECT_FALSE(d.image.has_value());
        EXPECT_EQ(d.error, c.error) << describe(d.error);
    }
    const Bytes whole = storedIcon();
    for (std::size_t length = 0; length < whole.size(); ++length) {
        ASSERT_FALSE(
            decodeIconBitmap(std::span<const std::uint8_t>(whole.data(), length)).image.has_value())
            << length;
    }
}

} // namespace
} // namespace gachapoko::test
