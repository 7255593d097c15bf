// What the game gives Qt of its desktop, decided from lookups a table answers here. A fault
// either starts a program or a bus because of a hostile value, leaves a directory behind, hangs
// the start on a bus that never answers, or cuts a screen reader off from the user's real bus.
#include "app/desktop_session.h"
#include "app/session_lookups.h"
#include "tests/support/environment.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace gachapoko::test {
namespace {

namespace fs = std::filesystem;
using Variables = std::map<std::string, std::string>;
using Changes = DesktopSession::Changes;

// Directories of chosen modes under a folder of the test's own.
class Scratch {
public:
    std::string dir(const std::string& name, mode_t mode) {
        const fs::path path = m_root.path() / name;
        fs::create_directory(path);
        chmod(path.c_str(), mode);
        return path.string();
    }
    std::string link(const std::string& name, const std::string& target) {
        const fs::path path = m_root.path() / name;
        fs::create_directory_symlink(target, path);
        return path.string();
    }
    std::string missing() const { return (m_root.path() / "missing").string(); }

private:
    TemporaryDirectory m_root;
};

struct Desktop {
    Variables environment = {};
    DisplayAnnouncements display = {};
    std::set<std::string> answering = {}; // the bus addresses that answer
    std::string userRuntimeDir = {};
};

DesktopSession sessionOf(const Desktop& desktop) {
    SessionLookups lookups;
    lookups.environment = [&](const char* name) -> std::optional<std::string> {
        const auto found = desktop.environment.find(name);
        return found == desktop.environment.end() ? std::nullopt : std::optional(found->second);
    };
    lookups.uid = static_cast<unsigned>(geteuid());
    lookups.userRuntimeDir = desktop.userRuntimeDir;
    lookups.display = [&] { return desktop.display; };
    lookups.busAnswers = [&](const std::string& address) {
        return desktop.answering.count(address) > 0;
    };
    return DesktopSession(lookups);
}

DisplayAnnouncements announcing(std::optional<std::string> sessionBus,
                                std::optional<std::string> accessibilityBus = std::nullopt) {
    return {std::move(sessionBus), std::move(accessibilityBus), {}};
}

TEST(DesktopSession, HostileOrBrokenValuesStartNothingAndFallBackToNoBus) {
    Scratch scratch;
    const std::string runtime = scratch.dir("runtime", 0700);
    const std::string runtimeBus = "unix:path=" + runtime + "/bus";
    const std::string user = scratch.dir("user", 0700);
    const std::string userBus = "unix:path=" + user + "/bus";
    // Every byte outside [-0-9A-Za-z_/.\*] is escaped, or the name would add transports.
    const std::string odd = scratch.dir("x;unixexec:path=%2c,=", 0700);
    const std::string oddBus =
        "unix:path=" + odd.substr(0, odd.rfind('/')) + "/x%3bunixexec%3apath%3d%252c%2c%3d/bus";
    const std::string displayBus = "unix:abstract=/tmp/dbus-a,guid=0123";
    const std::string elsewhere = "unix:path=/somewhere/bus";
    const Variables inRuntime = {{"XDG_RUNTIME_DIR", runtime}};
    const Variables onX = {{"XDG_RUNTIME_DIR", runtime}, {"DISPLAY", ":9"}};
    const Variables onXWithBus = {
        {"XDG_RUNTIME_DIR", runtime}, {"DISPLAY", ":9"}, {"DBUS_SESSION_BUS_ADDRESS", elsewhere}};
    const auto given = [&](const std::string& address) {
        return Variables{{"XDG_RUNTIME_DIR", runtime}, {"DBUS_SESSION_BUS_ADDRESS", address}};
    };
    const Changes noBus = {{"DBUS_SESSION_BUS_ADDRESS", "disabled:"}};
    struct Case {
        const char* name;
        Desktop desktop;
        Changes changes;
        bool warns;
    };
    const Case cases[] = {
        // Where the session has a bus, the game finds it as libdbus would.
        {"an address in the environment", {given(elsewhere)}, {}, false},
        {"the runtime directory's bus",
         {inRuntime, {}, {runtimeBus}},
         {{"DBUS_SESSION_BUS_ADDRESS", runtimeBus}},
         false},
        {"the user's runtime directory's bus",
         {{}, {}, {userBus}, user},
         {{"DBUS_SESSION_BUS_ADDRESS", userBus}},
         false},
        {"a bus autolaunched for the display",
         {onX, announcing(displayBus), {displayBus}},
         {{"DBUS_SESSION_BUS_ADDRESS", displayBus}},
         false},
        {"the runtime directory's bus before the display's",
         {onX, announcing(displayBus), {displayBus, runtimeBus}},
         {{"DBUS_SESSION_BUS_ADDRESS", runtimeBus}},
         false},
        {"a runtime directory named like an address",
         {{{"XDG_RUNTIME_DIR", odd}}, {}, {oddBus}},
         {{"DBUS_SESSION_BUS_ADDRESS", oddBus}},
         false},
        {"no bus anywhere", {onX}, noBus, false},
        // A bus that takes connections and never answers would hold the start for ever.
        {"the runtime directory's bus does not answer", {inRuntime}, noBus, false},
        {"the display's bus does not answer", {onX, announcing(displayBus)}, noBus, true},
        // Values that would start a program or a bus, or that libdbus cannot read.
        {"autolaunch: in the environment", {given("autolaunch:")}, noBus, true},
        {"unixexec: in the environment",
         {given("unixexec:path=/usr/bin/touch,argv1=/tmp/p")},
         noBus,
         true},
        {"autolaunch: after an address", {given(elsewhere + ";autolaunch:")}, noBus, true},
        {"not an address", {given("bus")}, noBus, true},
        {"a broken escape", {given("unix:path=%zz")}, noBus, true},
        {"an unescaped space", {given("unix:path=/a b")}, noBus, true},
        {"autolaunch: on the display",
         {onX, announcing("autolaunch:"), {"autolaunch:"}},
         noBus,
         true},
        {"unixexec: on the display",
         {onX, announcing("unixexec:path=/bin/sh"), {"unixexec:path=/bin/sh"}},
         noBus,
         true},
        {"a NUL first on the display",
         {onX, announcing(std::string("\0", 1) + displayBus), {displayBus}},
         noBus,
         true},
        {"a bus on another machine on the display",
         {onX, announcing("tcp:host=example.org,port=4"), {"tcp:host=example.org,port=4"}},
         noBus,
         true},
        // Qt's accessibility bridge connects to AT_SPI_BUS_ADDRESS, or to the display's AT_SPI_BUS.
        {"unixexec: as the accessibility bus",
         {{{"DBUS_SESSION_BUS_ADDRESS", elsewhere},
           {"XDG_RUNTIME_DIR", runtime},
           {"AT_SPI_BUS_ADDRESS", "unixexec:path=/bin/sh"}}},
         {{"AT_SPI_BUS_ADDRESS", std::nullopt}},
         true},
        {"unixexec: as the display's accessibility bus",
         {onXWithBus, announcing({}, "unixexec:path=/bin/sh")},
         {{"AT_SPI_BUS_ADDRESS", "disabled:"}},
         true},
        {"the display's accessibility bus",
         {onXWithBus, announcing({}, "unix:path=/a11y")},
         {},
         false},
        {"the display's accessibility bus without a session bus",
         {onX, announcing({}, "unixexec:path=/bin/sh")},
         noBus,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Desktop desktop = c.desktop;
        if (desktop.userRuntimeDir.empty()) {
            desktop.userRuntimeDir = scratch.missing();
        }
        const DesktopSession session = sessionOf(desktop);
        EXPECT_EQ(session.changes(), c.changes);
        EXPECT_EQ(session.warnings().size(), c.warns ? 1u : 0u);
        EXPECT_EQ(session.displayFailure(), "");
    }
}

// Qt creates $TMPDIR/runtime-<user> unless XDG_RUNTIME_DIR names a directory of the user's with
// mode 0700 whose name survives Qt's decoding: for its start it is lent one that does.
TEST(DesktopSession, QtIsLentAFitRuntimeDirectoryForItsStart) {
    Scratch scratch;
    const std::string runtime = scratch.dir("runtime", 0700);
    const std::string user = scratch.dir("user", 0700);
    const std::string open = scratch.dir("open", 0755);
    const std::string notUtf8 = scratch.dir("runtime\xff", 0700);
    const std::string temp = scratch.dir("temp", 0700);
    const std::string linked = scratch.link("linked", runtime);
    const RuntimeDirLoan userDir{user, {}};
    const RuntimeDirLoan temporary{{}, "/tmp"};
    struct Case {
        const char* name;
        Variables environment;
        std::string userRuntimeDir;
        std::optional<RuntimeDirLoan> loan;
    };
    const Case cases[] = {
        {"fit as it is", {{"XDG_RUNTIME_DIR", runtime}}, user, std::nullopt},
        {"unset", {}, user, userDir},
        {"open to others", {{"XDG_RUNTIME_DIR", open}}, user, userDir},
        {"a link", {{"XDG_RUNTIME_DIR", linked}}, user, userDir},
        {"not UTF-8", {{"XDG_RUNTIME_DIR", notUtf8}}, user, userDir},
        {"nothing private exists", {{"XDG_RUNTIME_DIR", open}}, scratch.missing(), temporary},
        {"nothing private, in TMPDIR",
         {{"TMPDIR", temp}},
         scratch.missing(),
         RuntimeDirLoan{{}, temp}},
        {"nothing private, TMPDIR not UTF-8", {{"TMPDIR", notUtf8}}, scratch.missing(), temporary},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DesktopSession session = sessionOf({c.environment, {}, {}, c.userRuntimeDir});
        EXPECT_EQ(session.runtimeDirLoan(), c.loan);
    }
}

// A display that refuses the game or drops it ends the start with one line, where Qt is to use it.
TEST(DesktopSession, ADisplayThatFailsTheLookupFailsTheStartOnlyWhereQtUsesIt) {
    const DisplayAnnouncements refusing{
        {}, {}, "the X server of display :9 refused the connection"};
    EXPECT_EQ(sessionOf({{{"DISPLAY", ":9"}}, refusing}).displayFailure(), refusing.failure);
    EXPECT_EQ(
        sessionOf({{{"DISPLAY", ":9"}, {"QT_QPA_PLATFORM", "wayland"}}, refusing}).displayFailure(),
        "");
}

std::optional<std::string> variable(const char* name) {
    return environmentVariable(name);
}

void restore(const char* name, const std::optional<std::string>& value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

// While Qt starts, XDG_RUNTIME_DIR names the lent directory; afterwards it is as it was, and a
// temporary directory made for the start is gone. The bus settings stay for the whole run.
TEST(SessionForStart, LendsTheRuntimeDirectoryForTheStartOnly) {
    Scratch scratch;
    const std::string temp = scratch.dir("temp", 0700);
    const std::string open = scratch.dir("open", 0755);
    const auto savedRuntime = variable("XDG_RUNTIME_DIR");
    const auto savedBus = variable("DBUS_SESSION_BUS_ADDRESS");
    setenv("XDG_RUNTIME_DIR", open.c_str(), 1);
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    {
        const DesktopSession session =
            sessionOf({{{"XDG_RUNTIME_DIR", open}, {"TMPDIR", temp}}, {}, {}, scratch.missing()});
        const SessionForStart settings(session);
        const auto lent = variable("XDG_RUNTIME_DIR");
        ASSERT_TRUE(lent.has_value());
        EXPECT_EQ(fs::path(*lent).parent_path(), temp);
        EXPECT_TRUE(isPrivateDirectory(*lent, static_cast<unsigned>(geteuid())));
        EXPECT_EQ(variable("DBUS_SESSION_BUS_ADDRESS"), "disabled:");
    }
    EXPECT_EQ(variable("XDG_RUNTIME_DIR"), open);
    EXPECT_TRUE(fs::is_empty(temp));
    EXPECT_EQ(variable("DBUS_SESSION_BUS_ADDRESS"), "disabled:");

    restore("XDG_RUNTIME_DIR", savedRuntime);
    restore("DBUS_SESSION_BUS_ADDRESS", savedBus);
}

} // namespace
} // namespace gachapoko::test
