// Every transition of the scene flow performs exactly its window operations in its order; a
// swapped caption, a missing site switch or a stray timer call fails here.
#include "tests/logic/game_driver.h"

#include <functional>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

const std::vector<Op> MapShown = seq({allSites(false),
                                      {picture(102), caption(0, ""), caption(2, ""),
                                       caption(1, "行きたい場所を選んで下さい"), next(false)},
                                      allSites(true)});

struct Transition {
    const char* name;
    std::function<void(Session&)> setUp; // brings the game to the state before the input
    std::function<void(Game&)> input;
    std::vector<Op> expected;
    SceneCode sceneAfter;
};

std::vector<Transition> transitions() {
    return {
        {"welcome, Next: the map", [](Session& s) { s.start(); },
         [](Game& g) { g.CmdNext_Click(); }, MapShown, SceneCode::MapFirstReached},
        {"map, click on the forest: the dwarf", [](Session& s) { s.startOnMap(); },
         [](Game& g) { g.ImgE_Click(0); },
         seq({allSites(false),
              {picture(104), caption(0, "オレはドワーフだ！！"),
               caption(1, "ここに来たからには勝負しろ！！"), caption(2, "いくぞ！！！"),
               next(true)}}),
         SceneCode::Forest},
        {"map, click on the mountain: the sumo wrestler", [](Session& s) { s.startOnMap(); },
         [](Game& g) { g.ImgE_Click(1); },
         seq({allSites(false),
              {picture(103), caption(0, "今、けいこ中でごわす！！"),
               caption(1, "じゃましたからには勝負しろごわす！！"), caption(2, "いくでごわすよ！！"),
               next(true)}}),
         SceneCode::Mountain},
        {"map, click on the town: the young man", [](Session& s) { s.startOnMap(); },
         [](Game& g) { g.ImgE_Click(3); },
         seq({allSites(false),
              {picture(105), caption(0, "なんだオメェ？"), caption(1, "オレと勝負してぇのか？"),
               caption(2, "それならいくぞ！！"), next(true)}}),
         SceneCode::Town},
        {"map, click on the houses: the second son", [](Session& s) { s.startOnMap(); },
         [](Game& g) { g.ImgE_Click(4); },
         seq({allSites(false),
              {picture(107), caption(0, "だれ？今、お留守番しているんだ。"),
               caption(1, "早く行かないと痛い目にあうよ。"), caption(2, "殴るからね！！"),
               next(true)}}),
         SceneCode::Houses},
        {"map, click on the coast: the eldest son", [](Session& s) { s.startOnMap(); },
         [](Game& g) { g.ImgE_Click(5); },
         seq({allSites(false),
              {picture(106), caption(0, "人生ってせつないよ．．．。"),
               caption(1, "海を見ていると勝負したくなる。"), caption(2, "だから勝負しよう！！"),
               next(true)}}),
         SceneCode::Coast},
        {"map, click on the lake: the goddess's hint", [](Session& s) { s.startOnMap(); },
         [](Game& g) { g.ImgE_Click(2); },
         seq({allSites(false),
              {picture(108), caption(0, "私は女神よ！！"),
               caption(1, "全ての敵を倒したらもう一度来てね！"),
               caption(2, "じゃ、がんばってね！！"), next(true)}}),
         SceneCode::GoddessHint},
        {"map with all five beaten, click on the lake: the goddess reveals herself",
         [](Session& s) { s.beatAllFive(); }, [](Game& g) { g.ImgE_Click(2); },
         seq({allSites(false),
              {picture(108), caption(0, "あなたは街を救ってくれました"),
               caption(1, "これで私も変身できます"), caption(2, "おまえを殺すために・・・"),
               next(true)}}),
         SceneCode::GoddessRevealed},
        {"map, click on a beaten site: refused",
         [](Session& s) {
             s.startOnMap();
             s.fight(3, 110);
         },
         [](Game& g) { g.ImgE_Click(3); },
         seq({allSites(false), {caption(1, "もうここにようはない。")}, allSites(true)}),
         SceneCode::Town},
        {"encounter, Next: the bout starts",
         [](Session& s) {
             s.startOnMap();
             s.game.ImgE_Click(4);
             s.view.take();
         },
         [](Game& g) { g.CmdNext_Click(); },
         seq({allSites(false),
              {next(false), timer(10000), caption(0, ""),
               caption(1, "＊マウスの左右ボタンを何回も押せ＊"), caption(2, "")}}),
         SceneCode::Houses},
        {"verdict, Next: back to the map",
         [](Session& s) {
             s.startBout(4);
             s.game.Timer_Timer();
             s.view.take();
         },
         [](Game& g) { g.CmdNext_Click(); }, MapShown, SceneCode::Houses},
        {"goddess's hint, Next: back to the map",
         [](Session& s) {
             s.startOnMap();
             s.game.ImgE_Click(2);
             s.view.take();
         },
         [](Game& g) { g.CmdNext_Click(); }, MapShown, SceneCode::GoddessHint},
        {"goddess revealed, Next: the final opponent",
         [](Session& s) {
             s.beatAllFive();
             s.game.ImgE_Click(2);
             s.view.take();
         },
         [](Game& g) { g.CmdNext_Click(); },
         seq({allSites(false),
              {picture(109), caption(0, "今まで倒さした敵は全て俺の敵だ！"),
               caption(1, "かんしゃしてるぜ！だが．．"), caption(2, "おまえを殺して終わりだ！！！"),
               next(true)}}),
         SceneCode::FinalOpponent},
        {"final opponent, Next: the final bout starts with the captions untouched",
         [](Session& s) { s.meetFinalOpponent(); }, [](Game& g) { g.CmdNext_Click(); },
         seq({allSites(false), {next(false), timer(10000)}}), SceneCode::FinalOpponent},
        {"final opponent beaten, Next: the closing screen",
         [](Session& s) {
             s.finalBout(160);
             s.game.Timer_Timer();
             s.view.take();
         },
         [](Game& g) { g.CmdNext_Click(); },
         seq({allSites(false),
              {picture(111), caption(0, ""), caption(1, "制作：Q.R.Z.T."), caption(2, ""),
               next(false)}}),
         SceneCode::FinalOpponentBeaten},
        {"map, Next (never shown there): only the sites are switched off",
         [](Session& s) { s.startOnMap(); }, [](Game& g) { g.CmdNext_Click(); }, allSites(false),
         SceneCode::MapFirstReached},
    };
}

TEST(SceneFlow, EachTransitionPerformsItsOperationsInOrder) {
    for (const Transition& t : transitions()) {
        SCOPED_TRACE(t.name);
        Session s;
        t.setUp(s);
        s.view.take();
        t.input(s.game);
        EXPECT_EQ(s.view.take(), t.expected);
        EXPECT_EQ(s.state().Scene, t.sceneAfter);
        // The map and counting never go together once a handler has finished.
        EXPECT_FALSE(s.state().OnMap && s.state().Counting);
    }
}

TEST(SceneFlow, FormLoadWritesOnlyTheWelcomeLineAndLeavesEverythingElseAtZero) {
    Session s;
    s.game.Form_Load();
    EXPECT_EQ(s.view.take(), (std::vector<Op>{caption(1, "ガチャポコの世界へようこそ！！")}));
    const GameState& st = s.state();
    EXPECT_EQ(st.Scene, SceneCode::Welcome);
    EXPECT_FALSE(st.Counting);
    EXPECT_FALSE(st.OnMap);
    EXPECT_EQ(st.Presses, 0);
    EXPECT_EQ(st.BeatenSum, 0);
    EXPECT_EQ(st.Required, 0);
    EXPECT_EQ(st.ScenePicture, 0);
    for (const auto& line : st.SceneLines) {
        EXPECT_TRUE(line.empty());
    }
    for (int code = 4; code <= 9; ++code) {
        EXPECT_FALSE(st.Beaten[static_cast<SceneCode>(code)]);
    }
}

TEST(SceneFlow, EncounterCopiesTheSiteRowIntoTheState) {
    Session s;
    s.startOnMap();
    s.game.ImgE_Click(5);
    EXPECT_EQ(s.state().ScenePicture, 106);
    EXPECT_EQ(s.state().Required, 130);
    EXPECT_FALSE(s.state().Counting);
    EXPECT_FALSE(s.state().OnMap);
    EXPECT_EQ(toUtf8(s.state().SceneLines[1]), "海を見ていると勝負したくなる。");
}

// A refusal leaves the picture, lines 0 and 2 and the scene exactly as they were.
TEST(SceneFlow, RefusalChangesOnlyTheMiddleLine) {
    Session s;
    s.startOnMap();
    s.fight(0, 100);
    s.game.ImgE_MouseMove(0, 0, 0, 10, 10);
    s.game.ImgE_Click(0);
    EXPECT_EQ(s.view.picture, 102);
    EXPECT_EQ(toUtf8(s.view.captions[0]), "森林");
    EXPECT_EQ(toUtf8(s.view.captions[1]), "もうここにようはない。");
    EXPECT_EQ(toUtf8(s.view.captions[2]), "ドワーフ");
    EXPECT_TRUE(s.state().OnMap);
    EXPECT_EQ(s.state().Scene, SceneCode::Forest);
    EXPECT_EQ(s.view.sitesEnabled, (std::array<bool, 6>{true, true, true, true, true, true}));
}

TEST(SceneFlow, GoddessKeepsTheLastEncountersPictureRequirementAndLines) {
    Session s;
    s.startBout(1);
    s.game.Timer_Timer();
    s.game.CmdNext_Click();
    s.game.ImgE_Click(2);
    EXPECT_EQ(s.state().ScenePicture, 103);
    EXPECT_EQ(s.state().Required, 120);
    EXPECT_EQ(toUtf8(s.state().SceneLines[0]), "まだまだだな。");
    EXPECT_TRUE(s.state().Counting);
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
