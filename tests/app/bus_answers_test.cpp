// A bus the game finds itself is used only if it is the user's and answers at once: one that
// takes connections and never answers would hold Qt's start for ever.
#include "app/session_lookups.h"
#include "tests/support/session_bus.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace gachapoko::test {
namespace {

using namespace std::chrono_literals;

// A socket at `path` that takes connections (when listening) but never says a word.
class SilentSocket {
public:
    SilentSocket(const std::string& path, bool listening) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        m_fd = socket(AF_UNIX, SOCK_STREAM, 0);
        bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        if (listening) {
            listen(m_fd, 4);
        }
    }
    SilentSocket(const SilentSocket&) = delete;
    SilentSocket& operator=(const SilentSocket&) = delete;
    ~SilentSocket() { close(m_fd); }

private:
    int m_fd = -1;
};

TEST(BusAnswers, OnlyARealBusOfTheUsersAnswers) {
    const TemporaryDirectory home;
    const auto uid = static_cast<unsigned>(geteuid());
    SessionBus bus;
    ASSERT_EQ(bus.start(Environment::privateSession(home.path())), "");
    EXPECT_TRUE(busAnswers(bus.address(), uid, 5s)) << bus.address();
    EXPECT_FALSE(busAnswers(bus.address(), uid + 1, 5s)) << "another user's bus";

    const std::string silent = (home.path() / "silent").string();
    const std::string closed = (home.path() / "closed").string();
    const SilentSocket listening(silent, true);
    const SilentSocket notListening(closed, false);
    EXPECT_FALSE(busAnswers("unix:path=" + silent, uid, 200ms)) << "takes, never answers";
    EXPECT_FALSE(busAnswers("unix:path=" + closed, uid, 200ms)) << "takes no connection";
    EXPECT_FALSE(busAnswers("unix:path=" + (home.path() / "missing").string(), uid, 200ms));
}

} // namespace
} // namespace gachapoko::test
