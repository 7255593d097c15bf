// Real key presses and the repeats of held keys.
#include "ui/held_keys.h"

namespace gachapoko {

bool HeldKeys::press(int key, std::uint64_t timestamp, bool autoRepeat) {
    KeyState& state = m_keys[key];
    const bool wasDown = state.down;
    state.down = true;
    if (autoRepeat || wasDown) {
        return false;
    }
    if (state.released && timestamp != 0 && state.releasedAt != 0) {
        const std::uint64_t apart = timestamp >= state.releasedAt ? timestamp - state.releasedAt
                                                                  : state.releasedAt - timestamp;
        if (apart <= RepeatPairMilliseconds) {
            return false;
        }
    }
    return true;
}

void HeldKeys::release(int key, std::uint64_t timestamp, bool autoRepeat) {
    if (autoRepeat) {
        return;
    }
    KeyState& state = m_keys[key];
    state.down = false;
    state.released = true;
    state.releasedAt = timestamp;
}

void HeldKeys::forget() {
    m_keys.clear();
}

} // namespace gachapoko
