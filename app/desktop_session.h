// What the game sets in its own environment before Qt starts, on a desktop that may lack parts
// of a full session or be hostile: it starts no program or bus because of what it reads, and
// leaves nothing behind. The session bus is the environment's, else the one libdbus would find
// (the runtime directory's, then one autolaunched for the X display) if it answers, else none;
// an accessibility bus that would start something is set aside; Qt is lent a fit runtime
// directory for its one look at start.
#pragma once

#include "app/display_announcements.h"

#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gachapoko {

// What the start-up asks of its desktop: the system in the game (session_lookups.h), a table of
// values in the tests.
struct SessionLookups {
    std::function<std::optional<std::string>(const char* name)> environment;
    // The user the directories and buses must belong to.
    unsigned uid = 0;
    // Where the login manager keeps the user's runtime directory (/run/user/<uid>).
    std::string userRuntimeDir;
    // Asked at most once, and only when a bus or the display's announcement is needed.
    std::function<DisplayAnnouncements()> display;
    // Whether a bus the game found itself is the user's and answers in time.
    std::function<bool(const std::string& address)> busAnswers;
};

// The runtime directory lent to Qt for its start: an existing private directory, or where none
// exists a private temporary one made in `temporaryIn` and removed right after.
struct RuntimeDirLoan {
    std::string existing;
    std::string temporaryIn;

    bool operator==(const RuntimeDirLoan&) const = default;
};

class DesktopSession {
public:
    // Variables to set for the whole run; nothing as a value unsets the variable.
    using Changes = std::map<std::string, std::optional<std::string>>;

    explicit DesktopSession(const SessionLookups& lookups);

    const Changes& changes() const { return m_changes; }
    // Nothing where the environment's own runtime directory is fit.
    const std::optional<RuntimeDirLoan>& runtimeDirLoan() const { return m_loan; }
    // One line for each value set aside, saying which and why.
    const std::vector<std::string>& warnings() const { return m_warnings; }
    // Why the X display that Qt is to use refused the game or dropped it; empty otherwise.
    const std::string& displayFailure() const { return m_displayFailure; }

private:
    void decideRuntimeDir(const SessionLookups& lookups);
    void decideSessionBus(const SessionLookups& lookups);
    void decideAccessibilityBus(const SessionLookups& lookups);
    const DisplayAnnouncements& announcements(const SessionLookups& lookups);
    void setAside(const std::string& what, const std::string& why);

    Changes m_changes;
    std::optional<RuntimeDirLoan> m_loan;
    std::vector<std::string> m_warnings;
    std::string m_displayFailure;
    std::vector<std::string> m_fitRuntimeDirs;
    bool m_busInUse = true;
    std::optional<DisplayAnnouncements> m_announcements;
};

// Holds the session's settings for Qt's start: sets the changes, lends the runtime directory
// (making a temporary one where needed); when it goes, XDG_RUNTIME_DIR is as it was and the
// temporary directory is gone.
class SessionForStart {
public:
    explicit SessionForStart(const DesktopSession& session);
    SessionForStart(const SessionForStart&) = delete;
    SessionForStart& operator=(const SessionForStart&) = delete;
    ~SessionForStart();

private:
    bool m_lent = false;
    std::optional<std::string> m_runtimeDirBefore;
    std::unique_ptr<QTemporaryDir> m_temporary;
};

} // namespace gachapoko
