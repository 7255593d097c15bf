// A private X server (Xvfb) for the tests that play the game through real X input.
#pragma once

#include <string>
#include <sys/types.h>

namespace gachapoko::test {

class XServer {
public:
    XServer() = default;
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    ~XServer();

    // Starts Xvfb on a free display and waits until it takes connections. Gives an empty string
    // on success, otherwise why no server could be started.
    std::string start();

    // ":N", valid after a successful start.
    const std::string& display() const { return m_display; }
    pid_t pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
    std::string m_display;
};

} // namespace gachapoko::test
