// What the game sets in its own environment before Qt starts, so that it leaves nothing behind
// on a desktop that lacks parts of a full session (a bare X session, a build server, a kiosk):
//
// - The session bus. Without DBUS_SESSION_BUS_ADDRESS, libdbus would autolaunch a bus of its own
//   through dbus-launch (package dbus-x11) when Qt first asks for one, leaving a dbus-daemon
//   running and a file under ~/.dbus after the game has ended. The game uses the session's bus
//   where there is one, found where libdbus would find it when the variable is missing (the
//   socket in the runtime directory, or a bus already autolaunched for the X display, as a screen
//   reader in a bare X session would have done), and otherwise does without one.
// - The runtime directory. At start Qt looks for a Flatpak marker in XDG_RUNTIME_DIR, and where
//   that is unset or unusable it creates $TMPDIR/runtime-<user> for the look. The game lends Qt
//   an existing private directory for start-up instead, and restores the variable afterwards.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace gachapoko {

class DesktopSession {
public:
    using Lookup = std::function<std::optional<std::string>(const char* name)>;
    // The address of a bus already autolaunched for the X display, if any.
    using DisplayBus = std::function<std::optional<std::string>()>;

    // Decides from the variables `environment` gives and the file system (read only, never
    // written) what to set. `uid` is the user the directories and the bus must belong to;
    // `userRuntimeDir` is where the login manager keeps the user's runtime directory
    // (/run/user/<uid>), used when the environment names none. `displayBus` is asked only when
    // no other bus is found.
    DesktopSession(const Lookup& environment, unsigned uid, const std::string& userRuntimeDir,
                   const DisplayBus& displayBus);

    // The session bus address to set, or nothing when the environment already names one.
    // "disabled:" where there is no bus: an address libdbus refuses without starting anything.
    const std::optional<std::string>& busAddress() const { return m_busAddress; }

    // The directory to lend Qt as XDG_RUNTIME_DIR while it starts, or nothing when the
    // environment's own is fit for it (or no private directory exists to lend).
    const std::optional<std::string>& startupRuntimeDir() const { return m_startupRuntimeDir; }

    // Sets the variables for Qt's start; `startupDone` puts the runtime directory back as it was.
    void applyForStartup() const;
    void startupDone() const;

    // A directory Qt accepts as the runtime directory without changing it: a real directory
    // (not a link) owned by `uid`, with mode 0700 exactly.
    static bool isPrivateDirectory(const std::string& path, unsigned uid);

private:
    std::optional<std::string> m_busAddress;
    std::optional<std::string> m_startupRuntimeDir;
    std::optional<std::string> m_originalRuntimeDir;
};

// A variable of this process's environment; nothing when it is unset.
std::optional<std::string> environmentVariable(const char* name);

// The session plan for this process: its environment and its effective user.
DesktopSession currentDesktopSession();

} // namespace gachapoko
