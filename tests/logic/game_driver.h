// Drives a Game the way the window would, with a recording View, and names the common steps of
// play so that tests read like a player's moves.
#pragma once

#include "logic/game.h"
#include "tests/support/recording_view.h"

#include <array>
#include <vector>

namespace gachapoko::test {

// The sites of the five ordinary opponents; site 2 is the goddess's.
inline constexpr std::array<SiteIndex, 5> OrdinarySites = {0, 1, 3, 4, 5};

using Lines = std::array<const char*, 3>;

// Who the player meets at each site, written out here rather than read from the game's own
// table: the picture, the presses that win a bout (0 for the goddess, who never fights), the
// place and resident the hover captions name, and the three lines of the encounter (at the lake,
// the goddess's hint).
struct Resident {
    int picture;
    int required;
    const char* place;
    const char* name;
    Lines lines;
};

inline const std::array<Resident, SiteCount> Residents = {{
    {104, 100, "森林", "ドワーフ", "オレはドワーフだ！！", "ここに来たからには勝負しろ！！",
     "いくぞ！！！"},
    {103, 120, "山", "力士", "今、けいこ中でごわす！！", "じゃましたからには勝負しろごわす！！",
     "いくでごわすよ！！"},
    {108, 0, "湖", "女神", "私は女神よ！！", "全ての敵を倒したらもう一度来てね！",
     "じゃ、がんばってね！！"},
    {105, 110, "街", "若者", "なんだオメェ？", "オレと勝負してぇのか？", "それならいくぞ！！"},
    {107, 80, "住宅", "次男", "だれ？今、お留守番しているんだ。", "早く行かないと痛い目にあうよ。",
     "殴るからね！！"},
    {106, 130, "海岸", "長男", "人生ってせつないよ．．．。", "海を見ていると勝負したくなる。",
     "だから勝負しよう！！"},
}};

// The goddess revealed, the final opponent met and the final opponent beaten.
inline const Lines RevealLines = {"あなたは街を救ってくれました", "これで私も変身できます",
                                  "おまえを殺すために・・・"};
inline const Lines FinalLines = {"今まで倒さした敵は全て俺の敵だ！", "かんしゃしてるぜ！だが．．",
                                 "おまえを殺して終わりだ！！！"};
inline const Lines FinalBeatenLines = {"な、なぜ俺が負ける．．", "なぜだ～～～！！",
                                       "オレの１００万年の野望が～．．"};

struct Session {
    RecordingView view;
    Game game{view};

    const GameState& state() const { return game.state(); }

    void start() {
        game.Form_Load();
        view.take();
    }

    // From the welcome screen to the map.
    void startOnMap() {
        start();
        game.CmdNext_Click();
        view.take();
    }

    // `count` presses as the window reports them: a quick run alternates click and double click.
    void press(int count) {
        for (int i = 0; i < count; ++i) {
            i % 2 == 0 ? game.PicMain_Click() : game.PicMain_DblClick();
        }
    }

    // A whole bout against the opponent of `site`, from the map back to the map.
    void fight(SiteIndex site, int presses) {
        game.ImgE_Click(site);
        game.CmdNext_Click();
        press(presses);
        game.Timer_Timer();
        game.CmdNext_Click();
        view.take();
    }

    // From the start to the map with all five beaten.
    void beatAllFive() {
        startOnMap();
        for (SiteIndex site : OrdinarySites) {
            fight(site, 200);
        }
    }

    // From the start to the scene of `site`: its resident's lines, or the goddess's hint.
    void meet(SiteIndex site) {
        startOnMap();
        game.ImgE_Click(site);
        view.take();
    }

    // From the start to the goddess revealed, all five beaten.
    void revealGoddess() {
        beatAllFive();
        game.ImgE_Click(2);
        view.take();
    }

    // From the start to the final opponent's lines, "Next" shown.
    void meetFinalOpponent() {
        revealGoddess();
        game.CmdNext_Click();
        view.take();
    }

    // From the start into a bout with the final opponent, `presses` pressed and the bell not yet
    // rung.
    void finalBout(int presses) {
        meetFinalOpponent();
        game.CmdNext_Click();
        press(presses);
        view.take();
    }

    // From the start into the bout with the opponent of `site`, nothing pressed yet.
    void startBout(SiteIndex site) {
        meet(site);
        game.CmdNext_Click();
        view.take();
    }
};

// Concatenates operation lists, so expected sequences read in the order the game runs them.
inline std::vector<Op> seq(std::initializer_list<std::vector<Op>> parts) {
    std::vector<Op> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

} // namespace gachapoko::test
