// The painter: it paints the same bytes every time, refuses a catalogue row that names another
// form than its picture is painted in, and its own check of the stored forms catches the faults
// it is there to catch.
#include "assets/painter/checks.h"
#include "logic/site_table.h"
#include "tests/support/pictures.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <tuple>

namespace gachapoko::test {
namespace {

using namespace painter;

TEST(Painter, PaintsTheBytesTheProgramCarries) {
    const std::vector<StoredPicture> pictures = paintAllPictures();
    ASSERT_EQ(pictures.size(), static_cast<std::size_t>(PictureCount));
    for (const auto& [id, bytes] : pictures) {
        EXPECT_EQ(bytes, storedPicture(id)) << id;
    }
    EXPECT_EQ(paintStoredIcon(), storedIcon());
}

TEST(Painter, RefusesToStoreAPictureInAnotherFormThanItIsPainted) {
    CataloguedPicture title = *findPicture(TitlePicture);
    title.form = StoredForm::Indexed;
    title.palette = PaletteKind::Own;
    EXPECT_THROW((void)paintStored(title), std::logic_error);
    CataloguedPicture closing = *findPicture(ClosingPicture);
    closing.form = StoredForm::TrueColour;
    closing.palette = PaletteKind::None;
    EXPECT_THROW((void)paintStored(closing), std::logic_error);
}

// Covers one site's region of the stored map with the map's ground colour.
void clearSite(Bytes& map, SiteIndex site) {
    const MapRect& r = SiteTable[static_cast<std::size_t>(site)].Region;
    for (int y = r.y; y <= std::min(r.bottom(), 199); ++y) {
        for (int x = r.x; x <= std::min(r.right(), 199); ++x) {
            const std::size_t at = TrueColourRowsAt +
                                   static_cast<std::size_t>(199 - y) * TrueColourStride +
                                   static_cast<std::size_t>(3 * x);
            map[at] = 191; // blue, green, red of the pale yellow-green ground
            map[at + 1] = 255;
            map[at + 2] = 223;
        }
    }
}

TEST(Painter, CheckCatchesWrongHeadersPalettesSizesAndBareSites) {
    std::vector<StoredPicture> good;
    for (PictureId id = TitlePicture; id <= ClosingPicture; ++id) {
        good.push_back({id, storedPicture(id)});
    }
    const Bytes icon = storedIcon();
    ASSERT_TRUE(checkStoredPictures(good, icon).empty());
    // What is wrong, in which picture, and the change that makes it so.
    const std::vector<std::tuple<const char*, std::size_t, std::function<void(Bytes&)>>> faults = {
        {"title a byte short", 0, [](Bytes& b) { b.pop_back(); }},
        {"map without resolution", 1, [](Bytes& b) { setField(b, headerAt::XPixelsPerMetre, 0); }},
        {"map with the forest's site bare", 1, [](Bytes& b) { clearSite(b, 0); }},
        {"map with the coast's site bare", 1, [](Bytes& b) { clearSite(b, 5); }},
        {"face with own-palette header", 3,
         [](Bytes& b) { setField(b, headerAt::ColoursUsed, 0); }},
        {"face with a changed palette entry", 4,
         [](Bytes& b) { b[PaletteAt + PaletteEntryBytes * 100] ^= 1; }},
        {"final opponent without image size", 8,
         [](Bytes& b) { setField(b, headerAt::ImageSize, 0); }},
        {"closing picture upside down", 10,
         [](Bytes& b) { setField(b, headerAt::Height, static_cast<std::uint32_t>(-200)); }},
        {"closing picture leaving an entry unused", 10,
         [](Bytes& b) {
             for (std::size_t i = IndexedRowsAt; i < b.size(); ++i) {
                 b[i] = b[i] == 255 ? 254 : b[i];
             }
         }},
    };
    for (const auto& [name, picture, apply] : faults) {
        std::vector<StoredPicture> pictures = good;
        apply(pictures[picture].bytes);
        EXPECT_FALSE(checkStoredPictures(pictures, icon).empty()) << name;
        EXPECT_FALSE(checkStoredPicture(Catalogue[picture], pictures[picture].bytes).empty())
            << name;
    }
    std::vector<StoredPicture> swapped = good;
    std::swap(swapped[2], swapped[3]);
    EXPECT_FALSE(checkStoredPictures(swapped, icon).empty()) << "two faces swapped";
    const std::vector<StoredPicture> lastMissing(good.begin(), good.end() - 1);
    EXPECT_FALSE(checkStoredPictures(lastMissing, icon).empty()) << "the last missing";
    Bytes badIcon = icon;
    badIcon[PaletteAt + PaletteEntryBytes * 10 + 1] = 200; // bright green made paler
    EXPECT_FALSE(checkStoredPictures(good, badIcon).empty());
    EXPECT_FALSE(checkStoredIcon(badIcon).empty());
}

// The shared palette as made passes its check; a repeated entry, black moved from the start, a
// grid entry off its levels or two swapped do not.
TEST(Painter, CheckCatchesAFaultySharedPalette) {
    EXPECT_EQ(checkSharedPalette(sharedPalette()), std::vector<std::string>{});
    const std::vector<std::pair<const char*, std::function<void(Palette&)>>> faults = {
        {"an entry repeated", [](Palette& p) { p[247] = p[180]; }},
        {"black not first", [](Palette& p) { std::swap(p[0], p[1]); }},
        {"off the grid", [](Palette& p) { p[50].g = static_cast<std::uint8_t>(p[50].g + 1); }},
        {"out of grid order", [](Palette& p) { std::swap(p[20], p[21]); }},
    };
    for (const auto& [name, apply] : faults) {
        Palette palette = sharedPalette();
        apply(palette);
        EXPECT_FALSE(checkSharedPalette(palette).empty()) << name;
    }
}

} // namespace
} // namespace gachapoko::test
