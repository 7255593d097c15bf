// Everything the game remembers during one run. Nothing of it is ever saved.
#pragma once

#include "logic/types.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <string>

namespace gachapoko {

// Which opponents are beaten, indexed by scene code 4 to 9 (never by site index: the site
// with index i has its flag under sceneCodeOfSite(i)). Code 6, the goddess, is never set.
class BeatenFlags {
public:
    bool operator[](SceneCode code) const { return m_flags[slot(code)]; }
    bool& operator[](SceneCode code) { return m_flags[slot(code)]; }

private:
    static std::size_t slot(SceneCode code) {
        assert(isEncounter(code));
        return static_cast<std::size_t>(codeValue(code) - codeValue(sceneCodeOfSite(0)));
    }

    std::array<bool, SiteCount> m_flags{};
};

// The one record of game state, created with every field zero, false or empty.
struct GameState {
    PictureId ScenePicture = 0;                                // picture ShowScene puts up
    std::array<std::u16string, CaptionLineCount> SceneLines{}; // lines ShowScene or a verdict shows
    bool Counting = false;                                     // presses on the picture count
    std::int32_t Presses = 0;                                  // presses in the current bout
    std::int32_t BeatenSum = 0; // sum of the codes beaten; AllFiveBeatenSum: all five
    bool OnMap = false;         // the map is shown
    BeatenFlags Beaten{};       // by scene code 4 to 9
    std::int32_t Required = 0;  // presses that win the current bout
    SceneCode Scene = SceneCode::Welcome;
};

} // namespace gachapoko
