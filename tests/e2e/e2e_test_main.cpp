// The end-to-end tests run the game on a private Xvfb display on the xcb platform. Without an X
// server every test skips and says why.
#include "app/desktop_session.h"
#include "tests/e2e/e2e_environment.h"
#include "tests/e2e/x_server.h"

#include <QApplication>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace gachapoko::test {

namespace {
std::string g_display;
std::string g_unavailable = "no X server was started";
pid_t g_serverPid = -1;

// The parent process id from /proc/PID/stat: the fourth field, after the name in parentheses.
pid_t parentOf(const std::string& pid) {
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos) {
        return -1;
    }
    std::istringstream fields(line.substr(nameEnd + 1));
    char state = 0;
    pid_t parent = -1;
    fields >> state >> parent;
    return parent;
}

std::string commandLineOf(const std::string& pid) {
    std::ifstream file("/proc/" + pid + "/cmdline");
    std::string command((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    for (char& c : command) {
        if (c == '\0') {
            c = ' ';
        }
    }
    return pid + ": " + (command.empty() ? "(ended, not yet reaped)" : command);
}
} // namespace

const std::string& xDisplay() {
    return g_display;
}
const std::string& xUnavailableReason() {
    return g_unavailable;
}

std::set<pid_t> adoptedProcesses() {
    std::set<pid_t> adopted;
    DIR* proc = opendir("/proc");
    if (proc == nullptr) {
        return adopted;
    }
    while (const dirent* entry = readdir(proc)) {
        const std::string pid = entry->d_name;
        if (pid.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const auto number = static_cast<pid_t>(std::stol(pid));
        if (number != g_serverPid && parentOf(pid) == getpid()) {
            adopted.insert(number);
        }
    }
    closedir(proc);
    return adopted;
}

std::vector<std::string> reapLeftoverProcesses(const std::set<pid_t>& known) {
    std::vector<std::string> left;
    for (const pid_t pid : adoptedProcesses()) {
        if (known.count(pid) == 0) {
            left.push_back(commandLineOf(std::to_string(pid)));
            endProcess(pid);
        }
    }
    return left;
}

void endProcess(pid_t pid) {
    // Asked first, so that a bus daemon removes its socket from /tmp; killed if it lingers.
    kill(pid, SIGTERM);
    for (int waited = 0; waited < 200; ++waited) {
        if (waitpid(pid, nullptr, WNOHANG) != 0) {
            return;
        }
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace gachapoko::test

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    // Daemons that a program under test starts and abandons (a session bus, say) become this
    // process's children instead of init's, so the tests can see them.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    gachapoko::test::XServer server;
    const std::string failure = server.start();
    if (!failure.empty()) {
        gachapoko::test::g_unavailable = failure;
        return RUN_ALL_TESTS();
    }
    gachapoko::test::g_display = server.display();
    gachapoko::test::g_serverPid = server.pid();
    gachapoko::test::g_unavailable.clear();
    setenv("DISPLAY", server.display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    int result = 0;
    {
        // Started the way the game starts Qt, so that no test makes a runtime directory under /tmp
        // or autolaunches a session bus either.
        const gachapoko::DesktopSession session = gachapoko::currentDesktopSession();
        session.applyForStartup();
        QApplication application(argc, argv);
        session.startupDone();
        result = RUN_ALL_TESTS();
    }
    return result;
}
