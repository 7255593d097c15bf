// An X server that accepts one client, completes the connection set-up and then drops it: what
// a client meets when the server goes away (or a hostile client kills its connection) while it
// is asking its first questions. It listens on TCP at 127.0.0.1, so it needs no socket file.
#pragma once

#include <string>
#include <thread>

namespace gachapoko::test {

class DroppingXServer {
public:
    DroppingXServer();
    DroppingXServer(const DroppingXServer&) = delete;
    DroppingXServer& operator=(const DroppingXServer&) = delete;
    ~DroppingXServer();

    // "127.0.0.1:N"; empty where no port could be had.
    const std::string& display() const { return m_display; }

private:
    void serveOnce();

    int m_listener = -1;
    std::string m_display;
    std::thread m_thread;
};

} // namespace gachapoko::test
