// All of the game's content: the six sites of the map with their residents, the goddess, the
// final opponent, the closing screen and the fixed guiding lines. Read, never written.
#pragma once

#include "logic/types.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gachapoko {

using SceneLinesText = std::array<std::u16string_view, CaptionLineCount>;

// A rectangle of the map picture (102) in picture pixels: left, top, width and height.
struct MapRect {
    int x = 0, y = 0, width = 0, height = 0;
    constexpr int right() const { return x + width - 1; } // inclusive
    constexpr int bottom() const { return y + height - 1; }
    constexpr bool contains(int px, int py) const {
        return px >= x && px <= right() && py >= y && py <= bottom();
    }
};

// A site's scene code is not a column: it follows from the row's index (sceneCodeOfSite).
struct SiteRow {
    std::u16string_view Place;    // shown in caption line 0 while pointing at the site
    std::u16string_view Resident; // shown in caption line 2 while pointing at the site
    gachapoko::PictureId PictureId;
    std::int32_t Required; // presses that win a bout; 0 for the goddess, who never fights
    SceneLinesText Lines;
    // Where the site's region lies over its place on the map. The regions never overlap; the
    // window cuts them at the picture's edge (the coast's reaches one row below it).
    MapRect Region;
};

extern const std::array<SiteRow, SiteCount> SiteTable;

// The goddess's site, her hint's code, and the sum of the five ordinary opponents' codes, which
// BeatenSum reaches once all five are beaten (no smaller set of them adds up to it) and she
// reveals herself.
inline constexpr SiteIndex GoddessSite = 2;
static_assert(sceneCodeOfSite(GoddessSite) == SceneCode::GoddessHint);
inline constexpr std::int32_t AllFiveBeatenSum = [] {
    std::int32_t sum = 0;
    for (SiteIndex site = 0; site < SiteCount; ++site) {
        sum += site == GoddessSite ? 0 : codeValue(sceneCodeOfSite(site));
    }
    return sum;
}();

inline constexpr std::int32_t FinalOpponentRequired = 160;
inline constexpr std::int32_t BoutMilliseconds = 10000;

extern const SceneLinesText GoddessHintLines;
extern const SceneLinesText GoddessRevealLines;
extern const SceneLinesText FinalOpponentLines;
extern const SceneLinesText FinalOpponentBeatenLines;
extern const SceneLinesText ClosingScreenLines;

extern const std::u16string_view WelcomeLine;
extern const std::u16string_view MapInstruction;
extern const std::u16string_view BoutInstruction;
extern const std::u16string_view RefusalLine;
// Caption line 1 while pointing at a site, between its place and its resident: a middle dot.
extern const std::u16string_view HoverSeparator;

// The verdict of a bout: lines 0 and 1; line 2 is the presses line.
extern const std::u16string_view LostLine0;
extern const std::u16string_view LostLine1;
extern const std::u16string_view WonLine0;
extern const std::u16string_view WonLine1;
// "押した回数" and an ideographic space; the count follows in ASCII digits.
extern const std::u16string_view PressesLiteral;

// The window's title and the button's caption.
extern const std::u16string_view GameTitle;
extern const std::u16string_view NextCaption;

// What picture `id` shows, in words, for a screen reader: the title, the map, the resident met
// (named as the map names them), the final opponent, his defeat or the closing picture. Empty
// for a number that is no picture.
std::u16string_view pictureDescription(PictureId id);

// A site's name for a screen reader: its place, a middle dot and its resident, as the hover
// captions show them. Empty for an index that is no site.
std::u16string siteDescription(SiteIndex index);

// Every text a caption line can show: the residents' dialogue, the places and residents while
// pointing at the map, the guiding lines, the verdicts, and the presses line with every digit
// and at its widest.
std::vector<std::u16string> everyCaptionText();
// The captions, the window's title and the button's caption: every text the window shows.
std::vector<std::u16string> everyShownText();

} // namespace gachapoko
