// The game's texts and numbers, exactly as the player sees them (full-width punctuation).
#include "logic/site_table.h"

namespace gachapoko {

const SceneLinesText GoddessHintLines = {u"私は女神よ！！", u"全ての敵を倒したらもう一度来てね！",
                                         u"じゃ、がんばってね！！"};
const SceneLinesText GoddessRevealLines = {u"あなたは街を救ってくれました",
                                           u"これで私も変身できます", u"おまえを殺すために・・・"};
const SceneLinesText FinalOpponentLines = {u"今まで倒さした敵は全て俺の敵だ！",
                                           u"かんしゃしてるぜ！だが．．",
                                           u"おまえを殺して終わりだ！！！"};
const SceneLinesText FinalOpponentBeatenLines = {u"な、なぜ俺が負ける．．", u"なぜだ～～～！！",
                                                 u"オレの１００万年の野望が～．．"};

// One row per site, in site index order: place, resident, scene code, picture, requirement,
// lines, and the site's region on the map (x, y, width, height).
const std::array<SiteRow, SiteCount> SiteTable = {{
    {u"森林",
     u"ドワーフ",
     SceneCode::Forest,
     104,
     100,
     {u"オレはドワーフだ！！", u"ここに来たからには勝負しろ！！", u"いくぞ！！！"},
     {8, 8, 61, 36}},
    {u"山",
     u"力士",
     SceneCode::Mountain,
     103,
     120,
     {u"今、けいこ中でごわす！！", u"じゃましたからには勝負しろごわす！！", u"いくでごわすよ！！"},
     {110, 16, 89, 41}},
    // The goddess never fights: her lines depend on the opponents beaten (see below).
    {u"湖", u"女神", SceneCode::GoddessHint, GoddessPicture, 0, GoddessHintLines, {63, 64, 58, 30}},
    {u"街",
     u"若者",
     SceneCode::Town,
     105,
     110,
     {u"なんだオメェ？", u"オレと勝負してぇのか？", u"それならいくぞ！！"},
     {124, 99, 76, 50}},
    {u"住宅",
     u"次男",
     SceneCode::Houses,
     107,
     80,
     {u"だれ？今、お留守番しているんだ。", u"早く行かないと痛い目にあうよ。", u"殴るからね！！"},
     {0, 88, 58, 64}},
    {u"海岸",
     u"長男",
     SceneCode::Coast,
     106,
     130,
     {u"人生ってせつないよ．．．。", u"海を見ていると勝負したくなる。", u"だから勝負しよう！！"},
     {0, 168, 196, 33}},
}};

// The closing picture's credit line, between two blank lines.
const SceneLinesText ClosingScreenLines = {u"", u"制作：Q.R.Z.T.", u""};

const std::u16string_view WelcomeLine = u"ガチャポコの世界へようこそ！！";
const std::u16string_view MapInstruction = u"行きたい場所を選んで下さい";
const std::u16string_view BoutInstruction = u"＊マウスの左右ボタンを何回も押せ＊";
const std::u16string_view RefusalLine = u"もうここにようはない。";
const std::u16string_view HoverSeparator = u"・";

const std::u16string_view LostLine0 = u"まだまだだな。";
const std::u16string_view LostLine1 = u"いつでもかかってきな！！";
const std::u16string_view WonLine0 = u"おまえ強いな。";
const std::u16string_view WonLine1 = u"またこいよ！！";
const std::u16string_view PressesLiteral = u"押した回数　";

} // namespace gachapoko
