// A D-Bus session bus of the tests' own (dbus-daemon --session), in a home of its own, so that
// nothing reaches the desktop's buses; the services it activates (at-spi2-core's accessibility
// bus launcher and registry) end with it.
#pragma once

#include "tests/support/process.h"

#include <memory>
#include <string>

namespace gachapoko::test {

class SessionBus {
public:
    SessionBus() = default;
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;
    // Ends the daemon and everything it activated.
    ~SessionBus();

    // Starts the daemon with `environment` (which its activated services inherit). An empty
    // string, or why it could not be started.
    std::string start(const Environment& environment);
    const std::string& address() const { return m_address; }

private:
    std::unique_ptr<Process> m_daemon;
    std::set<pid_t> m_before;
    std::string m_address;
};

} // namespace gachapoko::test
