// A bound unix socket that nobody ever reads from.
#include "tests/support/silent_bus.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace gachapoko::test {

SilentBus::SilentBus(const std::string& path, bool listening) : m_address("unix:path=" + path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    m_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    if (listening) {
        listen(m_fd, 16);
    }
}

SilentBus::~SilentBus() {
    close(m_fd);
}

} // namespace gachapoko::test
