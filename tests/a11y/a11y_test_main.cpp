// The screen reader tests read the game's accessible tree as a screen reader does: over AT-SPI,
// on an accessibility bus of their own. The program starts itself again inside a private D-Bus
// session (dbus-run-session), whose activation starts at-spi2-core's bus launcher and registry,
// with a home directory of its own and no display, so that nothing reaches the desktop the tests
// may be run from; inside, it starts a private Xvfb for the game.
#include "tests/a11y/a11y_environment.h"
#include "tests/e2e/x_server.h"

#include <QCoreApplication>
#include <atspi/atspi.h>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace gachapoko::test {

namespace {

// Set in the program's environment inside its private session: the session's home directory.
constexpr const char* PrivateSessionHome = "GACHAPOKO_A11Y_SESSION_HOME";

std::string g_display;
std::string g_home;

// Runs this program again as `dbus-run-session -- program arguments...` with a fresh home and
// runtime directory, and removes them afterwards. Gives the exit status of the run.
int runInPrivateSession(const std::vector<std::string>& arguments) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "gachapoko-a11y-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("gachapoko a11y tests: cannot make a session directory");
        return 1;
    }
    const std::filesystem::path home(pattern);
    for (const char* sub : {"config", "cache", "data", "runtime"}) {
        std::filesystem::create_directories(home / sub);
    }
    std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all);

    const pid_t child = fork();
    if (child == 0) {
        setenv(PrivateSessionHome, home.c_str(), 1);
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        setenv("XDG_CACHE_HOME", (home / "cache").c_str(), 1);
        setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (home / "runtime").c_str(), 1);
        // The bus launcher keeps its settings in memory, not in a dconf database.
        setenv("GSETTINGS_BACKEND", "memory", 1);
        // No way back to the desktop's own buses and display.
        for (const char* name :
             {"AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY",
              "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "QT_ACCESSIBILITY", "NO_AT_BRIDGE"}) {
            unsetenv(name);
        }
        std::vector<char*> argv;
        static std::string runner = "dbus-run-session";
        static std::string separator = "--";
        argv.push_back(runner.data());
        argv.push_back(separator.data());
        std::vector<std::string> copies = arguments;
        for (std::string& argument : copies) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        std::perror("gachapoko a11y tests: cannot run dbus-run-session");
        _exit(127);
    }
    int status = 0;
    const bool waited = child > 0 && waitpid(child, &status, 0) == child;
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    if (!waited) {
        return 1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

} // namespace

const std::string& xDisplay() {
    return g_display;
}

const std::string& sessionHome() {
    return g_home;
}

} // namespace gachapoko::test

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv, argv + argc);
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    const char* home = std::getenv(gachapoko::test::PrivateSessionHome);
    if (home == nullptr) {
        return gachapoko::test::runInPrivateSession(arguments);
    }
    gachapoko::test::g_home = home;

    gachapoko::test::XServer server;
    const std::string failure = server.start();
    if (!failure.empty()) {
        std::fprintf(stderr, "gachapoko a11y tests: no X server: %s\n", failure.c_str());
        return 1;
    }
    gachapoko::test::g_display = server.display();
    setenv("DISPLAY", server.display().c_str(), 1);

    QCoreApplication application(argc, argv);
    if (atspi_init() < 0) {
        std::fprintf(stderr, "gachapoko a11y tests: cannot reach the accessibility bus\n");
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    atspi_exit();
    return result;
}
