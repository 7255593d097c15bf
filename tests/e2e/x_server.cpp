// Starts and stops Xvfb; the server itself picks a free display number and reports it.
#include "tests/e2e/x_server.h"

#include <X11/Xlib.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace gachapoko::test {

namespace {

constexpr int StartTimeoutMs = 10000;

} // namespace

std::string XServer::start() {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return "cannot create a pipe for Xvfb";
    }
    const pid_t pid = fork();
    if (pid < 0) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        return "cannot fork to start Xvfb";
    }
    if (pid == 0) {
        close(pipeFds[0]);
        // Xvfb writes the display number it chose to this descriptor once it is ready.
        const std::string fd = std::to_string(pipeFds[1]);
        const int devNull = open("/dev/null", O_RDWR);
        if (devNull >= 0) {
            dup2(devNull, STDIN_FILENO);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
        }
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    m_pid = pid;

    std::string number;
    bool closed = false;
    pollfd readable{pipeFds[0], POLLIN, 0};
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(StartTimeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const int ready = poll(&readable, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            break;
        }
        char buffer[16];
        const ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
        if (got <= 0) {
            closed = true;
            break;
        }
        number.append(buffer, static_cast<std::size_t>(got));
        if (number.find('\n') != std::string::npos) {
            break;
        }
    }
    close(pipeFds[0]);
    while (!number.empty() && (number.back() == '\n' || number.back() == ' ')) {
        number.pop_back();
    }
    if (number.empty()) {
        if (!closed) {
            kill(m_pid, SIGTERM);
        }
        // Xvfb closes the descriptor without a number only when it ends.
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        if (WIFEXITED(status) && WEXITSTATUS(status) == 127) {
            return "Xvfb is not installed";
        }
        return closed ? "Xvfb ended without opening a display"
                      : "Xvfb did not report a display within 10 seconds";
    }
    m_display = ":" + number;

    Display* probe = XOpenDisplay(m_display.c_str());
    if (probe == nullptr) {
        return "cannot connect to Xvfb on " + m_display;
    }
    XCloseDisplay(probe);
    return {};
}

XServer::~XServer() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        int status = 0;
        waitpid(m_pid, &status, 0);
    }
}

} // namespace gachapoko::test
