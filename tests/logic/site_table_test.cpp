// The content table: what would break if a text lost its full-width punctuation or grew past its
// line, a screen reader's name went wrong, or the sites' regions overlapped or moved.
#include "logic/site_table.h"
#include "tests/logic/game_driver.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

// Eighteen characters of the Japanese face fill a caption line; the ui tests measure the pixels.
TEST(SiteTable, EveryTextFitsEighteenCharacters) {
    for (const std::u16string& text : everyShownText()) {
        EXPECT_LE(text.size(), 18u) << toUtf8(text);
    }
}

// What a screen reader hears: each picture's description, the residents' named as the map names
// them, and each site's name as its hover captions read.
TEST(SiteTable, NamesForAScreenReader) {
    const std::pair<PictureId, const char*> pictures[] = {
        {TitlePicture, "タイトル「ガチャポコ」"},
        {MapPicture, "地図"},
        {FinalOpponentPicture, "最後の敵"},
        {FinalOpponentBeatenPicture, "倒れた最後の敵"},
        {ClosingPicture, "エンディング「The End」"},
        {100, ""},
        {112, ""}};
    for (const auto& [id, words] : pictures) {
        EXPECT_EQ(toUtf8(pictureDescription(id)), words) << id;
    }
    for (SiteIndex i = 0; i < SiteCount; ++i) {
        const Resident& r = Residents[static_cast<std::size_t>(i)];
        EXPECT_EQ(toUtf8(pictureDescription(static_cast<PictureId>(r.picture))), r.name);
        EXPECT_EQ(toUtf8(siteDescription(i)), std::string(r.place) + "・" + r.name) << i;
    }
    EXPECT_EQ(siteDescription(-1), u"");
    EXPECT_EQ(siteDescription(SiteCount), u"");
}

TEST(SiteTable, SpecialCharactersAreTheExactCodePoints) {
    EXPECT_EQ(PressesLiteral, u"押した回数\u3000");
    EXPECT_EQ(FinalOpponentBeatenLines[2],
              u"オレの\uFF11\uFF10\uFF10万年の野望が\uFF5E\uFF0E\uFF0E");
    EXPECT_EQ(ClosingScreenLines[1], u"制作\uFF1AQ.R.Z.T.");
    EXPECT_EQ(BoutInstruction, u"\uFF0Aマウスの左右ボタンを何回も押せ\uFF0A");
    EXPECT_EQ(GoddessRevealLines[2], u"おまえを殺すために\u30FB\u30FB\u30FB");
    EXPECT_EQ(SiteTable[5].Lines[0], u"人生ってせつないよ\uFF0E\uFF0E\uFF0E\u3002");
    EXPECT_EQ(SiteTable[3].Lines[0], u"なんだオメェ\uFF1F");
}

// Whether a site's region holds the picture pixel.
auto holding(int x, int y) {
    return [x, y](const SiteRow& row) { return row.Region.contains(x, y); };
}

TEST(SiteTable, RegionsNeverOverlapAndStayOnThePicture) {
    for (std::size_t site = 0; site < SiteTable.size(); ++site) {
        const MapRect& r = SiteTable[site].Region;
        SCOPED_TRACE("site " + std::to_string(site));
        EXPECT_GE(r.x, 0);
        EXPECT_GE(r.y, 0);
        EXPECT_LE(r.right(), 199);
        EXPECT_LE(r.bottom(), 200); // the coast's reaches one row below the picture
        EXPECT_GT(r.width * r.height, 0);
    }
    for (int y = 0; y <= 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            ASSERT_LE(std::ranges::count_if(SiteTable, holding(x, y)), 1) << x << "," << y;
        }
    }
}

// The regions' edges, pixel by pixel, where a click on the map lands in a site or on bare map.
TEST(SiteTable, RegionEdgesFallOnTheRightPixels) {
    struct Probe {
        int x, y, site;
    };
    for (const Probe& p : std::initializer_list<Probe>{
             {8, 8, 0},      {7, 8, -1},    {8, 7, -1},    {68, 43, 0},    {69, 43, -1},
             {68, 44, -1},   {110, 16, 1},  {109, 30, -1}, {198, 56, 1},   {63, 64, 2},
             {120, 93, 2},   {124, 99, 3},  {199, 148, 3}, {123, 120, -1}, {0, 88, 4},
             {57, 151, 4},   {58, 120, -1}, {0, 168, 5},   {195, 199, 5},  {196, 190, -1},
             {199, 199, -1}, {100, 160, -1}}) {
        const auto site = std::ranges::find_if(SiteTable, holding(p.x, p.y));
        EXPECT_EQ(site == SiteTable.end() ? -1 : site - SiteTable.begin(), p.site)
            << p.x << "," << p.y;
    }
}

} // namespace
} // namespace gachapoko::test
