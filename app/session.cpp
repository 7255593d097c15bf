// Deciding the session bus and Qt's runtime directory, and lending that directory.
#include "app/session.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cctype>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gachapoko {

namespace {

constexpr const char* StartsSomething =
    "it would start a program or a bus (autolaunch:, unixexec:)";

// The ;-separated entries of a D-Bus address.
std::vector<std::string_view> entriesOf(std::string_view address) {
    std::vector<std::string_view> entries;
    for (std::size_t from = 0, end = 0; from <= address.size(); from = end + 1) {
        end = std::min(address.find(';', from), address.size());
        entries.push_back(address.substr(from, end - from));
    }
    return entries;
}

// Qt decodes paths as UTF-8; a path that does not come back the same names another directory.
bool survivesUtf8(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())).toStdString() ==
           path;
}

// The file at `path` itself, never what a link there points to.
std::optional<struct stat> statusOf(const std::string& path) {
    struct stat status {};
    if (path.empty() || path.front() != '/' || lstat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return status;
}

// A directory where no other user can rename, remove or replace what the game makes: the user's
// or root's, and writable by nobody else unless sticky (as /tmp is).
bool isSafeParent(const std::string& path, unsigned uid) {
    const auto status = statusOf(path);
    return status && survivesUtf8(path) && S_ISDIR(status->st_mode) &&
           (status->st_uid == uid || status->st_uid == 0) &&
           ((status->st_mode & (S_IWGRP | S_IWOTH)) == 0 || (status->st_mode & S_ISVTX) != 0);
}

// The signal handler's copy of the temporary directory's path; empty when none is lent.
char g_temporary[4096] = {};
constexpr std::array<int, 3> EndingSignals = {SIGTERM, SIGINT, SIGHUP};
std::array<struct sigaction, 3> g_previous{};

// Async-signal-safe: the directory goes, and the signal ends the program as it would have.
void removeAndEnd(int signal) {
    rmdir(g_temporary);
    raise(signal); // taken with the default action set back, once this returns
}

void catchEndingSignals(bool catching) {
    struct sigaction ours {};
    ours.sa_handler = &removeAndEnd;
    ours.sa_flags = SA_RESETHAND;
    sigfillset(&ours.sa_mask);
    for (std::size_t i = 0; i < EndingSignals.size(); ++i) {
        if (catching) {
            sigaction(EndingSignals[i], nullptr, &g_previous[i]);
        }
        if (g_previous[i].sa_handler != SIG_IGN) { // one ignored (under nohup, say) stays so
            sigaction(EndingSignals[i], catching ? &ours : &g_previous[i], nullptr);
        }
    }
}

} // namespace

bool startsSomething(std::string_view address) {
    return std::ranges::any_of(entriesOf(address), [](std::string_view entry) {
        const std::string_view transport = entry.substr(0, entry.find(':'));
        return transport == "autolaunch" || transport == "unixexec";
    });
}

std::string escapeBusValue(std::string_view value) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string escaped;
    for (const char c : value) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0 || std::strchr("-_/.\\*", c)) {
            escaped += c;
        } else {
            escaped += {'%', Hex[(c >> 4) & 0xf], Hex[c & 0xf]};
        }
    }
    return escaped;
}

std::optional<std::string> chooseSessionBus(const SessionLookups& lookups,
                                            std::vector<std::string>& warnings) {
    const std::string given = lookups.variable("DBUS_SESSION_BUS_ADDRESS");
    if (!given.empty()) {
        if (!startsSomething(given)) {
            return std::nullopt;
        }
        warnings.push_back(std::string("ignoring DBUS_SESSION_BUS_ADDRESS: ") + StartsSomething);
    }
    // Where libdbus looks next: the runtime directory's bus, then one announced on the display.
    for (const std::string& dir : {lookups.variable("XDG_RUNTIME_DIR"), lookups.userRuntimeDir}) {
        const auto status = statusOf(dir + "/bus");
        if (status && S_ISSOCK(status->st_mode) && status->st_uid == lookups.uid) {
            return "unix:path=" + escapeBusValue(dir + "/bus");
        }
    }
    if (lookups.displayBus) {
        // setenv would end the address at a NUL, and an empty one makes libdbus autolaunch.
        const std::string announced = lookups.displayBus->substr(0, lookups.displayBus->find('\0'));
        const std::string what = "ignoring the session bus announced on the display: ";
        std::string local; // only a bus on this machine can be the user's own
        for (const std::string_view entry : entriesOf(announced)) {
            if (entry.starts_with("unix:")) {
                local += (local.empty() ? "" : ";") + std::string(entry);
            }
        }
        if (!local.empty() && !startsSomething(announced)) {
            return local;
        }
        warnings.push_back(what + (startsSomething(announced) ? StartsSomething
                                                              : "it names no bus on this machine"));
    }
    return "disabled:"; // which libdbus refuses without starting anything
}

std::string readMachineId(const std::string& path) {
    constexpr std::size_t MostBytes = 256; // an id with generous white space around it
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return {};
    }
    std::array<char, MostBytes + 1> buffer{};
    std::size_t size = 0;
    ssize_t got = 0;
    while (size < buffer.size() &&
           (got = read(fd, buffer.data() + size, buffer.size() - size)) > 0) {
        size += static_cast<std::size_t>(got);
    }
    close(fd);
    if (got < 0 || size > MostBytes) { // a pipe with nothing in it yet, or anything longer
        return {};
    }
    const std::string_view contents(buffer.data(), size);
    const std::size_t first = contents.find_first_not_of(" \t\r\n");
    std::string id(first == contents.npos ? "" : contents.substr(first));
    id.erase(id.find_last_not_of(" \t\r\n") + 1);
    if (id.size() != 32 || id.find_first_not_of("0123456789abcdefABCDEF") != id.npos) {
        return {};
    }
    std::ranges::transform(id, id.begin(), [](char c) { return std::tolower(c); });
    return id;
}

std::string busSelectionName(unsigned uid) {
    const passwd* user = getpwuid(static_cast<uid_t>(uid));
    std::string id = readMachineId("/var/lib/dbus/machine-id"); // libdbus's order
    if (id.empty()) {
        id = readMachineId("/etc/machine-id");
    }
    if (user == nullptr || id.empty()) {
        return {};
    }
    return "_DBUS_SESSION_BUS_SELECTION_" + std::string(user->pw_name) + "_" + id;
}

bool isFitRuntimeDir(const std::string& path, unsigned uid) {
    const auto status = statusOf(path);
    return status && survivesUtf8(path) && S_ISDIR(status->st_mode) && status->st_uid == uid &&
           (status->st_mode & 07777) == 0700;
}

RuntimeDirChoice chooseRuntimeDir(const SessionLookups& lookups) {
    if (isFitRuntimeDir(lookups.variable("XDG_RUNTIME_DIR"), lookups.uid)) {
        return {};
    }
    if (isFitRuntimeDir(lookups.userRuntimeDir, lookups.uid)) {
        return {lookups.userRuntimeDir, {}};
    }
    for (const std::string& parent : {lookups.variable("TMPDIR"), std::string("/tmp")}) {
        if (isSafeParent(parent, lookups.uid)) {
            return {{}, parent};
        }
    }
    return {};
}

RuntimeDirLoan::RuntimeDirLoan(const RuntimeDirChoice& choice) {
    std::string lent = choice.existing;
    const std::string pattern = choice.temporaryIn + "/gachapoko-XXXXXX";
    if (lent.empty() && !choice.temporaryIn.empty() && pattern.size() < sizeof g_temporary) {
        catchEndingSignals(true);
        std::memcpy(g_temporary, pattern.c_str(), pattern.size() + 1);
        if (mkdtemp(g_temporary) != nullptr) {
            lent = g_temporary;
        } else {
            g_temporary[0] = '\0';
            catchEndingSignals(false);
        }
    }
    if (lent.empty()) {
        return;
    }
    if (const char* before = std::getenv("XDG_RUNTIME_DIR")) {
        m_before = before;
    }
    setenv("XDG_RUNTIME_DIR", lent.c_str(), 1);
    m_lent = true;
}

RuntimeDirLoan::~RuntimeDirLoan() {
    if (!m_lent) {
        return;
    }
    m_before ? setenv("XDG_RUNTIME_DIR", m_before->c_str(), 1) : unsetenv("XDG_RUNTIME_DIR");
    // Qt only looked at it: it is empty, and never removed with what might be in it.
    if (g_temporary[0] != '\0') {
        rmdir(g_temporary);
        catchEndingSignals(false);
        g_temporary[0] = '\0';
    }
}

} // namespace gachapoko
