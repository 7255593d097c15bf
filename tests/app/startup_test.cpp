// The real program where its window cannot open: one line of its own, status 1, and nothing left
// behind. Each display fails in its own way: none set, nobody serving it, a server that refuses
// the game, one that drops it, and a name holding control characters.
#include "tests/support/process.h"
#include "tests/support/suite.h"
#include "tests/support/x_server.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace gachapoko::test {
namespace {

// An X server that accepts clients, completes their connection set-up and then drops them: what
// a client meets when the server goes away (or a hostile client kills its connection) while it
// is asking its first questions. It listens on TCP at 127.0.0.1, so it needs no socket file.
class DroppingXServer {
public:
    DroppingXServer() {
        m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (bind(m_listener, reinterpret_cast<const sockaddr*>(&address), size) != 0 ||
            listen(m_listener, 4) != 0 ||
            getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
            ntohs(address.sin_port) <= 6000) {
            return;
        }
        // Display N listens on port 6000 + N.
        m_display = "127.0.0.1:" + std::to_string(ntohs(address.sin_port) - 6000);
        m_thread = std::thread([this] { serve(); });
    }
    DroppingXServer(const DroppingXServer&) = delete;
    DroppingXServer& operator=(const DroppingXServer&) = delete;
    ~DroppingXServer() {
        shutdown(m_listener, SHUT_RDWR);
        if (m_thread.joinable()) {
            m_thread.join();
        }
        close(m_listener);
    }

    // "127.0.0.1:N"; empty where no port could be had.
    const std::string& display() const { return m_display; }

private:
    // Completes each client's set-up and closes its connection, until the server goes.
    void serve() {
        // The destructor's shutdown ends the wait for a client.
        int client = -1;
        while ((client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
            // Each read gives up after ten seconds.
            const timeval patience{10, 0};
            setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
            const auto receive = [client](std::uint8_t* into, std::size_t size) {
                return recv(client, into, size, MSG_WAITALL) == static_cast<ssize_t>(size);
            };
            // The set-up request: byte order, protocol version, then the authorisation name and
            // data.
            std::uint8_t request[12];
            if (receive(request, sizeof request) && request[0] == 'l') {
                const auto field = [&](int at) { return request[at] | request[at + 1] << 8; };
                const auto padded = [](int length) { return (length + 3) / 4 * 4; };
                std::vector<std::uint8_t> authorisation(
                    static_cast<std::size_t>(padded(field(6)) + padded(field(8))));
                if (receive(authorisation.data(), authorisation.size())) {
                    // Success, protocol 11.0, then eight words describing a server with no
                    // screens: all zero but the largest request it takes, all libxcb reads
                    // before it asks.
                    std::uint8_t reply[40] = {1, 0, 11, 0, 0, 0, 8};
                    reply[26] = reply[27] = 0xff;
                    static_cast<void>(write(client, reply, sizeof reply));
                }
            }
            close(client);
        }
    }

    int m_listener = -1;
    std::string m_display;
    std::thread m_thread;
};

TEST(Startup, ADisplayThatCannotBeUsedGivesOneLineStatusOneAndLeavesNothing) {
    const TemporaryDirectory home;
    // A server that accepts only clients with its cookie (one Xauthority entry for any
    // display), and a client without one.
    const std::filesystem::path cookies = home.path() / "cookies";
    std::ofstream(cookies) << std::string("\xff\xff\0\0\0\0\0\x12", 8) << "MIT-MAGIC-COOKIE-1"
                           << std::string("\0\x10", 2) << std::string(16, 'c');
    XServer refusing;
    ASSERT_EQ(refusing.start({cookies}), "");
    DroppingXServer dropping;
    ASSERT_NE(dropping.display(), "");

    // No runtime directory: Qt is lent a temporary one in TMPDIR for its start.
    const Environment session = Environment::privateSession(home.path()).unset("XDG_RUNTIME_DIR");
    struct Program {
        const char* name;
        std::string display;
        const char* cause;
    };
    const Program cases[] = {
        {"no display at all", "", "no display to show the window on"},
        {"a display nobody serves", ":65000", "could not connect to display :65000"},
        {"a display that refuses the game", refusing.display(),
         "refused the connection (Authorization required"},
        {"a display that drops the game", dropping.display(), "closed the connection"},
        {"control characters in the display's name", ":65000\r\n\x1b]0;owned\x07",
         "display :65000\\x0d\\x0a\\x1b]0;owned\\x07"},
    };
    for (const Program& c : cases) {
        for (const char* bus : {"", "disabled:"}) {
            SCOPED_TRACE(std::string(c.name) + (*bus != '\0' ? ", a bus given" : ""));
            Environment environment = session;
            environment.set("DISPLAY", c.display).set("DBUS_SESSION_BUS_ADDRESS", bus);
            const Finished game = run(gameExecutable(), {}, environment, 30s);
            EXPECT_TRUE(game.problem.empty() && game.exited && game.exitCode == 1) << game.report();
            EXPECT_EQ(game.out, "");
            EXPECT_EQ(game.err.rfind("gachapoko: cannot open its window: ", 0), 0u) << game.err;
            EXPECT_NE(game.err.find(c.cause), std::string::npos) << game.err;
            // One line: its only control character the newline that ends it.
            const auto control = std::find_if(game.err.begin(), game.err.end(),
                                              [](unsigned char c) { return c < ' '; });
            EXPECT_EQ(std::string(control, game.err.end()), "\n") << "not one line: " << game.err;
            EXPECT_TRUE(std::filesystem::is_empty(home.path() / "tmp")) << "left in TMPDIR";
        }
    }
}

} // namespace
} // namespace gachapoko::test
