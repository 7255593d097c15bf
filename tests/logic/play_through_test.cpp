// Whole games from the welcome screen to the closing screen, checking what the player sees
// after every move, in several orders of beating the five opponents.
#include "tests/logic/game_driver.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

struct Screen {
    int picture;
    std::array<const char*, 3> captions;
    bool next;
    bool sites; // all six enabled (true) or all disabled (false)
    int timer;
};

void expectScreen(const RecordingView& view, const Screen& want) {
    EXPECT_EQ(view.picture, want.picture);
    for (std::size_t line = 0; line < 3; ++line) {
        EXPECT_EQ(toUtf8(view.captions[line]), want.captions[line]) << "line " << line;
    }
    EXPECT_EQ(view.nextVisible, want.next);
    for (bool enabled : view.sitesEnabled) {
        EXPECT_EQ(enabled, want.sites);
    }
    EXPECT_EQ(view.timerInterval, want.timer);
}

const char* const Map = "行きたい場所を選んで下さい";
const char* const Bout = "＊マウスの左右ボタンを何回も押せ＊";

struct Opponent {
    SiteIndex site;
    int picture;
    int required;
    std::array<const char*, 3> lines;
};

const std::array<Opponent, 5> Opponents = {{
    {0, 104, 100, {"オレはドワーフだ！！", "ここに来たからには勝負しろ！！", "いくぞ！！！"}},
    {1,
     103,
     120,
     {"今、けいこ中でごわす！！", "じゃましたからには勝負しろごわす！！", "いくでごわすよ！！"}},
    {3, 105, 110, {"なんだオメェ？", "オレと勝負してぇのか？", "それならいくぞ！！"}},
    {4,
     107,
     80,
     {"だれ？今、お留守番しているんだ。", "早く行かないと痛い目にあうよ。", "殴るからね！！"}},
    {5,
     106,
     130,
     {"人生ってせつないよ．．．。", "海を見ていると勝負したくなる。", "だから勝負しよう！！"}},
}};

const Opponent& opponentAt(SiteIndex site) {
    return *std::find_if(Opponents.begin(), Opponents.end(),
                         [site](const Opponent& o) { return o.site == site; });
}

// One encounter from the map: meet, bout with `presses`, verdict, back to the map.
void playBout(Session& s, const Opponent& o, int presses) {
    s.game.ImgE_Click(o.site);
    expectScreen(s.view, {o.picture, o.lines, true, false, 0});
    s.game.CmdNext_Click();
    expectScreen(s.view, {o.picture, {"", Bout, ""}, false, false, 10000});
    s.press(presses);
    s.game.Timer_Timer();
    const std::string count = "押した回数　" + std::to_string(presses);
    const bool won = presses >= o.required;
    expectScreen(s.view, {o.picture,
                          {won ? "おまえ強いな。" : "まだまだだな。",
                           won ? "またこいよ！！" : "いつでもかかってきな！！", count.c_str()},
                          true,
                          false,
                          0});
    s.game.CmdNext_Click();
    expectScreen(s.view, {102, {"", Map, ""}, false, true, 0});
}

void playWholeGame(const std::array<SiteIndex, 5>& order) {
    Session s;
    s.game.Form_Load();
    expectScreen(s.view, {101, {"", "ガチャポコの世界へようこそ！！", ""}, true, false, 0});
    s.game.CmdNext_Click();
    expectScreen(s.view, {102, {"", Map, ""}, false, true, 0});

    // The goddess only hints while opponents remain.
    s.game.ImgE_Click(2);
    expectScreen(
        s.view, {108,
                 {"私は女神よ！！", "全ての敵を倒したらもう一度来てね！", "じゃ、がんばってね！！"},
                 true,
                 false,
                 0});
    s.game.CmdNext_Click();
    expectScreen(s.view, {102, {"", Map, ""}, false, true, 0});

    int expectedSum = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const Opponent& o = opponentAt(order[i]);
        if (i == 1) {
            playBout(s, o, o.required - 1); // lose once, then come back
        }
        playBout(s, o, o.required + static_cast<int>(i));
        expectedSum += o.site + 4;
        EXPECT_EQ(s.state().BeatenSum, expectedSum);

        // A beaten site refuses a second visit.
        s.game.ImgE_Click(o.site);
        expectScreen(s.view, {102, {"", "もうここにようはない。", ""}, false, true, 0});
        if (i < order.size() - 1) {
            s.game.ImgE_Click(2);
            EXPECT_EQ(s.state().Scene, SceneCode::GoddessHint);
            s.game.CmdNext_Click();
        }
    }
    EXPECT_EQ(s.state().BeatenSum, 33);
    EXPECT_FALSE(s.state().Beaten[SceneCode::GoddessHint]);

    s.game.ImgE_Click(2);
    expectScreen(s.view, {108,
                          {"あなたは街を救ってくれました", "これで私も変身できます",
                           "おまえを殺すために・・・"},
                          true,
                          false,
                          0});
    s.press(10);
    s.game.CmdNext_Click();
    const std::array<const char*, 3> finalLines = {"今まで倒さした敵は全て俺の敵だ！",
                                                   "かんしゃしてるぜ！だが．．",
                                                   "おまえを殺して終わりだ！！！"};
    expectScreen(s.view, {109, finalLines, true, false, 0});
    s.press(20);
    s.game.CmdNext_Click();
    expectScreen(s.view, {109, finalLines, false, false, 10000});
    s.press(100);
    s.game.Timer_Timer(); // 130 in all: lost
    const std::array<const char*, 3> lostLines = {"まだまだだな。", "いつでもかかってきな！！",
                                                  "押した回数　130"};
    expectScreen(s.view, {109, lostLines, true, false, 0});
    s.game.CmdNext_Click();
    expectScreen(s.view, {109, lostLines, false, false, 10000}); // the lost verdict stays up
    s.press(161);
    s.game.Timer_Timer();
    expectScreen(s.view,
                 {110,
                  {"な、なぜ俺が負ける．．", "なぜだ～～～！！", "オレの１００万年の野望が～．．"},
                  true,
                  false,
                  0});
    s.game.CmdNext_Click();
    expectScreen(s.view, {111, {"", "制作：Q.R.Z.T.", ""}, false, false, 0});
    // Nothing follows: moves and presses on the closing screen change nothing shown.
    s.view.take();
    s.press(3);
    s.game.PicMain_MouseMove(0, 0, 1, 1);
    EXPECT_TRUE(s.view.take().empty());
}

TEST(PlayThrough, WholeGameInMapOrder) {
    playWholeGame({0, 1, 3, 4, 5});
}

TEST(PlayThrough, WholeGameInReverseOrder) {
    playWholeGame({5, 4, 3, 1, 0});
}

TEST(PlayThrough, WholeGameInAMixedOrder) {
    playWholeGame({3, 0, 5, 1, 4});
}

} // namespace
} // namespace gachapoko::test
