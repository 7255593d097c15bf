// Tells a real press of a key from the repeats of a key held down. A held key repeats in one of
// two ways: as presses the toolkit marks as auto-repeat, or, when the toolkit fails to recognise
// the repeat (under X it looks for the next event, which on a busy machine has not arrived yet),
// as release and press pairs that the X server stamps with one and the same time. A person
// cannot let a key up and press it again within a few milliseconds, so such a pair is a repeat.
#pragma once

#include <cstdint>
#include <map>

namespace gachapoko {

class HeldKeys {
public:
    // A release and a press of the same key at most this far apart are one key held down.
    static constexpr std::uint64_t RepeatPairMilliseconds = 20;

    // A press of `key` (any number naming it) at `timestamp` milliseconds. True only for a real
    // press: the key was up, and it was not let up just before in a repeat's release. A time of
    // 0 means the event carries no time; such a press is real unless it is marked as a repeat.
    bool press(int key, std::uint64_t timestamp, bool autoRepeat);
    // A release of `key`. One marked as auto-repeat leaves the key down.
    void release(int key, std::uint64_t timestamp, bool autoRepeat);
    // The window lost the keyboard: whatever happens to the keys meanwhile is not seen, so
    // every key counts as up and the next press of it is real.
    void forget();

private:
    struct KeyState {
        bool down = false;
        bool released = false; // `releasedAt` holds the time of the last release
        std::uint64_t releasedAt = 0;
    };

    std::map<int, KeyState> m_keys;
};

} // namespace gachapoko
