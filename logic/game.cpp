// The start of a run, and the small helpers the handlers share.
#include "logic/game.h"

#include "logic/site_table.h"

namespace gachapoko {

void Game::Form_Load() {
    m_state.OnMap = false;
    m_state.Scene = SceneCode::Welcome;
    m_state.Counting = false;
    m_view.SetCaption(1, WelcomeLine);
}

// Sites are always switched one by one, 0 to 5.
void Game::setAllSitesEnabled(bool enabled) {
    for (SiteIndex site = 0; site < SiteCount; ++site) {
        m_view.SetSiteEnabled(site, enabled);
    }
}

void Game::setSceneLines(const SceneLinesText& lines) {
    for (std::size_t line = 0; line < lines.size(); ++line) {
        m_state.SceneLines[line] = lines[line];
    }
}

} // namespace gachapoko
