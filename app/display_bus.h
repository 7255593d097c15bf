// The session bus that dbus-launch autolaunched for an X display, found the way libdbus itself
// finds it: the owner of an X selection named after the user and the machine holds the bus's
// address in a window property. Looking it up starts nothing and writes nothing, not even a new
// atom on the server.
#pragma once

#include <optional>
#include <string>

namespace gachapoko {

// The address of the bus autolaunched for `display` by `userName` on the machine `machineId`;
// nothing when there is none, or the display cannot be reached.
std::optional<std::string> autolaunchedBusOfDisplay(const std::string& display,
                                                    const std::string& userName,
                                                    const std::string& machineId);

// The D-Bus machine id (/etc/machine-id, or /var/lib/dbus/machine-id), empty if there is none.
std::string machineId();

} // namespace gachapoko
