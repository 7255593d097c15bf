// The scene flow: every transition performs exactly its window operations in its order (a swapped
// caption, a missing site switch or a stray timer call fails here); what presses and moves over
// the picture do in each scene; the hover captions; the state at the start and on the way.
#include "tests/logic/game_driver.h"

#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace gachapoko::test {
namespace {

const std::vector<Op> MapShown = seq({{picture(102), caption(0, ""), caption(2, ""),
                                       caption(1, "行きたい場所を選んで下さい"), next(false)},
                                      allSites(true)});

// A picture put up with its three lines, then "Next" shown or hidden.
std::vector<Op> shown(int id, const Lines& lines, bool nextVisible) {
    return {picture(id), caption(0, lines[0]), caption(1, lines[1]), caption(2, lines[2]),
            next(nextVisible)};
}

// The input of a transition: a click on "Next", or on a site of the map.
constexpr SiteIndex OnNext = -1;

struct Transition {
    std::string name;
    std::function<void(Session&)> setUp; // brings the game to the state before the input
    SiteIndex clickOn;
    std::vector<Op> expected; // after the six sites switched off
    SceneCode sceneAfter;
};

std::vector<Transition> transitions() {
    std::vector<Transition> all = {
        {"welcome, Next: the map", [](Session& s) { s.start(); }, OnNext, MapShown,
         SceneCode::MapFirstReached},
        {"map with all five beaten, click on the lake: the goddess reveals herself",
         [](Session& s) { s.beatAllFive(); }, 2, shown(108, RevealLines, true),
         SceneCode::GoddessRevealed},
        {"map, click on a beaten site: refused",
         [](Session& s) {
             s.startOnMap();
             s.fight(3, 110);
         },
         3, seq({{caption(1, "もうここにようはない。")}, allSites(true)}), SceneCode::Town},
        {"encounter, Next: the bout starts", [](Session& s) { s.meet(4); }, OnNext,
         std::vector<Op>{next(false), timer(10000), caption(0, ""),
                         caption(1, "＊マウスの左右ボタンを何回も押せ＊"), caption(2, "")},
         SceneCode::Houses},
        {"verdict, Next: back to the map",
         [](Session& s) {
             s.startBout(4);
             s.game.Timer_Timer();
         },
         OnNext, MapShown, SceneCode::Houses},
        {"goddess's hint, Next: back to the map", [](Session& s) { s.meet(2); }, OnNext, MapShown,
         SceneCode::GoddessHint},
        {"goddess revealed, Next: the final opponent", [](Session& s) { s.revealGoddess(); },
         OnNext, shown(109, FinalLines, true), SceneCode::FinalOpponent},
        {"final opponent, Next: the final bout starts with the captions untouched",
         [](Session& s) { s.meetFinalOpponent(); }, OnNext,
         std::vector<Op>{next(false), timer(10000)}, SceneCode::FinalOpponent},
        {"final opponent beaten, Next: the closing screen",
         [](Session& s) {
             s.finalBout(160);
             s.game.Timer_Timer();
         },
         OnNext, shown(111, {"", "制作：Q.R.Z.T.", ""}, false), SceneCode::FinalOpponentBeaten},
        {"map, Next (never shown there): only the sites are switched off",
         [](Session& s) { s.startOnMap(); }, OnNext, std::vector<Op>{}, SceneCode::MapFirstReached},
    };
    // A click on each site of the map meets its resident; at the lake, the goddess's hint.
    for (SiteIndex site = 0; site < SiteCount; ++site) {
        const Resident& r = Residents[static_cast<std::size_t>(site)];
        all.push_back({std::string("map, click on the site of ") + r.name,
                       [](Session& s) { s.startOnMap(); }, site, shown(r.picture, r.lines, true),
                       sceneCodeOfSite(site)});
    }
    return all;
}

TEST(SceneFlow, EachTransitionPerformsItsOperationsInOrder) {
    for (const Transition& t : transitions()) {
        SCOPED_TRACE(t.name);
        Session s;
        t.setUp(s);
        s.view.take();
        t.clickOn == OnNext ? s.game.CmdNext_Click() : s.game.ImgE_Click(t.clickOn);
        // Every click first switches the six sites off, one by one.
        EXPECT_EQ(s.view.take(), seq({allSites(false), t.expected}));
        EXPECT_EQ(s.state().Scene, t.sceneAfter);
        // The map and counting never go together once a handler has finished.
        EXPECT_FALSE(s.state().OnMap && s.state().Counting);
    }
}

// Presses on the picture count in a bout, and from a verdict or the goddess's scene until the way
// back to the map; a move over the bare picture clears the three lines, on the map alone. Neither
// changes anything else the window shows.
TEST(SceneFlow, PressesAndMovesOverThePictureInEachScene) {
    struct Scene {
        const char* name;
        std::function<void(Session&)> reach;
        bool pressesCount;
        bool movesClear;
    };
    const Scene scenes[] = {
        {"welcome", [](Session& s) { s.start(); }, false, false},
        {"map", [](Session& s) { s.startOnMap(); }, false, true},
        {"map, a site pointed at",
         [](Session& s) {
             s.startOnMap();
             s.game.ImgE_MouseMove(0, 0, 0, 0, 0);
         },
         false, true},
        {"encounter", [](Session& s) { s.meet(1); }, false, false},
        {"bout", [](Session& s) { s.startBout(1); }, true, false},
        {"verdict",
         [](Session& s) {
             s.startBout(0);
             s.game.Timer_Timer();
         },
         true, false},
        {"goddess's hint", [](Session& s) { s.meet(2); }, true, false},
        {"goddess revealed", [](Session& s) { s.revealGoddess(); }, true, false},
        {"final opponent's lines", [](Session& s) { s.meetFinalOpponent(); }, true, false},
        {"closing screen",
         [](Session& s) {
             s.finalBout(160);
             s.game.Timer_Timer();
             s.game.CmdNext_Click();
         },
         true, false},
    };
    const std::vector<Op> cleared = {caption(0, ""), caption(1, ""), caption(2, "")};
    for (const Scene& scene : scenes) {
        SCOPED_TRACE(scene.name);
        Session s;
        scene.reach(s);
        s.view.take();
        const std::int32_t before = s.state().Presses;
        s.press(5);
        EXPECT_EQ(s.state().Presses - before, scene.pressesCount ? 5 : 0);
        EXPECT_TRUE(s.view.take().empty()); // the count is never shown during a bout
        s.game.PicMain_MouseMove(0, 0, 50, 50);
        EXPECT_EQ(s.view.take(), scene.movesClear ? cleared : std::vector<Op>{});
    }
}

// Pointing at a site names its place and resident, in line order, on every move.
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

TEST(SceneFlow, FormLoadWritesOnlyTheWelcomeLineAndLeavesEverythingElseAtZero) {
    Session s;
    s.game.Form_Load();
    EXPECT_EQ(s.view.take(), (std::vector<Op>{caption(1, "ガチャポコの世界へようこそ！！")}));
    const GameState& st = s.state();
    EXPECT_EQ(std::make_tuple(st.Scene, st.Counting, st.OnMap, st.Presses, st.BeatenSum,
                              st.Required, st.ScenePicture, st.SceneLines),
              std::make_tuple(SceneCode::Welcome, false, false, 0, 0, 0, PictureId{0},
                              std::array<std::u16string, 3>{}));
    for (int code = 4; code <= 9; ++code) {
        EXPECT_FALSE(st.Beaten[static_cast<SceneCode>(code)]);
    }
}

TEST(SceneFlow, SiteIndexOutsideTheMapDoesNothing) {
    for (int index : {-1, 6, 7, 32767, -32768}) {
        SCOPED_TRACE(index);
        Session s;
        s.startOnMap();
        s.game.ImgE_Click(static_cast<SiteIndex>(index));
        s.game.ImgE_MouseMove(static_cast<SiteIndex>(index), 0, 0, 0, 0);
        EXPECT_TRUE(s.view.take().empty());
        EXPECT_TRUE(s.state().OnMap);
        EXPECT_EQ(s.state().Scene, SceneCode::MapFirstReached);
    }
}

} // namespace
} // namespace gachapoko::test
