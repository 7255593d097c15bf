// Holding standard error in a non-blocking pipe.
#include "app/stderr_capture.h"

#include "platform/platform.h"

#include <array>
#include <cstdio>

#if GACHAPOKO_FREEDESKTOP
#include <fcntl.h>
#include <unistd.h>
#endif

namespace gachapoko {

StderrCapture::StderrCapture() {
#if GACHAPOKO_FREEDESKTOP
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    std::fflush(stderr);
    m_saved = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (m_saved < 0 || dup2(fds[1], STDERR_FILENO) < 0) {
        close(fds[0]);
        close(fds[1]);
        if (m_saved >= 0) {
            close(m_saved);
            m_saved = -1;
        }
        return;
    }
    close(fds[1]);
    m_pipe = fds[0];
#endif
}

StderrCapture::~StderrCapture() {
    release();
}

std::string StderrCapture::release() {
    std::string captured;
#if GACHAPOKO_FREEDESKTOP
    if (m_saved < 0) {
        return captured;
    }
    std::fflush(stderr);
    dup2(m_saved, STDERR_FILENO);
    close(m_saved);
    m_saved = -1;
    std::clearerr(stderr);
    std::array<char, 4096> buffer{};
    ssize_t got = 0;
    while ((got = read(m_pipe, buffer.data(), buffer.size())) > 0) {
        captured.append(buffer.data(), static_cast<std::size_t>(got));
    }
    close(m_pipe);
    m_pipe = -1;
#endif
    return captured;
}

std::string firstLine(const std::string& text) {
    constexpr std::size_t Longest = 200;
    std::string line;
    for (const char c : text) {
        if (c == '\n') {
            if (!line.empty()) {
                break;
            }
        } else if (c >= ' ' && c <= '~' && line.size() < Longest) {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

} // namespace gachapoko
