// The game's texts and numbers, exactly as the player sees them (full-width punctuation).
#include "logic/site_table.h"

#include "logic/game.h"

#include <limits>

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

// One row per site, in site index order: place, resident, picture, requirement, lines, and the
// site's region on the map (x, y, width, height).
const std::array<SiteRow, SiteCount> SiteTable = {{
    {u"森林",
     u"ドワーフ",
     DwarfPicture,
     100,
     {u"オレはドワーフだ！！", u"ここに来たからには勝負しろ！！", u"いくぞ！！！"},
     {8, 8, 61, 36}},
    {u"山",
     u"力士",
     SumoWrestlerPicture,
     120,
     {u"今、けいこ中でごわす！！", u"じゃましたからには勝負しろごわす！！", u"いくでごわすよ！！"},
     {110, 16, 89, 41}},
    // The goddess never fights; her row holds her hint, and her reveal (above) replaces it once
    // the five are beaten.
    {u"湖", u"女神", GoddessPicture, 0, GoddessHintLines, {63, 64, 58, 30}},
    {u"街",
     u"若者",
     YoungManPicture,
     110,
     {u"なんだオメェ？", u"オレと勝負してぇのか？", u"それならいくぞ！！"},
     {124, 99, 76, 50}},
    {u"住宅",
     u"次男",
     SecondSonPicture,
     80,
     {u"だれ？今、お留守番しているんだ。", u"早く行かないと痛い目にあうよ。", u"殴るからね！！"},
     {0, 88, 58, 64}},
    {u"海岸",
     u"長男",
     EldestSonPicture,
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

const std::u16string_view GameTitle = u"ガチャポコ";
const std::u16string_view NextCaption = u"Next";

namespace {

struct PictureDescription {
    PictureId id;
    std::u16string_view words;
};

// The pictures that show no resident of the map.
constexpr std::array<PictureDescription, 5> PictureDescriptions = {{
    {TitlePicture, u"タイトル「ガチャポコ」"},
    {MapPicture, u"地図"},
    {FinalOpponentPicture, u"最後の敵"},
    {FinalOpponentBeatenPicture, u"倒れた最後の敵"},
    {ClosingPicture, u"エンディング「The End」"},
}};

} // namespace

std::u16string_view pictureDescription(PictureId id) {
    for (const PictureDescription& picture : PictureDescriptions) {
        if (picture.id == id) {
            return picture.words;
        }
    }
    for (const SiteRow& row : SiteTable) {
        if (row.PictureId == id) {
            return row.Resident;
        }
    }
    return {};
}

std::u16string siteDescription(SiteIndex index) {
    if (!isValidSite(index)) {
        return {};
    }
    const SiteRow& row = SiteTable[static_cast<std::size_t>(index)];
    return std::u16string(row.Place) + std::u16string(HoverSeparator) +
           std::u16string(row.Resident);
}

std::vector<std::u16string> everyCaptionText() {
    std::vector<std::u16string> texts;
    const auto add = [&texts](const SceneLinesText& lines) {
        texts.insert(texts.end(), lines.begin(), lines.end());
    };
    for (const SiteRow& row : SiteTable) {
        texts.emplace_back(row.Place);
        texts.emplace_back(row.Resident);
        add(row.Lines);
    }
    for (const SceneLinesText* lines : {&GoddessRevealLines, &FinalOpponentLines,
                                        &FinalOpponentBeatenLines, &ClosingScreenLines}) {
        add(*lines);
    }
    for (const std::u16string_view line :
         {WelcomeLine, MapInstruction, BoutInstruction, RefusalLine, HoverSeparator, LostLine0,
          LostLine1, WonLine0, WonLine1}) {
        texts.emplace_back(line);
    }
    // Every digit, and the largest count the game can show.
    texts.push_back(pressesLine(1234567890));
    texts.push_back(pressesLine(std::numeric_limits<std::int32_t>::max()));
    return texts;
}

std::vector<std::u16string> everyShownText() {
    std::vector<std::u16string> texts = everyCaptionText();
    texts.emplace_back(GameTitle);
    texts.emplace_back(NextCaption);
    return texts;
}

} // namespace gachapoko
