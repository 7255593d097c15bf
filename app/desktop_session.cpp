// Deciding the session bus, the accessibility bus and the runtime directory Qt starts with.
#include "app/desktop_session.h"

#include "app/dbus_address.h"
#include "app/session_lookups.h"

#include <QString>

namespace gachapoko {

namespace {

constexpr const char* NoBus = "disabled:";

std::optional<std::string> nonEmpty(std::optional<std::string> value) {
    return value && !value->empty() ? value : std::nullopt;
}

// Qt decodes paths as UTF-8; a path that does not come back the same would name another
// directory, which Qt would then create.
bool survivesUtf8(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())).toStdString() ==
           path;
}

bool isFitRuntimeDir(const std::string& path, unsigned uid) {
    return survivesUtf8(path) && isPrivateDirectory(path, uid);
}

bool onlyDisabled(const std::string& address) {
    const auto entries = parseBusAddress(address);
    for (const BusAddressEntry& entry : entries.value_or(std::vector<BusAddressEntry>{})) {
        if (entry.transport != "disabled") {
            return false;
        }
    }
    return entries.has_value();
}

} // namespace

DesktopSession::DesktopSession(const SessionLookups& lookups) {
    decideRuntimeDir(lookups);
    decideSessionBus(lookups);
    decideAccessibilityBus(lookups);
}

void DesktopSession::decideRuntimeDir(const SessionLookups& lookups) {
    const auto own = nonEmpty(lookups.environment("XDG_RUNTIME_DIR"));
    if (own && isFitRuntimeDir(*own, lookups.uid)) {
        m_fitRuntimeDirs.push_back(*own);
    }
    const bool ownIsFit = !m_fitRuntimeDirs.empty();
    if (isFitRuntimeDir(lookups.userRuntimeDir, lookups.uid)) {
        m_fitRuntimeDirs.push_back(lookups.userRuntimeDir);
    }
    if (ownIsFit) {
        return;
    }
    if (m_fitRuntimeDirs.empty()) {
        const auto temp = nonEmpty(lookups.environment("TMPDIR"));
        const bool tempIsFit = temp && temp->front() == '/' && survivesUtf8(*temp);
        m_loan = RuntimeDirLoan{{}, tempIsFit ? *temp : "/tmp"};
    } else {
        m_loan = RuntimeDirLoan{m_fitRuntimeDirs.front(), {}};
    }
}

void DesktopSession::decideSessionBus(const SessionLookups& lookups) {
    if (const auto given = nonEmpty(lookups.environment("DBUS_SESSION_BUS_ADDRESS"))) {
        const std::string problem = busAddressProblem(*given);
        if (problem.empty()) {
            m_busInUse = !onlyDisabled(*given);
            return;
        }
        setAside("DBUS_SESSION_BUS_ADDRESS", problem);
    }
    std::optional<std::string> found;
    for (const std::string& dir : m_fitRuntimeDirs) {
        const std::string address = "unix:path=" + escapeBusAddressValue(dir + "/bus");
        if (lookups.busAnswers(address)) {
            found = address;
            break;
        }
    }
    if (!found && nonEmpty(lookups.environment("DISPLAY"))) {
        if (const auto& announced = announcements(lookups).sessionBus) {
            const char* what = "the session bus announced on the display";
            const auto entries = parseBusAddress(*announced);
            if (const std::string problem = busAddressProblem(*announced); !problem.empty()) {
                setAside(what, problem);
            } else {
                // Only a bus on this machine can be the user's own; it is used alone, as asked.
                for (const BusAddressEntry& entry : *entries) {
                    const std::string address = busAddress(entry);
                    if (entry.transport == "unix" && lookups.busAnswers(address)) {
                        found = address;
                        break;
                    }
                }
                if (!found) {
                    setAside(what, "it is no bus of the user's that answers");
                }
            }
        }
    }
    m_changes["DBUS_SESSION_BUS_ADDRESS"] = found.value_or(NoBus);
    m_busInUse = found.has_value();
}

void DesktopSession::decideAccessibilityBus(const SessionLookups& lookups) {
    if (const auto given = nonEmpty(lookups.environment("AT_SPI_BUS_ADDRESS"))) {
        const std::string problem = busAddressProblem(*given);
        if (problem.empty()) {
            return; // Qt uses it and looks nowhere else
        }
        setAside("AT_SPI_BUS_ADDRESS", problem);
        m_changes["AT_SPI_BUS_ADDRESS"] = std::nullopt;
    }
    // With a session bus, Qt on X also reads the display's AT_SPI_BUS; only the variable, which
    // comes first, can keep it from an address that would start something.
    const auto platform = nonEmpty(lookups.environment("QT_QPA_PLATFORM"));
    const bool onX =
        nonEmpty(lookups.environment("DISPLAY")) && (!platform || platform->rfind("xcb", 0) == 0);
    if (!m_busInUse || !onX) {
        return;
    }
    if (const auto& announced = announcements(lookups).accessibilityBus;
        announced && !announced->empty()) {
        if (const std::string problem = busAddressProblem(*announced); !problem.empty()) {
            setAside("the accessibility bus announced on the display", problem);
            m_changes["AT_SPI_BUS_ADDRESS"] = NoBus;
        }
    }
}

const DisplayAnnouncements& DesktopSession::announcements(const SessionLookups& lookups) {
    if (!m_announcements) {
        m_announcements = lookups.display();
        const auto platform = nonEmpty(lookups.environment("QT_QPA_PLATFORM"));
        // A display that Qt is not going to use may refuse the game without harm.
        if (!platform || platform->rfind("xcb", 0) == 0) {
            m_displayFailure = m_announcements->failure;
        }
    }
    return *m_announcements;
}

void DesktopSession::setAside(const std::string& what, const std::string& why) {
    m_warnings.push_back("ignoring " + what + ": " + why);
}

SessionForStart::SessionForStart(const DesktopSession& session) {
    for (const auto& [name, value] : session.changes()) {
        if (value) {
            qputenv(name.c_str(), QByteArray::fromStdString(*value));
        } else {
            qunsetenv(name.c_str());
        }
    }
    const auto& loan = session.runtimeDirLoan();
    if (!loan) {
        return;
    }
    std::string lent = loan->existing;
    if (lent.empty()) {
        for (const std::string& parent : {loan->temporaryIn, std::string("/tmp")}) {
            auto made = std::make_unique<QTemporaryDir>(QString::fromStdString(parent) +
                                                        QStringLiteral("/gachapoko-XXXXXX"));
            if (made->isValid()) {
                lent = made->path().toStdString();
                m_temporary = std::move(made);
                break;
            }
        }
    }
    if (lent.empty()) {
        return;
    }
    m_runtimeDirBefore = environmentVariable("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(lent));
    m_lent = true;
}

SessionForStart::~SessionForStart() {
    if (m_lent) {
        if (m_runtimeDirBefore) {
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(*m_runtimeDirBefore));
        } else {
            qunsetenv("XDG_RUNTIME_DIR");
        }
    }
}

} // namespace gachapoko
