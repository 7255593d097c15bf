// What the game settles in its desktop session before Qt starts: the session bus libdbus is to
// use and the runtime directory Qt looks at once. The session belongs to the user who starts the
// game, so its values are trusted, but for the two bus transports that start a program or a bus
// (autolaunch:, unixexec:); what another user may place in a shared directory is never followed,
// read or removed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gachapoko {

// What the decisions look at beside the file system: the real session in the game, a table in
// the tests.
struct SessionLookups {
    // A variable of the environment; empty where it is unset.
    std::function<std::string(const char* name)> variable;
    // The user whose directories and sockets count.
    unsigned uid = 0;
    // Where the login manager keeps the user's runtime directory (/run/user/<uid>).
    std::string userRuntimeDir;
    // The bus dbus-launch announced on the X display, if it was asked.
    std::optional<std::string> displayBus;
};

// Whether one of the ;-separated entries of a D-Bus address has a transport that starts
// something of its own when libdbus connects.
bool startsSomething(std::string_view address);
// `value` escaped as a value in a D-Bus address: every byte outside [-0-9A-Za-z_/.\*] as %XX.
std::string escapeBusValue(std::string_view value);

// The session bus address to set for the run, with a line for each address set aside; nothing
// where the environment's own is used as it is.
std::optional<std::string> chooseSessionBus(const SessionLookups& lookups,
                                            std::vector<std::string>& warnings);

// The D-Bus machine id in the file at `path` (32 hex digits, white space around them allowed,
// written back in lower case), read without blocking and at most 256 bytes; empty where none.
std::string readMachineId(const std::string& path);
// The name of the X selection whose owner holds the address of a bus dbus-launch started for the
// display; empty where the user's name or the machine id is unknown.
std::string busSelectionName(unsigned uid);

// Where Qt's runtime directory comes from for its start: an existing fit directory, else a
// private one made for the start in `temporaryIn`. Both are empty where the environment's own is
// fit, or nowhere is safe from other users (Qt then does as it likes).
struct RuntimeDirChoice {
    std::string existing;
    std::string temporaryIn;

    bool operator==(const RuntimeDirChoice&) const = default;
};
RuntimeDirChoice chooseRuntimeDir(const SessionLookups& lookups);

// Qt accepts it as its runtime directory as it is: a real directory (no link) of `uid`'s, of
// mode 0700, named in bytes that survive UTF-8.
bool isFitRuntimeDir(const std::string& path, unsigned uid);

// XDG_RUNTIME_DIR names the chosen directory while it lives, and is as it was afterwards; a
// temporary directory is made (mode 0700) and then removed with rmdir alone, even when SIGTERM,
// SIGINT or SIGHUP ends the program meanwhile.
class RuntimeDirLoan {
public:
    explicit RuntimeDirLoan(const RuntimeDirChoice& choice);
    RuntimeDirLoan(const RuntimeDirLoan&) = delete;
    RuntimeDirLoan& operator=(const RuntimeDirLoan&) = delete;
    ~RuntimeDirLoan();

private:
    bool m_lent = false;
    std::optional<std::string> m_before;
};

} // namespace gachapoko
