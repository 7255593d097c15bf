// Turns the presses of the mouse buttons over the picture area into clicks and double clicks:
// every press gives exactly one of them, the second press of a quick pair a double click at once,
// any other press a click when its button comes up again.
#pragma once

#include <cstdint>

namespace gachapoko {

class ClickPairing {
public:
    // One press of a mouse button: which button (any small number naming it), where (in one
    // coordinate system for the whole picture area, sites included) and when (milliseconds).
    struct Press {
        int button = 0;
        int x = 0;
        int y = 0;
        std::uint64_t timestamp = 0;
    };

    // What the picture area raises for one press or release: first a click that was still
    // waiting (only when a release went missing), then a click or a double click of its own.
    struct Raised {
        int clicks = 0;
        bool doubleClick = false;
        friend bool operator==(const Raised&, const Raised&) = default;
    };

    // Two presses of the same button pair up when the second comes less than
    // `intervalMilliseconds` after the first and no more than `distance` pixels away on either
    // axis.
    ClickPairing(std::uint64_t intervalMilliseconds, int distance);

    void setRules(std::uint64_t intervalMilliseconds, int distance);

    // A press over the picture area.
    Raised pressOnPicture(const Press& press);
    // A press taken by a site. It raises nothing here, but it may open a pair whose second press
    // lands on the picture area (the site's handler may have disabled every site meanwhile).
    void pressOnSite(const Press& press);
    // A button came up: the click of its press over the picture area, if it is still waiting.
    Raised release(int button);
    // A press somewhere else in the window: the next press here cannot be the second of a pair.
    void forget();

private:
    static constexpr int ButtonSlots = 8;

    bool pairsWithLast(const Press& press) const;
    bool& waiting(int button);
    // Remembers `press` as the first of a possible pair (or, after a pair, as no first at all).
    void remember(const Press& press, bool opensPair);

    std::uint64_t m_interval;
    int m_distance;
    Press m_last{};
    bool m_lastOpensPair = false;
    bool m_waitingClick[ButtonSlots] = {};
    bool m_overflowWaiting = false; // buttons beyond the slots share one flag
};

} // namespace gachapoko
