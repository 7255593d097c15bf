// The flow of scenes: "Next" and clicks on the map carry the player from the welcome screen to
// the map, into encounters and bouts, past the goddess to the final opponent and the end.
#include "logic/game.h"
#include "logic/site_table.h"

namespace gachapoko {

// The map with its instruction line, "Next" hidden and the six sites taking the mouse.
void Game::showMap() {
    m_state.OnMap = true;
    m_view.SetPicture(MapPicture);
    m_view.SetCaption(0, u"");
    m_view.SetCaption(2, u"");
    m_view.SetCaption(1, MapInstruction);
    m_view.SetNextVisible(false);
    setAllSitesEnabled(true);
}

void Game::ShowScene() {
    m_view.SetPicture(m_state.ScenePicture);
    writeCaptions(m_state.SceneLines);
    m_view.SetNextVisible(true);
}

void Game::CmdNext_Click() {
    setAllSitesEnabled(false);

    const SceneCode scene = m_state.Scene;
    if (scene == SceneCode::Welcome) {
        m_state.Scene = SceneCode::MapFirstReached;
        showMap();
    } else if (isEncounter(scene) && m_state.Counting) {
        // Back to the map after a verdict or the goddess's hint. Presses made since the
        // verdict are dropped here; Scene keeps the code of the encounter just left.
        m_state.Counting = false;
        m_state.Presses = 0;
        showMap();
    } else if (isEncounter(scene)) {
        // A bout against an ordinary opponent; Presses is 0 since the return to the map.
        m_state.OnMap = false;
        m_view.SetNextVisible(false);
        m_view.SetTimerInterval(BoutMilliseconds);
        m_state.Counting = true;
        m_view.SetCaption(0, u"");
        m_view.SetCaption(1, BoutInstruction);
        m_view.SetCaption(2, u"");
    } else if (scene == SceneCode::GoddessRevealed) {
        // Counting stays on from the goddess's scene: presses made now count towards the
        // first final bout.
        m_state.Scene = SceneCode::FinalOpponent;
        m_state.ScenePicture = FinalOpponentPicture;
        m_state.Required = FinalOpponentRequired;
        setSceneLines(FinalOpponentLines);
        ShowScene();
    } else if (scene == SceneCode::FinalOpponent) {
        // Another final bout: Presses is not reset and the captions stay as they are, so every
        // press since the last verdict (or since the reveal) counts.
        m_view.SetNextVisible(false);
        m_view.SetTimerInterval(BoutMilliseconds);
    } else if (scene == SceneCode::FinalOpponentBeaten) {
        m_view.SetPicture(ClosingPicture);
        writeCaptions(ClosingScreenLines);
        m_view.SetNextVisible(false);
    }
    // Scene 1 (the map, where "Next" is hidden): nothing beyond disabling the sites.
}

void Game::ImgE_Click(SiteIndex index) {
    if (!isValidSite(index)) {
        return;
    }
    setAllSitesEnabled(false);

    if (m_state.Beaten[sceneCodeOfSite(index)]) {
        m_view.SetCaption(1, RefusalLine);
        setAllSitesEnabled(true);
        return;
    }

    m_state.OnMap = false;
    if (index == GoddessSite) {
        m_view.SetPicture(GoddessPicture);
        const bool allFiveBeaten = m_state.BeatenSum == AllFiveBeatenSum;
        const SceneLinesText& lines = allFiveBeaten ? GoddessRevealLines : GoddessHintLines;
        writeCaptions(lines);
        // She sets Counting although she never fights, so "Next" leaves her scene the way it
        // leaves a verdict.
        m_state.Counting = true;
        m_state.Scene = allFiveBeaten ? SceneCode::GoddessRevealed : SceneCode::GoddessHint;
        m_view.SetNextVisible(true);
        return;
    }

    const SiteRow& row = SiteTable[static_cast<std::size_t>(index)];
    m_state.Scene = sceneCodeOfSite(index);
    m_state.ScenePicture = row.PictureId;
    m_state.Required = row.Required;
    setSceneLines(row.Lines);
    ShowScene();
}

} // namespace gachapoko
