// Standard error held in a pipe for a while: libxcb writes an X server's refusal there, and
// Xlib its own lines, where the game wants one line of its own instead.
#pragma once

#include <string>

namespace gachapoko {

class StderrCapture {
public:
    // From here on, what anything writes to file descriptor 2 goes into a pipe of the capture's
    // own. The pipe never blocks a writer: past its capacity (64 KiB) the rest is lost.
    StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;
    ~StderrCapture();

    // Puts standard error back and gives what was written to it meanwhile.
    std::string release();

private:
    int m_saved = -1;
    int m_pipe = -1;
};

// The first line of `text` that is not empty, printable ASCII only and at most 200 characters:
// a cause to quote in the game's own line.
std::string firstLine(const std::string& text);

} // namespace gachapoko
