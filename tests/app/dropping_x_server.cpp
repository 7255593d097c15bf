// The set-up reply of a small but complete X server (one 1024x768 screen of depth 24), then
// nothing.
#include "tests/app/dropping_x_server.h"

#include <arpa/inet.h>
#include <cstdint>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace gachapoko::test {

namespace {

// Little-endian fields, as a client that sent 'l' reads them.
class Bytes {
public:
    Bytes& u8(std::uint8_t value) {
        m_bytes.push_back(value);
        return *this;
    }
    Bytes& u16(std::uint16_t value) { return u8(value & 0xff).u8(value >> 8); }
    Bytes& u32(std::uint32_t value) { return u16(value & 0xffff).u16(value >> 16); }
    Bytes& zeros(int count) {
        m_bytes.insert(m_bytes.end(), static_cast<std::size_t>(count), 0);
        return *this;
    }
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
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
    reply.u8(1).u8(0).u16(11).u16(0).u16(static_cast<std::uint16_t>(body.bytes().size() / 4));
    std::vector<std::uint8_t> all = reply.bytes();
    all.insert(all.end(), body.bytes().begin(), body.bytes().end());
    return all;
}

bool readFully(int fd, std::uint8_t* into, std::size_t size) {
    while (size > 0) {
        pollfd readable{fd, POLLIN, 0};
        if (poll(&readable, 1, 10000) != 1) {
            return false;
        }
        const ssize_t got = read(fd, into, size);
        if (got <= 0) {
            return false;
        }
        into += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

} // namespace

DroppingXServer::DroppingXServer() {
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

DroppingXServer::~DroppingXServer() {
    shutdown(m_listener, SHUT_RDWR);
    if (m_thread.joinable()) {
        m_thread.join();
    }
    close(m_listener);
}

void DroppingXServer::serveOnce() {
    pollfd waiting{m_listener, POLLIN, 0};
    if (poll(&waiting, 1, 30000) != 1) {
        return;
    }
    const int client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) {
        return;
    }
    // The set-up request: byte order, protocol version, then the authorisation name and data.
    std::uint8_t request[12];
    if (readFully(client, request, sizeof request)) {
        const auto field = [&](int at) { return request[at] | request[at + 1] << 8; };
        const auto padded = [](int length) { return (length + 3) / 4 * 4; };
        std::vector<std::uint8_t> authorisation(
            static_cast<std::size_t>(padded(field(6)) + padded(field(8))));
        if (request[0] == 'l' && readFully(client, authorisation.data(), authorisation.size())) {
            const std::vector<std::uint8_t> reply = setupReply();
            static_cast<void>(write(client, reply.data(), reply.size()));
        }
    }
    close(client);
    shutdown(m_listener, SHUT_RDWR);
}

} // namespace gachapoko::test
