// What the start-up settles before Qt starts, decided from a table of sessions, odd or hostile,
// on real directories and sockets; the runtime directory lent to Qt and taken back even when a
// signal ends the program; the machine id read with a bound; the one line quoted on a terminal.
#include "app/session.h"
#include "app/startup.h"
#include "tests/support/environment.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace gachapoko {
void PrintTo(const RuntimeDirChoice& choice, std::ostream* out) {
    *out << "{existing \"" << choice.existing << "\", in \"" << choice.temporaryIn << "\"}";
}
} // namespace gachapoko

namespace gachapoko::test {
namespace {

namespace fs = std::filesystem;
using Variables = std::map<std::string, std::string>;
const auto Uid = static_cast<unsigned>(geteuid());

// Directories of chosen modes, links and sockets under a folder of the test's own.
class Scratch {
public:
    std::string dir(const std::string& name, mode_t mode = 0700) {
        fs::create_directory(path(name));
        chmod(path(name).c_str(), mode);
        return path(name);
    }
    std::string link(const std::string& name, const std::string& target) {
        fs::create_symlink(target, path(name));
        return path(name);
    }
    // A directory of mode 0700 holding a socket named bus.
    std::string dirWithBus(const std::string& name) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        (dir(name) + "/bus").copy(address.sun_path, sizeof address.sun_path - 1);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << name;
        close(fd);
        return path(name);
    }
    std::string path(const std::string& name) const { return (m_root.path() / name).string(); }

private:
    TemporaryDirectory m_root;
};

struct Session {
    Variables environment = {};
    std::string userRuntimeDir = "/nonexistent";
    std::optional<std::string> displayBus = {};
    unsigned uid = Uid;
};

SessionLookups lookupsOf(const Session& session) {
    return {[&session](const char* name) {
                const auto found = session.environment.find(name);
                return found == session.environment.end() ? std::string() : found->second;
            },
            session.uid, session.userRuntimeDir, session.displayBus};
}

TEST(SessionBus, IsTheGivenOneElseTheOneLibdbusWouldFindWithoutStartingAnything) {
    Scratch scratch;
    const std::string runtime = scratch.dirWithBus("runtime");
    const std::string user = scratch.dirWithBus("user");
    // Every byte outside [-0-9A-Za-z_/.\*] is escaped, or the name would add transports.
    scratch.dirWithBus("x;unixexec:path=%2c,=");
    scratch.dir("linked");
    scratch.link("linked/bus", runtime + "/bus");
    const std::string runtimeBus = "unix:path=" + runtime + "/bus";
    const std::string display = "unix:abstract=/tmp/dbus-a,guid=0123";
    const auto given = [&](const std::string& address) {
        return Variables{{"DBUS_SESSION_BUS_ADDRESS", address}};
    };
    const Variables inRuntime = {{"XDG_RUNTIME_DIR", runtime}};
    struct Case {
        const char* name;
        Session session;
        std::optional<std::string> bus;
        bool warns = false;
    };
    const Case cases[] = {
        {"an address in the environment", {given("unix:path=/somewhere/bus")}, std::nullopt},
        {"autolaunch: in the environment", {given("autolaunch:")}, "disabled:", true},
        {"unixexec: after an address",
         {given("unix:path=/a;unixexec:path=/bin/sh"), user},
         "unix:path=" + user + "/bus",
         true},
        {"the runtime directory's bus", {inRuntime, user}, runtimeBus},
        {"the user's runtime directory's bus", {{}, user}, "unix:path=" + user + "/bus"},
        {"a runtime directory named like an address",
         {{{"XDG_RUNTIME_DIR", scratch.path("x;unixexec:path=%2c,=")}}},
         "unix:path=" + scratch.path("") + "x%3bunixexec%3apath%3d%252c%2c%3d/bus"},
        {"a bus of another user's", {inRuntime, user, display, Uid + 1}, display},
        {"a link to the bus", {{{"XDG_RUNTIME_DIR", scratch.path("linked")}}}, "disabled:"},
        {"a bus announced on the display", {{}, "/nonexistent", display}, display},
        {"the runtime directory's bus before the display's",
         {inRuntime, user, display},
         runtimeBus},
        {"the display's entries on this machine",
         {{}, "/nonexistent", "tcp:host=a,port=1;unix:path=/b;unix:path=/c"},
         "unix:path=/b;unix:path=/c"},
        {"a bus on another machine on the display",
         {{}, "/nonexistent", "tcp:host=example.org,port=4"},
         "disabled:",
         true},
        {"autolaunch: on the display", {{}, "/nonexistent", "autolaunch:"}, "disabled:", true},
        {"unixexec: among the display's",
         {{}, "/nonexistent", "unix:path=/b;unixexec:path=/bin/sh"},
         "disabled:",
         true},
        {"a NUL first on the display",
         {{}, "/nonexistent", std::string("\0", 1) + display},
         "disabled:",
         true},
        {"no bus anywhere", {}, "disabled:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> warnings;
        EXPECT_EQ(chooseSessionBus(lookupsOf(c.session), warnings), c.bus);
        EXPECT_EQ(warnings.size(), c.warns ? 1u : 0u);
    }
}

// Qt creates $TMPDIR/runtime-<user> unless XDG_RUNTIME_DIR is fit; it is lent a fit one, else a
// private one made where no other user can rename or replace it.
TEST(RuntimeDir, IsAFitOneElseOneMadeWhereOnlyTheUserOrRootCanChangeEntries) {
    Scratch scratch;
    const std::string runtime = scratch.dir("runtime");
    const std::string user = scratch.dir("user");
    const std::string open = scratch.dir("open", 0755);
    const std::string notUtf8 = scratch.dir("runtime\xff");
    const std::string temp = scratch.dir("temp", 0755);
    const std::string sticky = scratch.dir("sticky", 01777);
    const std::string foreign = scratch.dir("foreign", 0755);
    const unsigned foreignUid =
        geteuid() == 0 && chown(foreign.c_str(), 4242, 4242) == 0 ? Uid : Uid + 1;
    const std::string relative = fs::relative(temp).string();
    ASSERT_NE(relative.front(), '/');
    const auto tmpdir = [](const std::string& dir) { return Variables{{"TMPDIR", dir}}; };
    const RuntimeDirChoice userDir{user, {}};
    const RuntimeDirChoice inTmp{{}, "/tmp"};
    struct Case {
        const char* name;
        Session session;
        RuntimeDirChoice choice;
    };
    const Case cases[] = {
        {"fit as it is", {{{"XDG_RUNTIME_DIR", runtime}}, user}, {}},
        {"unset", {{}, user}, userDir},
        {"open to others", {{{"XDG_RUNTIME_DIR", open}}, user}, userDir},
        {"a link", {{{"XDG_RUNTIME_DIR", scratch.link("linked", runtime)}}, user}, userDir},
        {"not UTF-8", {{{"XDG_RUNTIME_DIR", notUtf8}}, user}, userDir},
        {"nothing fit: in TMPDIR", {tmpdir(temp)}, {{}, temp}},
        {"nothing fit: a sticky TMPDIR open to all", {tmpdir(sticky)}, {{}, sticky}},
        {"nothing fit: TMPDIR open to all, not sticky", {tmpdir(scratch.dir("all", 0777))}, inTmp},
        {"nothing fit: TMPDIR open to its group", {tmpdir(scratch.dir("group", 0770))}, inTmp},
        {"nothing fit: TMPDIR another user's", {tmpdir(foreign), "", {}, foreignUid}, inTmp},
        {"nothing fit: TMPDIR relative", {tmpdir(relative)}, inTmp},
        {"nothing fit: TMPDIR a link", {tmpdir(scratch.link("temp-link", temp))}, inTmp},
        {"nothing fit: TMPDIR not UTF-8", {tmpdir(notUtf8)}, inTmp},
        {"nothing fit: TMPDIR unset", {}, inTmp},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(chooseRuntimeDir(lookupsOf(c.session)), c.choice);
    }
}

std::optional<std::string> runtimeDirVariable() {
    const char* value = std::getenv("XDG_RUNTIME_DIR");
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

TEST(RuntimeDirLoan, LendsTheDirectoryForItsLifeAndRemovesOnlyWhatItMade) {
    Scratch scratch;
    const std::string temp = scratch.dir("temp");
    const std::string existing = scratch.dir("existing");
    const auto before = runtimeDirVariable();
    {
        const RuntimeDirLoan loan({{}, temp});
        const std::string lent = runtimeDirVariable().value_or("");
        EXPECT_EQ(fs::path(lent).parent_path(), temp);
        EXPECT_TRUE(isFitRuntimeDir(lent, Uid)) << lent;
    }
    EXPECT_EQ(runtimeDirVariable(), before);
    {
        const RuntimeDirLoan loan({existing, {}});
        EXPECT_EQ(runtimeDirVariable(), existing);
    }
    EXPECT_EQ(runtimeDirVariable(), before);
    EXPECT_TRUE(fs::is_directory(existing));
}

// A signal that ends the program while Qt has the directory takes it away too; a signal the
// program was started ignoring (under nohup, say) stays ignored.
TEST(RuntimeDirLoan, ASignalThatEndsTheProgramMeanwhileLeavesNothing) {
    Scratch scratch;
    const std::string temp = scratch.dir("temp");
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        for (const bool ignored : {false, true}) {
            SCOPED_TRACE(std::string(strsignal(signal)) + (ignored ? ", ignored" : ""));
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                std::signal(signal, ignored ? SIG_IGN : SIG_DFL);
                {
                    const RuntimeDirLoan loan({{}, temp});
                    raise(signal);
                }
                _exit(3);
            }
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            EXPECT_TRUE(ignored ? WIFEXITED(status) && WEXITSTATUS(status) == 3
                                : WIFSIGNALED(status) && WTERMSIG(status) == signal)
                << status;
            EXPECT_TRUE(fs::is_empty(temp));
        }
    }
}

// Read as libdbus reads it, and given up at once on a file that is no id: a device, a pipe,
// anything longer than an id with generous white space around it.
TEST(MachineId, IsReadAsLibdbusReadsItAndNoFurtherThan256Bytes) {
    Scratch scratch;
    const std::string file = scratch.path("machine-id");
    const std::string id = "0123456789abcdef0123456789abcdef";
    struct Case {
        const char* name;
        std::string contents;
        std::string id;
    };
    const Case cases[] = {
        {"an id and a newline", id + "\n", id},
        {"upper case", "0123456789ABCDEF0123456789ABCDEF", id},
        {"white space around it", " \t\r\n" + id + "\n\n", id},
        {"256 bytes", std::string(224, ' ') + id, id},
        {"257 bytes", id + std::string(225, '\n'), ""},
        {"31 digits", id.substr(1), ""},
        {"33 digits", id + "0", ""},
        {"a letter that is no hex digit", "g" + id.substr(1), ""},
        {"two ids", id + "\n" + id, ""},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(file, std::ios::trunc) << c.contents;
        EXPECT_EQ(readMachineId(file), c.id);
    }
    fs::remove(file);
    EXPECT_EQ(readMachineId(file), "") << "a missing file";
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    EXPECT_EQ(readMachineId(file), "") << "a pipe, which a plain open would wait on";
    EXPECT_EQ(readMachineId("/dev/zero"), "") << "an endless device";
}

TEST(Quotable, EscapesControlCharactersAndStopsAt300Bytes) {
    EXPECT_EQ(quotable(":1\x1b]0;title\x07\r\n!\x7f"), ":1\\x1b]0;title\\x07\\x0d\\x0a!\\x7f");
    EXPECT_EQ(quotable(std::string(400, 'a')).size(), 300u);
}

} // namespace
} // namespace gachapoko::test
