// The X display asked once before Qt starts, through libxcb, which unlike Xlib never ends the
// program: whether it takes the game at all, and which session bus dbus-launch announced there.
// A display that fails here is reported in the game's own line, so no fatal path of Qt's runs.
#pragma once

#include <optional>
#include <string>

namespace gachapoko {

struct DisplayCheck {
    // Why the window cannot open there (nobody serves it, it refuses the game or drops it);
    // empty where it took the game.
    std::string failure;
    // The address held by the owner of the selection `busSelection`, where there is one.
    std::optional<std::string> sessionBus;
};

DisplayCheck checkDisplay(const std::string& display, const std::string& busSelection);

} // namespace gachapoko
