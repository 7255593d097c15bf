// The session bus and the runtime directory the game gives Qt. A fault here either starts a bus
// daemon that outlives the game, leaves a directory under /tmp, or cuts a screen reader off
// from the user's real session bus.
#include "app/desktop_session.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace gachapoko::test {
namespace {

namespace fs = std::filesystem;

// A scratch folder with directories of chosen modes and a listening bus socket where asked.
class Scratch {
public:
    Scratch() {
        char pattern[] = "/tmp/gachapoko-session-XXXXXX";
        m_root = mkdtemp(pattern);
    }
    ~Scratch() {
        for (int fd : m_sockets) {
            close(fd);
        }
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    std::string dir(const std::string& name, mode_t mode) {
        const std::string path = m_root + "/" + name;
        mkdir(path.c_str(), 0700);
        chmod(path.c_str(), mode);
        return path;
    }

    void busIn(const std::string& dir) {
        const std::string path = dir + "/bus";
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        m_sockets.push_back(fd);
    }

    std::string link(const std::string& name, const std::string& target) {
        const std::string path = m_root + "/" + name;
        fs::create_directory_symlink(target, path);
        return path;
    }

    std::string missing() const { return m_root + "/missing"; }

private:
    std::string m_root;
    std::vector<int> m_sockets;
};

using Environment = std::map<std::string, std::string>;

DesktopSession sessionIn(const Environment& environment, const std::string& userRuntimeDir,
                         const std::optional<std::string>& displayBus = std::nullopt) {
    const auto lookup = [&](const char* name) -> std::optional<std::string> {
        const auto found = environment.find(name);
        return found == environment.end() ? std::nullopt : std::optional(found->second);
    };
    return DesktopSession(lookup, static_cast<unsigned>(geteuid()), userRuntimeDir,
                          [&] { return displayBus; });
}

constexpr const char* DisplaysBus = "unix:path=/tmp/dbus-autolaunched,guid=0123";

TEST(DesktopSession, AnAddressInTheEnvironmentIsLeftAlone) {
    Scratch scratch;
    const std::string runtime = scratch.dir("runtime", 0700);
    const auto session = sessionIn(
        {{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/somewhere/bus"}, {"XDG_RUNTIME_DIR", runtime}},
        scratch.missing());
    EXPECT_FALSE(session.busAddress().has_value());
    EXPECT_FALSE(session.startupRuntimeDir().has_value());
}

TEST(DesktopSession, WithoutAnAddressTheBusInTheRuntimeDirectoryIsUsed) {
    Scratch scratch;
    const std::string runtime = scratch.dir("runtime", 0700);
    scratch.busIn(runtime);
    const auto session = sessionIn({{"XDG_RUNTIME_DIR", runtime}, {"DBUS_SESSION_BUS_ADDRESS", ""}},
                                   scratch.missing());
    EXPECT_EQ(session.busAddress(), "unix:path=" + runtime + "/bus");
    EXPECT_FALSE(session.startupRuntimeDir().has_value());
}

// A bare X session started without the login manager's variables still has its bus there.
TEST(DesktopSession, WithoutAnyVariableTheUsersRuntimeDirectoryLendsItsBusAndItself) {
    Scratch scratch;
    const std::string userRuntime = scratch.dir("user-runtime", 0700);
    scratch.busIn(userRuntime);
    const auto session = sessionIn({}, userRuntime);
    EXPECT_EQ(session.busAddress(), "unix:path=" + userRuntime + "/bus");
    EXPECT_EQ(session.startupRuntimeDir(), userRuntime);
}

// A screen reader started in a bare X session autolaunches a bus for the display; the game joins
// it (no new bus is started for that), but the session's own bus comes first.
TEST(DesktopSession, ABusAlreadyAutolaunchedForTheDisplayIsUsedWhenNothingNearerIs) {
    Scratch scratch;
    const std::string runtime = scratch.dir("runtime", 0700);
    EXPECT_EQ(
        sessionIn({{"XDG_RUNTIME_DIR", runtime}}, scratch.missing(), DisplaysBus).busAddress(),
        DisplaysBus);
    scratch.busIn(runtime);
    EXPECT_EQ(
        sessionIn({{"XDG_RUNTIME_DIR", runtime}}, scratch.missing(), DisplaysBus).busAddress(),
        "unix:path=" + runtime + "/bus");
    EXPECT_FALSE(sessionIn({{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/somewhere/bus"}},
                           scratch.missing(), DisplaysBus)
                     .busAddress()
                     .has_value());
}

TEST(DesktopSession, WithNoBusAnywhereTheGameDoesWithoutOne) {
    Scratch scratch;
    const std::string runtime = scratch.dir("runtime", 0700);
    const std::string home = scratch.dir("home", 0700);
    struct Case {
        const char* name;
        Environment environment;
    };
    for (const Case& c : {Case{"runtime directory without a bus", {{"XDG_RUNTIME_DIR", runtime}}},
                          Case{"no runtime directory", {{"HOME", home}}}}) {
        SCOPED_TRACE(c.name);
        const auto session = sessionIn(c.environment, scratch.missing());
        EXPECT_EQ(session.busAddress(), "disabled:");
    }
}

// Qt creates $TMPDIR/runtime-<user> unless XDG_RUNTIME_DIR names a directory of the user's with
// mode 0700: a private directory that exists is lent to it for the start instead.
TEST(DesktopSession, AnUnfitRuntimeDirectoryIsReplacedByAnExistingPrivateOneForTheStart) {
    Scratch scratch;
    const std::string home = scratch.dir("home", 0700);
    const std::string userRuntime = scratch.dir("user-runtime", 0700);
    const std::string open = scratch.dir("open", 0755);
    const std::string linked = scratch.link("linked", userRuntime);
    struct Case {
        const char* name;
        Environment environment;
        std::string userRuntimeDir;
        std::optional<std::string> lent;
    };
    const Case cases[] = {
        {"unset, the user's runtime directory exists", {{"HOME", home}}, userRuntime, userRuntime},
        {"unset, only the home is private", {{"HOME", home}}, scratch.missing(), home},
        {"empty", {{"XDG_RUNTIME_DIR", ""}, {"HOME", home}}, scratch.missing(), home},
        {"open to others", {{"XDG_RUNTIME_DIR", open}, {"HOME", home}}, scratch.missing(), home},
        {"a link", {{"XDG_RUNTIME_DIR", linked}, {"HOME", home}}, scratch.missing(), home},
        {"missing",
         {{"XDG_RUNTIME_DIR", scratch.missing()}, {"HOME", home}},
         scratch.missing(),
         home},
        {"nothing private to lend", {{"HOME", open}}, scratch.missing(), std::nullopt},
        {"fit as it is",
         {{"XDG_RUNTIME_DIR", userRuntime}, {"HOME", home}},
         scratch.missing(),
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sessionIn(c.environment, c.userRuntimeDir).startupRuntimeDir(), c.lent);
    }
}

TEST(DesktopSession, TheLentRuntimeDirectoryIsTakenBackAfterTheStart) {
    Scratch scratch;
    const std::string home = scratch.dir("home", 0700);
    const std::string open = scratch.dir("open", 0755);
    const char* savedRuntime = std::getenv("XDG_RUNTIME_DIR");
    const std::optional<std::string> saved =
        savedRuntime ? std::optional<std::string>(savedRuntime) : std::nullopt;

    setenv("XDG_RUNTIME_DIR", open.c_str(), 1);
    const auto session = sessionIn({{"XDG_RUNTIME_DIR", open}, {"HOME", home}}, scratch.missing());
    session.applyForStartup();
    EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), home.c_str());
    session.startupDone();
    EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), open.c_str());

    if (saved) {
        setenv("XDG_RUNTIME_DIR", saved->c_str(), 1);
    } else {
        unsetenv("XDG_RUNTIME_DIR");
    }
}

} // namespace
} // namespace gachapoko::test
