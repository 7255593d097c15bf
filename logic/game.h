// The game: the handlers the window calls, one per event, sharing the one GameState. Each
// changes the window only through the View, one operation at a time, in a fixed order.
#pragma once

#include "logic/game_state.h"
#include "logic/site_table.h"
#include "logic/view.h"

#include <cstdint>
#include <string>

namespace gachapoko {

class Game {
public:
    explicit Game(View& view) : m_view(view) {}

    // Start of a run: the welcome line, scene 0. Called once, before the window is shown.
    void Form_Load();

    // Scene flow: "Next" and a click on a site of the map.
    void CmdNext_Click();
    void ImgE_Click(SiteIndex index);

    // Presses on the picture area count while a bout (or the final opponent) is on.
    void PicMain_Click();
    void PicMain_DblClick();
    // The ten seconds of a bout are over.
    void Timer_Timer();

    // Hover captions. Only the site index is used; the rest is what the window reports.
    void ImgE_MouseMove(SiteIndex index, std::int16_t button, std::int16_t shift, float x, float y);
    void PicMain_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);

    const GameState& state() const { return m_state; }

private:
    void ShowScene();
    void BossDefeated();
    void showMap();
    void countPress();
    void setAllSitesEnabled(bool enabled);
    void setSceneLines(const SceneLinesText& lines);

    // Writes three lines into caption lines 0, 1 and 2, in this order.
    template <typename Lines>
    void writeCaptions(const Lines& lines) {
        for (CaptionLine line = 0; line < CaptionLineCount; ++line) {
            m_view.SetCaption(line, lines[static_cast<std::size_t>(line)]);
        }
    }

    View& m_view;
    GameState m_state;
};

// "押した回数　" followed by the count in decimal ASCII digits.
std::u16string pressesLine(std::int32_t presses);

} // namespace gachapoko
