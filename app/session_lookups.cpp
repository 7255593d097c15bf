// Looking at the file system, a bus's socket and the X display for the start-up.
#include "app/session_lookups.h"

#include "app/dbus_address.h"
#include "app/display_announcements.h"
#include "app/machine_id.h"
#include "platform/platform.h"

#include <cstdlib>

#if GACHAPOKO_FREEDESKTOP
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace gachapoko {

std::optional<std::string> environmentVariable(const char* name) {
    if (const char* value = std::getenv(name)) {
        return std::string(value);
    }
    return std::nullopt;
}

#if GACHAPOKO_FREEDESKTOP

namespace {

using Clock = std::chrono::steady_clock;

// A socket connected to the unix path or abstract name of `entry`; -1 where there is none.
int connectTo(const BusAddressEntry& entry) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const auto path = entry.value("path");
    const auto abstract = entry.value("abstract");
    const std::string name = path ? *path : abstract ? std::string(1, '\0') + *abstract : "";
    if (entry.transport != "unix" || name.size() <= 1 || name.size() >= sizeof address.sun_path) {
        return -1;
    }
    name.copy(address.sun_path, name.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const auto length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size() + (path ? 1 : 0));
    if (fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool isUsers(int fd, unsigned uid) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           static_cast<unsigned>(peer.uid) == uid;
}

// Offers the EXTERNAL authentication that libdbus begins with and waits for any reply line.
bool answersWithin(int fd, unsigned uid, Clock::time_point deadline) {
    // The user id in decimal, each digit as the hex of its ASCII code.
    std::string hello(1, '\0');
    hello += "AUTH EXTERNAL ";
    for (const char digit : std::to_string(uid)) {
        hello += '3';
        hello += digit;
    }
    hello += "\r\n";
    if (send(fd, hello.data(), hello.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(hello.size())) {
        return false;
    }
    std::string reply;
    while (reply.find("\r\n") == std::string::npos && reply.size() < 512) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd readable{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) != 1) {
            return false;
        }
        char buffer[256];
        const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0) {
            return false;
        }
        reply.append(buffer, static_cast<std::size_t>(got));
    }
    return reply.find("\r\n") != std::string::npos;
}

} // namespace

bool isPrivateDirectory(const std::string& path, unsigned uid) {
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == uid &&
           (status.st_mode & 07777) == 0700;
}

bool busAnswers(const std::string& address, unsigned uid, std::chrono::milliseconds patience) {
    const auto entries = parseBusAddress(address);
    if (!entries || entries->size() != 1) {
        return false;
    }
    const int fd = connectTo(entries->front());
    if (fd < 0) {
        return false;
    }
    const bool answers = isUsers(fd, uid) && answersWithin(fd, uid, Clock::now() + patience);
    close(fd);
    return answers;
}

SessionLookups currentSessionLookups() {
    const auto uid = static_cast<unsigned>(geteuid());
    SessionLookups lookups;
    lookups.environment = environmentVariable;
    lookups.uid = uid;
    lookups.userRuntimeDir = "/run/user/" + std::to_string(uid);
    lookups.display = [uid] {
        const auto display = environmentVariable("DISPLAY");
        if (!display || display->empty()) {
            return DisplayAnnouncements{};
        }
        const passwd* user = getpwuid(static_cast<uid_t>(uid));
        return readDisplayAnnouncements(*display, user != nullptr ? user->pw_name : "",
                                        machineId());
    };
    lookups.busAnswers = [uid](const std::string& address) {
        return busAnswers(address, uid, std::chrono::milliseconds(1000));
    };
    return lookups;
}

#else

bool isPrivateDirectory(const std::string&, unsigned) {
    return false;
}

bool busAnswers(const std::string&, unsigned, std::chrono::milliseconds) {
    return false;
}

SessionLookups currentSessionLookups() {
    return {environmentVariable,
            0,
            {},
            [] { return DisplayAnnouncements{}; },
            [](const std::string&) { return false; }};
}

#endif

} // namespace gachapoko
