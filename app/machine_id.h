// The D-Bus machine id, which names the X selection of a bus autolaunched for the display.
#pragma once

#include <string>

namespace gachapoko {

// The id in the file at `path`, read as libdbus reads it (white space around it allowed, 32 hex
// digits, written back in lower case); empty when there is none. The file is read without
// blocking (a pipe gives nothing) and only as far as an id could reach (a device that never
// ends gives nothing either).
std::string readMachineId(const std::string& path);

// The id from /var/lib/dbus/machine-id, else /etc/machine-id: libdbus's order.
std::string machineId();

} // namespace gachapoko
