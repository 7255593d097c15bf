// Counting presses and judging a bout: the boundaries of every requirement, the presses line,
// and the ceiling of the count. (Which scenes count presses is in the scene flow's tests, and
// the presses carried from a verdict to the next bout in the play-through.)
#include "logic/site_table.h"
#include "tests/logic/game_driver.h"

#include <gtest/gtest.h>
#include <limits>

namespace gachapoko::test {
namespace {

TEST(PressesLine, IsTheLiteralFollowedByPlainDecimalDigits) {
    for (const int presses : {0, 7, 37, 100, 2147483647}) {
        EXPECT_EQ(toUtf8(pressesLine(presses)), "押した回数　" + std::to_string(presses));
    }
}

// The operations of a verdict: the timer stopped, "Next" shown, then the three lines.
std::vector<Op> verdict(bool won, int presses) {
    return {timer(0), next(true), caption(0, won ? "おまえ強いな。" : "まだまだだな。"),
            caption(1, won ? "またこいよ！！" : "いつでもかかってきな！！"),
            caption(2, "押した回数　" + std::to_string(presses))};
}

// One press short loses; exactly the requirement wins.
TEST(Verdict, OrdinaryOpponentIsBeatenExactlyAtTheRequirement) {
    for (const SiteIndex site : OrdinarySites) {
        const int required = Residents[static_cast<std::size_t>(site)].required;
        for (const int presses : {required - 1, required}) {
            SCOPED_TRACE("site " + std::to_string(site) + ", " + std::to_string(presses));
            const bool won = presses == required;
            const SceneCode code = sceneCodeOfSite(site);
            Session s;
            s.startBout(site);
            s.press(presses);
            s.view.take();
            s.game.Timer_Timer();
            EXPECT_EQ(s.view.take(), verdict(won, presses));
            // A won count is reset only on the way back to the map.
            EXPECT_EQ(s.state().Presses, won ? presses : 0);
            EXPECT_EQ(s.state().Beaten[code], won);
            EXPECT_EQ(s.state().BeatenSum, won ? codeValue(code) : 0);
            EXPECT_EQ(s.state().Scene, code);
        }
    }
}

// Exactly 160 beat him (159 lose in the play-through): his defeat is shown at once.
TEST(Verdict, FinalOpponentIsBeatenAtOneHundredAndSixty) {
    Session won;
    won.finalBout(160);
    won.game.Timer_Timer();
    EXPECT_EQ(won.view.take(),
              (std::vector<Op>{timer(0), picture(110), next(true), caption(0, FinalBeatenLines[0]),
                               caption(1, FinalBeatenLines[1]), caption(2, FinalBeatenLines[2])}));
    won.game.Timer_Timer(); // a stray tick after his defeat marks nobody
    EXPECT_EQ(won.state().Scene, SceneCode::FinalOpponentBeaten);
    EXPECT_EQ(won.state().ScenePicture, 109); // the defeat is shown straight, not as a scene
    EXPECT_EQ(won.state().BeatenSum, 33);
    EXPECT_TRUE(won.state().Counting);
}

// The count stops at the largest 32-bit value: a press there is ignored, never wrapped.
TEST(Presses, StopAtTheLargestCount) {
    Session s;
    s.startBout(3);
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    // Two billion presses would take minutes: start the count just below its ceiling.
    const_cast<GameState&>(s.state()).Presses = max - 1;
    s.press(1);
    EXPECT_EQ(s.state().Presses, max);
    s.press(2); // a click and a double click
    EXPECT_EQ(s.state().Presses, max);
    s.game.Timer_Timer();
    EXPECT_EQ(toUtf8(s.view.captions[2]), "押した回数　2147483647");
    EXPECT_EQ(toUtf8(s.view.captions[0]), "おまえ強いな。");
}

} // namespace
} // namespace gachapoko::test
