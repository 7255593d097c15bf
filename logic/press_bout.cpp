// The ten-second bout: presses are counted while Counting is on, and when the timer fires the
// count is judged against the opponent's requirement.
#include "logic/game.h"
#include "logic/site_table.h"

#include <limits>

namespace gachapoko {

std::u16string pressesLine(std::int32_t presses) {
    std::u16string digits;
    // Presses never goes below zero; count in unsigned so even the extremes cannot overflow.
    auto value = static_cast<std::uint32_t>(presses < 0 ? 0 : presses);
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return std::u16string(PressesLiteral) + digits;
}

// A click and a double click count alike: each is one press of a mouse button. The count
// stops at the largest 32-bit value instead of wrapping to a negative one.
void Game::countPress() {
    if (m_state.Counting && m_state.Presses < std::numeric_limits<std::int32_t>::max()) {
        ++m_state.Presses;
    }
}

void Game::PicMain_Click() {
    countPress();
}

void Game::PicMain_DblClick() {
    countPress();
}

void Game::Timer_Timer() {
    m_view.SetTimerInterval(0);

    if (m_state.Presses < m_state.Required) {
        m_state.SceneLines[0] = LostLine0;
        m_state.SceneLines[1] = LostLine1;
        m_state.SceneLines[2] = pressesLine(m_state.Presses);
        m_state.Presses = 0;
    } else if (m_state.Scene == SceneCode::FinalOpponent) {
        BossDefeated();
    } else {
        m_state.SceneLines[0] = WonLine0;
        m_state.SceneLines[1] = WonLine1;
        m_state.SceneLines[2] = pressesLine(m_state.Presses);
        // The timer only runs in a bout, so Scene is an ordinary opponent's code here. A stray
        // tick anywhere else (the goddess's hint, a verdict already given) must mark nobody, and
        // nobody twice: BeatenSum stays the sum of the beaten codes, AllFiveBeatenSum at most.
        if (m_state.Counting && isOrdinaryOpponent(m_state.Scene) &&
            !m_state.Beaten[m_state.Scene]) {
            m_state.BeatenSum += codeValue(m_state.Scene);
            m_state.Beaten[m_state.Scene] = true;
        }
    }

    // Counting stays on: presses after the verdict still count (and an ordinary opponent's
    // are dropped on the return to the map).
    m_view.SetNextVisible(true);
    writeCaptions(m_state.SceneLines);
}

// The final opponent is beaten: his torn picture at once, his last words through the verdict.
// ScenePicture keeps 109.
void Game::BossDefeated() {
    m_view.SetPicture(FinalOpponentBeatenPicture);
    setSceneLines(FinalOpponentBeatenLines);
    m_state.Scene = SceneCode::FinalOpponentBeaten;
}

} // namespace gachapoko
