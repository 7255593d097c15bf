// The session bus and the runtime directory the game gives Qt at start.
#include "app/desktop_session.h"

#include "app/display_bus.h"

#include <cstdlib>
#include <vector>

#if defined(__unix__) && !defined(__APPLE__)
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#define GACHAPOKO_FREEDESKTOP_SESSION 1
#endif

namespace gachapoko {

namespace {

std::optional<std::string> nonEmpty(std::optional<std::string> value) {
    return value && !value->empty() ? value : std::nullopt;
}

// The socket libdbus itself would use when DBUS_SESSION_BUS_ADDRESS is missing: "bus" in the
// runtime directory, a socket of the user's own.
[[maybe_unused]] bool isUsersBusSocket(const std::string& path, unsigned uid) {
#ifdef GACHAPOKO_FREEDESKTOP_SESSION
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode) && status.st_uid == uid;
#else
    (void)path;
    (void)uid;
    return false;
#endif
}

void setOrUnset(const char* name, const std::optional<std::string>& value) {
#ifdef GACHAPOKO_FREEDESKTOP_SESSION
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
#else
    (void)name;
    (void)value;
#endif
}

} // namespace

DesktopSession::DesktopSession([[maybe_unused]] const Lookup& environment,
                               [[maybe_unused]] unsigned uid,
                               [[maybe_unused]] const std::string& userRuntimeDir,
                               [[maybe_unused]] const DisplayBus& displayBus) {
#ifdef GACHAPOKO_FREEDESKTOP_SESSION
    m_originalRuntimeDir = nonEmpty(environment("XDG_RUNTIME_DIR"));
    const bool ownIsPrivate =
        m_originalRuntimeDir && isPrivateDirectory(*m_originalRuntimeDir, uid);

    // The runtime directories where a session would keep its bus: the environment's own, and the
    // one the login manager makes for the user.
    std::vector<std::string> runtimeDirs;
    if (ownIsPrivate) {
        runtimeDirs.push_back(*m_originalRuntimeDir);
    }
    if (isPrivateDirectory(userRuntimeDir, uid)) {
        runtimeDirs.push_back(userRuntimeDir);
    }

    if (!nonEmpty(environment("DBUS_SESSION_BUS_ADDRESS"))) {
        for (const std::string& dir : runtimeDirs) {
            if (isUsersBusSocket(dir + "/bus", uid)) {
                m_busAddress = "unix:path=" + dir + "/bus";
                break;
            }
        }
        if (!m_busAddress) {
            m_busAddress = displayBus();
        }
        if (!m_busAddress) {
            m_busAddress = "disabled:";
        }
    }

    if (!ownIsPrivate) {
        if (isPrivateDirectory(userRuntimeDir, uid)) {
            m_startupRuntimeDir = userRuntimeDir;
        } else if (const auto home = nonEmpty(environment("HOME"));
                   home && isPrivateDirectory(*home, uid)) {
            // Qt only looks into it (for a file "flatpak-info" that is not there).
            m_startupRuntimeDir = *home;
        }
    }
#endif
}

void DesktopSession::applyForStartup() const {
    if (m_busAddress) {
        setOrUnset("DBUS_SESSION_BUS_ADDRESS", m_busAddress);
    }
    if (m_startupRuntimeDir) {
        setOrUnset("XDG_RUNTIME_DIR", m_startupRuntimeDir);
    }
}

void DesktopSession::startupDone() const {
    if (m_startupRuntimeDir) {
        setOrUnset("XDG_RUNTIME_DIR", m_originalRuntimeDir);
    }
}

bool DesktopSession::isPrivateDirectory([[maybe_unused]] const std::string& path,
                                        [[maybe_unused]] unsigned uid) {
#ifdef GACHAPOKO_FREEDESKTOP_SESSION
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == uid &&
           (status.st_mode & 07777) == 0700;
#else
    return false;
#endif
}

std::optional<std::string> environmentVariable(const char* name) {
    if (const char* value = std::getenv(name)) {
        return std::string(value);
    }
    return std::nullopt;
}

DesktopSession currentDesktopSession() {
    const DesktopSession::Lookup lookup = environmentVariable;
#ifdef GACHAPOKO_FREEDESKTOP_SESSION
    const auto uid = static_cast<unsigned>(geteuid());
    const auto displayBus = [&]() -> std::optional<std::string> {
        const auto display = lookup("DISPLAY");
        const passwd* user = getpwuid(static_cast<uid_t>(uid));
        if (!display || user == nullptr) {
            return std::nullopt;
        }
        return autolaunchedBusOfDisplay(*display, user->pw_name, machineId());
    };
    return DesktopSession(lookup, uid, "/run/user/" + std::to_string(uid), displayBus);
#else
    return DesktopSession(lookup, 0, {}, [] { return std::nullopt; });
#endif
}

} // namespace gachapoko
