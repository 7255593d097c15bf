// The small value types shared by the game logic and the window: scene codes, site indices,
// picture ids and caption lines.
#pragma once

#include <cstdint>

namespace gachapoko {

// Where the player stands. Codes 2 and 3 are never used; an encounter with site i has code i + 4.
enum class SceneCode : std::int16_t {
    Welcome = 0,
    MapFirstReached = 1,
    Forest = 4,
    Mountain = 5,
    GoddessHint = 6,
    Town = 7,
    Houses = 8,
    Coast = 9,
    GoddessRevealed = 10,
    FinalOpponent = 11,
    FinalOpponentBeaten = 12,
};

// Index of one of the six sites on the map (0 to 5), also the row of the site table.
using SiteIndex = std::int16_t;
inline constexpr SiteIndex SiteCount = 6;

// Id of a built-in 200x200 picture, 101 to 111.
using PictureId = std::int16_t;
inline constexpr PictureId TitlePicture = 101;
inline constexpr PictureId MapPicture = 102;
inline constexpr PictureId SumoWrestlerPicture = 103;
inline constexpr PictureId DwarfPicture = 104;
inline constexpr PictureId YoungManPicture = 105;
inline constexpr PictureId EldestSonPicture = 106;
inline constexpr PictureId SecondSonPicture = 107; // his elder brother's face, laughing in tears
inline constexpr PictureId GoddessPicture = 108;
inline constexpr PictureId FinalOpponentPicture = 109;
inline constexpr PictureId FinalOpponentBeatenPicture = 110;
inline constexpr PictureId ClosingPicture = 111;
inline constexpr int PictureCount = ClosingPicture - TitlePicture + 1;

constexpr bool isValidPicture(int id) {
    return id >= TitlePicture && id <= ClosingPicture;
}

// One of the three caption lines under the picture, 0 to 2.
using CaptionLine = int;
inline constexpr CaptionLine CaptionLineCount = 3;

constexpr bool isValidSite(int site) {
    return site >= 0 && site < SiteCount;
}

// The encounter code of a site: its index plus 4.
constexpr SceneCode sceneCodeOfSite(SiteIndex site) {
    return static_cast<SceneCode>(site + 4);
}

constexpr std::int16_t codeValue(SceneCode code) {
    return static_cast<std::int16_t>(code);
}

// An encounter with one of the six sites: codes 4 to 9.
constexpr bool isEncounter(SceneCode code) {
    return codeValue(code) >= codeValue(sceneCodeOfSite(0)) &&
           codeValue(code) <= codeValue(sceneCodeOfSite(SiteCount - 1));
}

// The five ordinary opponents (codes 4, 5, 7, 8 and 9), the only ones a bout can beat; the
// goddess's hint, code 6, lies among them but never fights.
constexpr bool isOrdinaryOpponent(SceneCode code) {
    return isEncounter(code) && code != SceneCode::GoddessHint;
}

} // namespace gachapoko
