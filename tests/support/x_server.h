// A private X server (Xvfb) for the tests that run the game on a real display.
#pragma once

#include "tests/support/process.h"

#include <memory>
#include <string>

namespace gachapoko::test {

class XServer {
public:
    struct Options {
        // Accept only clients that present the cookie in this authority file (Xvfb -auth); an
        // empty path accepts every local client.
        std::filesystem::path authorityFile;
    };

    XServer() = default;
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    ~XServer();

    // Starts Xvfb on a free display with one 1024x768 screen and waits until it takes
    // connections. An empty string, or why no server could be started.
    std::string start(const Options& options);
    std::string start() { return start(Options{}); }

    // ":N", once started.
    const std::string& display() const { return m_display; }

private:
    std::unique_ptr<Process> m_server;
    std::string m_display;
};

} // namespace gachapoko::test
