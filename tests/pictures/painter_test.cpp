// The painter: it paints the same bytes every time, and its own check of the stored forms
// catches the faults it is there to catch.
#include "assets/painter/catalogue.h"
#include "assets/painter/quantise.h"
#include "tests/pictures/stored_data.h"

#include <functional>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

using painter::StoredPicture;

TEST(Painter, PaintsTheBytesTheProgramCarries) {
    const std::vector<StoredPicture> pictures = painter::paintAllPictures();
    ASSERT_EQ(pictures.size(), 11u);
    for (const auto& [id, bytes] : pictures) {
        EXPECT_EQ(bytes, storedPicture(static_cast<std::int16_t>(id))) << id;
    }
    EXPECT_EQ(painter::paintStoredIcon(), storedIcon());
}

TEST(Painter, CheckCatchesWrongHeadersPalettesAndSizes) {
    const std::vector<StoredPicture> good = painter::paintAllPictures();
    const Bytes icon = painter::paintStoredIcon();
    ASSERT_TRUE(painter::checkStoredPictures(good, icon).empty());
    struct Fault {
        const char* name;
        std::size_t picture;
        std::function<void(Bytes&)> apply;
    };
    const std::vector<Fault> faults = {
        {"title a byte short", 0, [](Bytes& b) { b.pop_back(); }},
        {"map without resolution", 1, [](Bytes& b) { setField32(b, offset::XPixelsPerMetre, 0); }},
        {"face with own-palette header", 3,
         [](Bytes& b) { setField32(b, offset::ColoursUsed, 0); }},
        {"face with a changed palette entry", 4, [](Bytes& b) { b[40 + 4 * 100] ^= 1; }},
        {"final opponent without image size", 8,
         [](Bytes& b) { setField32(b, offset::ImageSize, 0); }},
        {"closing picture upside down", 10,
         [](Bytes& b) { setField32(b, offset::Height, static_cast<std::uint32_t>(-200)); }},
        {"closing picture leaving an entry unused", 10,
         [](Bytes& b) {
             for (std::size_t i = 40 + 1024; i < b.size(); ++i) {
                 b[i] = b[i] == 255 ? 254 : b[i];
             }
         }},
    };
    for (const Fault& f : faults) {
        std::vector<StoredPicture> pictures = good;
        f.apply(pictures[f.picture].bytes);
        EXPECT_FALSE(painter::checkStoredPictures(pictures, icon).empty()) << f.name;
    }
    Bytes badIcon = icon;
    badIcon[40 + 4 * 10 + 1] = 200; // bright green made paler
    EXPECT_FALSE(painter::checkStoredPictures(good, badIcon).empty());
}

TEST(Quantise, UsesEveryEntryAndPutsGreysFirstDarkToLight) {
    painter::RgbPicture picture;
    // 40,000 pixels: a grey ramp and a band of distinct greens.
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            const auto v = static_cast<std::uint8_t>((x + y * 7) % 256);
            picture.at(x, y) = y < 150 ? painter::Rgb{v, v, v}
                                       : painter::Rgb{static_cast<std::uint8_t>(x / 2), v, 0};
        }
    }
    const painter::IndexedPicture indexed = painter::quantise(picture, 40);
    EXPECT_EQ(painter::usedEntries(indexed), 256);
    for (int i = 1; i < 216; ++i) {
        const painter::Rgb a = indexed.palette[static_cast<std::size_t>(i - 1)];
        const painter::Rgb b = indexed.palette[static_cast<std::size_t>(i)];
        ASSERT_LE(299 * a.r + 587 * a.g + 114 * a.b, 299 * b.r + 587 * b.g + 114 * b.b) << i;
    }
    // Each pixel lands on an entry close to its own colour.
    for (std::size_t p = 0; p < picture.pixels.size(); p += 37) {
        const painter::Rgb want = picture.pixels[p];
        const painter::Rgb got = indexed.palette[indexed.indices[p]];
        EXPECT_LE(distance({want.r, want.g, want.b}, {got.r, got.g, got.b}), 24) << p;
    }
}

} // namespace
} // namespace gachapoko::test
