// Whole games from the welcome screen to the closing screen, checking what the player sees
// after every move, in several orders of beating the five opponents.
#include "tests/logic/game_driver.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

struct Screen {
    int picture;
    Lines captions;
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
    EXPECT_EQ(std::count(view.sitesEnabled.begin(), view.sitesEnabled.end(), want.sites), 6);
    EXPECT_EQ(view.timerInterval, want.timer);
}

const char* const Map = "行きたい場所を選んで下さい";
const char* const Bout = "＊マウスの左右ボタンを何回も押せ＊";

// One encounter from the map: meet, bout with `presses`, verdict, back to the map.
void playBout(Session& s, SiteIndex site, int presses) {
    const Resident& o = Residents[static_cast<std::size_t>(site)];
    s.game.ImgE_Click(site);
    expectScreen(s.view, {o.picture, o.lines, true, false, 0});
    s.game.CmdNext_Click();
    expectScreen(s.view, {o.picture, {"", Bout, ""}, false, false, 10000});
    s.press(presses);
    s.game.Timer_Timer();
    const std::string count = "押した回数　" + std::to_string(presses);
    const bool won = presses >= o.required;
    const Lines verdict = {won ? "おまえ強いな。" : "まだまだだな。",
                           won ? "またこいよ！！" : "いつでもかかってきな！！", count.c_str()};
    expectScreen(s.view, {o.picture, verdict, true, false, 0});
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
    expectScreen(s.view, {108, Residents[2].lines, true, false, 0});
    s.game.CmdNext_Click();
    expectScreen(s.view, {102, {"", Map, ""}, false, true, 0});

    int expectedSum = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int required = Residents[static_cast<std::size_t>(order[i])].required;
        if (i == 1) {
            playBout(s, order[i], required - 1); // lose once, then come back
        }
        playBout(s, order[i], required + static_cast<int>(i));
        expectedSum += order[i] + 4;
        EXPECT_EQ(s.state().BeatenSum, expectedSum);

        // A beaten site refuses a second visit.
        s.game.ImgE_Click(order[i]);
        expectScreen(s.view, {102, {"", "もうここにようはない。", ""}, false, true, 0});
        if (i < order.size() - 1) {
            // The goddess's hint keeps the last encounter's picture, requirement and verdict.
            s.game.ImgE_Click(2);
            EXPECT_EQ(s.state().Scene, SceneCode::GoddessHint);
            EXPECT_EQ(s.state().ScenePicture,
                      Residents[static_cast<std::size_t>(order[i])].picture);
            EXPECT_EQ(s.state().Required, required);
            EXPECT_EQ(toUtf8(s.state().SceneLines[0]), "おまえ強いな。");
            s.game.CmdNext_Click();
        }
    }
    EXPECT_EQ(s.state().BeatenSum, 33);
    EXPECT_FALSE(s.state().Beaten[SceneCode::GoddessHint]);

    s.game.ImgE_Click(2);
    expectScreen(s.view, {108, RevealLines, true, false, 0});
    s.press(10);
    s.game.CmdNext_Click();
    expectScreen(s.view, {109, FinalLines, true, false, 0});
    s.press(20);
    s.game.CmdNext_Click();
    expectScreen(s.view, {109, FinalLines, false, false, 10000});
    s.press(100);
    s.game.Timer_Timer(); // 130 in all: lost
    const Lines lost = {"まだまだだな。", "いつでもかかってきな！！", "押した回数　130"};
    expectScreen(s.view, {109, lost, true, false, 0});
    s.press(70); // between the verdict and "Next": they count towards the next bout
    s.game.CmdNext_Click();
    expectScreen(s.view, {109, lost, false, false, 10000}); // the lost verdict stays up
    s.press(89);
    s.game.Timer_Timer(); // 159: lost again
    expectScreen(s.view, {109, {lost[0], lost[1], "押した回数　159"}, true, false, 0});
    s.game.CmdNext_Click();
    s.press(160);
    s.game.Timer_Timer();
    expectScreen(s.view, {110, FinalBeatenLines, true, false, 0});
    s.game.CmdNext_Click();
    expectScreen(s.view, {111, {"", "制作：Q.R.Z.T.", ""}, false, false, 0});
    // Nothing follows: moves and presses on the closing screen change nothing shown.
    s.view.take();
    s.press(3);
    s.game.PicMain_MouseMove(0, 0, 1, 1);
    EXPECT_TRUE(s.view.take().empty());
}

TEST(PlayThrough, WholeGameInMapReverseAndMixedOrders) {
    const std::array<SiteIndex, 5> orders[] = {OrdinarySites, {5, 4, 3, 1, 0}, {3, 0, 5, 1, 4}};
    for (const auto& order : orders) {
        SCOPED_TRACE(testing::PrintToString(order));
        playWholeGame(order);
    }
}

} // namespace
} // namespace gachapoko::test
