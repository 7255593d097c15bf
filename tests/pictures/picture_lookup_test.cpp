// The lookup and the stored form of every picture and of the icon, through the data the
// program carries.
#include "assets/bitmap_decoder.h"
#include "assets/picture_lookup.h"
#include "tests/pictures/stored_data.h"

#include <QIcon>
#include <QPixmap>
#include <array>
#include <gtest/gtest.h>
#include <set>

namespace gachapoko::test {
namespace {

constexpr std::array<std::int16_t, 11> AllIds = {101, 102, 103, 104, 105, 106,
                                                 107, 108, 109, 110, 111};

TEST(PictureLookup, EveryIdDecodesToAnOpaque200By200Picture) {
    for (const std::int16_t id : AllIds) {
        SCOPED_TRACE(id);
        const std::optional<QImage> picture = loadPicture(id);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->size(), QSize(200, 200));
        EXPECT_FALSE(picture->hasAlphaChannel());
    }
}

TEST(PictureLookup, IdsOutside101To111GiveNothing) {
    for (const std::int16_t id : {0, 1, 100, 112, 30001, -1, -101, 32767, -32768}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(loadPicture(static_cast<std::int16_t>(id)).has_value());
    }
}

// Nothing is cached: a lookup that kept its pictures and handed out copies would give images
// sharing one pixel buffer (a QImage copy shares its data until it is written to).
TEST(PictureLookup, EveryCallDecodesANewPicture) {
    for (const std::int16_t id : AllIds) {
        SCOPED_TRACE(id);
        std::optional<QImage> first = loadPicture(id);
        const std::optional<QImage> second = loadPicture(id);
        ASSERT_TRUE(first.has_value());
        ASSERT_TRUE(second.has_value());
        EXPECT_EQ(*first, *second);
        EXPECT_NE(first->cacheKey(), second->cacheKey());
        EXPECT_NE(first->constBits(), second->constBits());
        // Painting over one leaves the other, and the next, as they were.
        const QImage untouched = second->copy();
        first->fill(Qt::black);
        EXPECT_EQ(*second, untouched);
        EXPECT_EQ(*loadPicture(id), untouched);
    }
}

TEST(PictureLookup, DecodedPixelsAreTheStoredRowsBottomRowFirst) {
    // 101 is 24-bit: the first stored row is the picture's bottom row, blue, green, red.
    const Bytes stored = storedPicture(101);
    const QImage picture = *loadPicture(101);
    for (const int x : {0, 57, 100, 199}) {
        for (const int y : {0, 14, 186, 199}) {
            const std::size_t at = 40 + static_cast<std::size_t>((199 - y) * 600 + 3 * x);
            const Colour c = colourAt(picture, x, y);
            EXPECT_EQ(c.b, stored[at]) << x << "," << y;
            EXPECT_EQ(c.g, stored[at + 1]) << x << "," << y;
            EXPECT_EQ(c.r, stored[at + 2]) << x << "," << y;
        }
    }
}

struct HeaderCase {
    std::int16_t id;
    std::size_t size;
    std::uint32_t bitCount;
    std::uint32_t imageSize;
    std::uint32_t pixelsPerMetre;
    std::uint32_t coloursUsed;
};

constexpr std::array<HeaderCase, 11> HeaderCases = {{
    {101, 120040, 24, 120000, 7087, 0},
    {102, 120040, 24, 120000, 7087, 0},
    {103, 41064, 8, 0, 0, 256},
    {104, 41064, 8, 0, 0, 256},
    {105, 41064, 8, 0, 0, 256},
    {106, 41064, 8, 0, 0, 256},
    {107, 41064, 8, 0, 0, 256},
    {108, 41064, 8, 0, 0, 256},
    {109, 41064, 8, 40000, 7087, 0},
    {110, 41064, 8, 40000, 7087, 0},
    {111, 41064, 8, 40000, 7087, 0},
}};

TEST(StoredPictures, HeaderFieldsFollowEachPicturesGroup) {
    for (const HeaderCase& c : HeaderCases) {
        SCOPED_TRACE(c.id);
        const Bytes b = storedPicture(c.id);
        ASSERT_EQ(b.size(), c.size);
        EXPECT_EQ(field32(b, offset::HeaderSize), 40u);
        EXPECT_EQ(field32(b, offset::Width), 200u);
        EXPECT_EQ(field32(b, offset::Height), 200u); // positive: bottom row first
        EXPECT_EQ(field32(b, offset::Planes) & 0xFFFF, 1u);
        EXPECT_EQ(field32(b, offset::Planes) >> 16, c.bitCount);
        EXPECT_EQ(field32(b, offset::Compression), 0u);
        EXPECT_EQ(field32(b, offset::ImageSize), c.imageSize);
        EXPECT_EQ(field32(b, offset::XPixelsPerMetre), c.pixelsPerMetre);
        EXPECT_EQ(field32(b, offset::YPixelsPerMetre), c.pixelsPerMetre);
        EXPECT_EQ(field32(b, offset::ColoursUsed), c.coloursUsed);
        EXPECT_EQ(field32(b, 36), 0u);
    }
}

Bytes paletteOf(const Bytes& stored) {
    return Bytes(stored.begin() + 40, stored.begin() + 40 + 1024);
}

Colour paletteEntry(const Bytes& stored, int entry) {
    const std::size_t at = 40 + 4 * static_cast<std::size_t>(entry);
    return {stored.at(at + 2), stored.at(at + 1), stored.at(at)};
}

TEST(StoredPictures, FlatFacesShareOnePaletteByteForByte) {
    const Bytes first = paletteOf(storedPicture(103));
    for (const std::int16_t id : {104, 105, 106, 107, 108}) {
        EXPECT_EQ(paletteOf(storedPicture(id)), first) << id;
    }
}

TEST(StoredPictures, SharedPaletteHoldsStaticColoursAroundTheColourGrid) {
    const Bytes b = storedPicture(103);
    struct Entry {
        int index;
        Colour colour;
    };
    for (const Entry& e : std::initializer_list<Entry>{{0, {0, 0, 0}},
                                                       {1, {128, 0, 0}},
                                                       {7, {192, 192, 192}},
                                                       {8, {192, 220, 192}},
                                                       {9, {166, 202, 240}},
                                                       {10, {95, 63, 63}},
                                                       {11, {127, 63, 63}},
                                                       {16, {63, 95, 63}},
                                                       {58, {63, 63, 95}},
                                                       {245, {223, 223, 191}},
                                                       {246, {255, 251, 240}},
                                                       {247, {160, 160, 164}},
                                                       {248, {128, 128, 128}},
                                                       {255, {255, 255, 255}}}) {
        const Colour c = paletteEntry(b, e.index);
        EXPECT_EQ(distance(c, e.colour), 0) << "entry " << e.index;
    }
    // Grid order: red fastest over 63..255 in steps of 32, then green, then blue.
    for (int n = 1; n <= 236; ++n) {
        const Colour c = paletteEntry(b, 9 + n);
        const Colour grid{63 + 32 * (n % 7), 63 + 32 * (n / 7 % 7), 63 + 32 * (n / 49)};
        ASSERT_EQ(distance(c, grid), 0) << "entry " << 9 + n;
    }
}

TEST(StoredPictures, ClosingPictureUsesAllOfItsOwnPalette) {
    const QImage picture = *loadPicture(111);
    ASSERT_EQ(picture.format(), QImage::Format_Indexed8);
    std::set<int> used;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            used.insert(picture.pixelIndex(x, y));
        }
    }
    EXPECT_EQ(used.size(), 256u);
    EXPECT_NE(paletteOf(storedPicture(111)), paletteOf(storedPicture(103)));
}

TEST(StoredIcon, IsA32By32FourBitIconWithMaskIn744Bytes) {
    const Bytes b = storedIcon();
    ASSERT_EQ(b.size(), 744u);
    EXPECT_EQ(field32(b, offset::HeaderSize), 40u);
    EXPECT_EQ(field32(b, offset::Width), 32u);
    EXPECT_EQ(field32(b, offset::Height), 64u); // colour image and mask
    EXPECT_EQ(field32(b, offset::Planes), 1u | 4u << 16);
    EXPECT_EQ(field32(b, offset::Compression), 0u);
}

TEST(StoredIcon, CarriesTheStandardSixteenColours) {
    const Bytes b = storedIcon();
    constexpr std::array<Colour, 16> standard = {{{0, 0, 0},
                                                  {128, 0, 0},
                                                  {0, 128, 0},
                                                  {128, 128, 0},
                                                  {0, 0, 128},
                                                  {128, 0, 128},
                                                  {0, 128, 128},
                                                  {192, 192, 192},
                                                  {128, 128, 128},
                                                  {255, 0, 0},
                                                  {0, 255, 0},
                                                  {255, 255, 0},
                                                  {0, 0, 255},
                                                  {255, 0, 255},
                                                  {0, 255, 255},
                                                  {255, 255, 255}}};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(distance(paletteEntry(b, i), standard[static_cast<std::size_t>(i)]), 0) << i;
    }
}

TEST(ProgramIcon, IsA32By32PixmapWithTheIconsTransparency) {
    const QIcon icon = loadProgramIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage shown = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), QSize(32, 32));
    const QImage decoded = *decodeIconBitmap(storedIcon()).image;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(shown.pixel(x, y), decoded.pixel(x, y)) << x << "," << y;
        }
    }
}

// A HiDPI title bar takes the 64x64 size: it must be the icon with every pixel doubled, not a
// smoothed enlargement that blurs the letters' edges.
TEST(ProgramIcon, CarriesThe64By64DoublingPixelForPixel) {
    const QIcon icon = loadProgramIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(64, 64)}));
    const QImage doubled = icon.pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(doubled.size(), QSize(64, 64));
    const QImage decoded = *decodeIconBitmap(storedIcon()).image;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(doubled.pixel(x, y), decoded.pixel(x / 2, y / 2)) << x << "," << y;
        }
    }
}

} // namespace
} // namespace gachapoko::test
