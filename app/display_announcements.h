// What an X display announces about the buses of the user's session, read the way libdbus and
// Qt read it: the address of a bus that dbus-launch autolaunched for the display (held in a
// property of the owner of an X selection named after the user and the machine) and the
// accessibility bus in the root window's AT_SPI_BUS. Reading starts nothing and writes nothing,
// not even a new atom on the server.
#pragma once

#include <optional>
#include <string>

namespace gachapoko {

struct DisplayAnnouncements {
    std::optional<std::string> sessionBus;
    std::optional<std::string> accessibilityBus;
    // Why the display refused the game or dropped it while asked, for a line of the game's own;
    // empty otherwise (a display that nobody serves is left for Qt to report).
    std::string failure;
};

// Asks `display`; the session bus only where `userName` and `machineId` are known.
DisplayAnnouncements readDisplayAnnouncements(const std::string& display,
                                              const std::string& userName,
                                              const std::string& machineId);

} // namespace gachapoko
