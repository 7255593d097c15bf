// Pointing at a site of the map names its place and resident; the bare map clears the names.
#include "logic/game.h"
#include "logic/site_table.h"

namespace gachapoko {

void Game::ImgE_MouseMove(SiteIndex index, std::int16_t, std::int16_t, float, float) {
    if (!isValidSite(index)) {
        return;
    }
    const SiteRow& row = SiteTable[static_cast<std::size_t>(index)];
    m_view.SetCaption(0, row.Place);
    m_view.SetCaption(1, HoverSeparator);
    m_view.SetCaption(2, row.Resident);
}

void Game::PicMain_MouseMove(std::int16_t, std::int16_t, float, float) {
    if (!m_state.OnMap) {
        return;
    }
    for (CaptionLine line = 0; line < CaptionLineCount; ++line) {
        m_view.SetCaption(line, u"");
    }
}

} // namespace gachapoko
