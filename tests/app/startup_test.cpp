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
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace gachapoko::test {
namespace {

// Little-endian fields, as a client that sent 'l' reads them.
struct Bytes {
    std::vector<std::uint8_t> bytes;

    Bytes& u8(std::uint8_t value) {
        bytes.push_back(value);
        return *this;
    }
    Bytes& u16(std::uint16_t value) { return u8(value & 0xff).u8(value >> 8); }
    Bytes& u32(std::uint32_t value) { return u16(value & 0xffff).u16(value >> 16); }
    Bytes& zeros(int count) {
        bytes.insert(bytes.end(), static_cast<std::size_t>(count), 0);
        return *this;
    }
};

std::vector<std::uint8_t> setupReply() {
    Bytes body;
    body.u32(1).u32(0x00200000).u32(0x001fffff).u32(0);    // release, resource ids, motion buffer
    body.u16(4).u16(0xffff).u8(1).u8(1);                   // vendor length, request size, counts
    body.u8(0).u8(0).u8(32).u8(32).u8(8).u8(255).zeros(4); // orders, pads, keycodes
    body.u8('f').u8('a').u8('k').u8('e');                  // vendor
    body.u8(24).u8(32).u8(32).zeros(5);                    // a pixmap format of depth 24
    body.u32(0x100).u32(0x20).u32(0xffffff).u32(0).u32(0); // the screen: root, colormap, pixels
    body.u16(1024).u16(768).u16(270).u16(203).u16(1).u16(1);
    body.u32(0x21).u8(0).u8(0).u8(24).u8(1); // root visual, stores, depth, depths
    body.u8(24).u8(0).u16(1).zeros(4);       // depth 24 with one visual
    body.u32(0x21).u8(4).u8(8).u16(256);     // a TrueColor visual
    body.u32(0xff0000).u32(0xff00).u32(0xff).zeros(4);
    Bytes reply;
    reply.u8(1).u8(0).u16(11).u16(0).u16(static_cast<std::uint16_t>(body.bytes.size() / 4));
    reply.bytes.insert(reply.bytes.end(), body.bytes.begin(), body.bytes.end());
    return reply.bytes;
}

// An X server that accepts one client, completes the connection set-up and then drops it: what
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
        m_thread = std::thread([this] { serveOnce(); });
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
    // The set-up reply of a small but complete X server (one 1024x768 screen of depth 24), then
    // nothing.
    void serveOnce() {
        pollfd waiting{m_listener, POLLIN, 0};
        const int client = poll(&waiting, 1, 30000) == 1
                               ? accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC)
                               : -1;
        if (client < 0) {
            return;
        }
        // Each read gives up after ten seconds.
        const timeval patience{10, 0};
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        const auto receive = [client](std::uint8_t* into, std::size_t size) {
            return recv(client, into, size, MSG_WAITALL) == static_cast<ssize_t>(size);
        };
        // The set-up request: byte order, protocol version, then the authorisation name and data.
        std::uint8_t request[12];
        if (receive(request, sizeof request) && request[0] == 'l') {
            const auto field = [&](int at) { return request[at] | request[at + 1] << 8; };
            const auto padded = [](int length) { return (length + 3) / 4 * 4; };
            std::vector<std::uint8_t> authorisation(
                static_cast<std::size_t>(padded(field(6)) + padded(field(8))));
            if (receive(authorisation.data(), authorisation.size())) {
                const std::vector<std::uint8_t> reply = setupReply();
                static_cast<void>(write(client, reply.data(), reply.size()));
            }
        }
        close(client);
        shutdown(m_listener, SHUT_RDWR);
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
    const std::string name = "MIT-MAGIC-COOKIE-1";
    std::ofstream(cookies) << std::string("\xff\xff\0\0\0\0\0\x12", 8) << name
                           << std::string("\0\x10", 2) << std::string(16, 'c');
    XServer refusing;
    ASSERT_EQ(refusing.start({cookies}), "");

    // No runtime directory: Qt is lent a temporary one in TMPDIR for its start.
    const Environment session = Environment::privateSession(home.path()).unset("XDG_RUNTIME_DIR");
    struct Program {
        const char* name;
        std::string display;
        const char* cause;
        bool drops = false; // a server of its own each run, which drops the game
    };
    const Program cases[] = {
        {"no display at all", "", "no display to show the window on"},
        {"a display nobody serves", ":65000", "could not connect to display :65000"},
        {"a display that refuses the game", refusing.display(),
         "refused the connection (Authorization required"},
        {"a display that drops the game", {}, "closed the connection", true},
        {"control characters in the display's name", ":65000\r\n\x1b]0;owned\x07",
         "display :65000\\x0d\\x0a\\x1b]0;owned\\x07"},
    };
    for (const Program& c : cases) {
        for (const char* bus : {"", "disabled:"}) {
            SCOPED_TRACE(std::string(c.name) + (*bus != '\0' ? ", a bus given" : ""));
            std::optional<DroppingXServer> dropping;
            if (c.drops) {
                ASSERT_NE(dropping.emplace().display(), "");
            }
            Environment environment = session;
            environment.set("DISPLAY", dropping ? dropping->display() : c.display)
                .set("DBUS_SESSION_BUS_ADDRESS", bus);
            const Finished game = run(gameExecutable(), {}, environment, 30s);
            ASSERT_EQ(game.problem, "") << game.report();
            ASSERT_TRUE(game.exited) << game.report();
            EXPECT_EQ(game.exitCode, 1);
            EXPECT_EQ(game.out, "");
            EXPECT_EQ(game.err.rfind("gachapoko: cannot open its window: ", 0), 0u) << game.err;
            EXPECT_NE(game.err.find(c.cause), std::string::npos) << game.err;
            EXPECT_EQ(game.err.find('\n'), game.err.size() - 1) << "not one line:\n" << game.err;
            EXPECT_TRUE(std::none_of(game.err.begin(), game.err.end() - 1,
                                     [](unsigned char c) { return c < ' '; }))
                << "a control character: " << game.err;
            EXPECT_TRUE(std::filesystem::is_empty(home.path() / "tmp")) << "left in TMPDIR";
        }
    }
}

} // namespace
} // namespace gachapoko::test
