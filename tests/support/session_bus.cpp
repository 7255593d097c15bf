// A private session bus: dbus-daemon listening on a socket in the session's home.
#include "tests/support/session_bus.h"

#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace gachapoko::test {

namespace {

// The daemon makes its socket file a moment before it listens on it.
bool takesConnections(const std::filesystem::path& socket) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socket.string().copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool connected =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

} // namespace

SessionBus::~SessionBus() {
    if (m_daemon) {
        m_daemon->end();
        // What it activated is orphaned now, and this process adopts it.
        endLeftovers(m_before);
    }
}

std::string SessionBus::start(const Environment& environment) {
    const std::filesystem::path socket =
        std::filesystem::path(environment.get("HOME").value_or("/nonexistent")) / "bus";
    m_before = childProcesses();
    m_daemon = std::make_unique<Process>(
        "dbus-daemon",
        std::vector<std::string>{"--session", "--nofork", "--nopidfile",
                                 "--address=unix:path=" + socket.string()},
        environment);
    m_daemon->discardStandardOutput();
    m_daemon->discardStandardError();
    if (const std::string failure = m_daemon->start(); !failure.empty()) {
        m_daemon.reset();
        return failure;
    }
    if (!m_daemon->waitUntil([&socket] { return takesConnections(socket); }, 10s)) {
        return "dbus-daemon did not open " + socket.string();
    }
    m_address = "unix:path=" + socket.string();
    return {};
}

} // namespace gachapoko::test
