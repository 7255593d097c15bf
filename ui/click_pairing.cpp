// Click and double-click pairing of the picture area's presses, kept free of the toolkit so the
// rules can be checked press by press.
#include "ui/click_pairing.h"

#include <cstdlib>

namespace gachapoko {

ClickPairing::ClickPairing(std::uint64_t intervalMilliseconds, int distance)
    : m_interval(intervalMilliseconds), m_distance(distance) {}

void ClickPairing::setRules(std::uint64_t intervalMilliseconds, int distance) {
    m_interval = intervalMilliseconds;
    m_distance = distance;
}

bool ClickPairing::pairsWithLast(const Press& press) const {
    if (!m_lastOpensPair || press.button != m_last.button) {
        return false;
    }
    // Timestamps only grow; one that goes back (a clock that wrapped) never pairs.
    if (press.timestamp < m_last.timestamp || press.timestamp - m_last.timestamp >= m_interval) {
        return false;
    }
    return std::abs(press.x - m_last.x) <= m_distance && std::abs(press.y - m_last.y) <= m_distance;
}

bool& ClickPairing::waiting(int button) {
    if (button >= 0 && button < ButtonSlots) {
        return m_waitingClick[button];
    }
    return m_overflowWaiting;
}

void ClickPairing::remember(const Press& press, bool opensPair) {
    m_last = press;
    m_lastOpensPair = opensPair;
}

ClickPairing::Raised ClickPairing::pressOnPicture(const Press& press) {
    Raised raised;
    bool& clickWaiting = waiting(press.button);
    if (clickWaiting) {
        // The release of this button's last press never reached us; its click still counts.
        raised.clicks = 1;
        clickWaiting = false;
    }
    if (pairsWithLast(press)) {
        raised.doubleClick = true;
        // A pair is complete: the next press starts afresh, so a quick run alternates.
        remember(press, false);
    } else {
        clickWaiting = true;
        remember(press, true);
    }
    return raised;
}

void ClickPairing::pressOnSite(const Press& press) {
    remember(press, !pairsWithLast(press));
}

ClickPairing::Raised ClickPairing::release(int button) {
    Raised raised;
    bool& clickWaiting = waiting(button);
    if (clickWaiting) {
        raised.clicks = 1;
        clickWaiting = false;
    }
    return raised;
}

void ClickPairing::forget() {
    m_lastOpensPair = false;
}

} // namespace gachapoko
