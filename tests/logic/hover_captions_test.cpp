// Pointing at the map: each site names its place and resident, over a refusal too. (The bare
// map's clearing, scene by scene, is in the scene flow's tests.)
#include "tests/logic/game_driver.h"

#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

TEST(HoverCaptions, EachSiteWritesPlaceDotAndResidentInLineOrder) {
    for (SiteIndex i = 0; i < SiteCount; ++i) {
        SCOPED_TRACE(i);
        Session s;
        s.startOnMap();
        s.game.ImgE_MouseMove(i, 0, 0, 1.0f, 1.0f);
        const Resident& r = Residents[static_cast<std::size_t>(i)];
        EXPECT_EQ(s.view.take(),
                  (std::vector<Op>{caption(0, r.place), caption(1, "・"), caption(2, r.name)}));
        // Every further move writes them again.
        s.game.ImgE_MouseMove(i, 1, 2, 3.0f, 4.0f);
        EXPECT_EQ(s.view.take().size(), 3u);
    }
}

TEST(HoverCaptions, RefusalLineIsOverwrittenByTheNextMoveOverTheSite) {
    Session s;
    s.startOnMap();
    s.fight(4, 80);
    s.game.ImgE_Click(4);
    EXPECT_EQ(toUtf8(s.view.captions[1]), "もうここにようはない。");
    s.game.ImgE_MouseMove(4, 0, 0, 0, 0);
    EXPECT_EQ(toUtf8(s.view.captions[1]), "・");
    s.game.PicMain_MouseMove(0, 0, 0, 0);
    EXPECT_EQ(toUtf8(s.view.captions[1]), "");
}

} // namespace
} // namespace gachapoko::test
