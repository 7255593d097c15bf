// Real mouse input through the X server (XTest), on a connection of its own, so presses reach
// the game exactly as a physical mouse's would.
#pragma once

#include <string>

using Display = struct _XDisplay;

namespace gachapoko::test {

class XInput {
public:
    static constexpr int Left = 1;
    static constexpr int Right = 3;

    explicit XInput(const std::string& display);
    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;
    ~XInput();

    // Empty when the connection and the XTest extension are there, else what is missing.
    const std::string& error() const { return m_error; }

    void moveTo(int x, int y);
    void press(int button);
    void release(int button);
    void click(int x, int y, int button = Left);
    // Sends what is queued without waiting for the server.
    void flush();
    // Waits until the server has handled everything sent so far.
    void sync();

    // The top-level window of process `pid` titled `title`, or 0 while there is none.
    unsigned long findWindow(long pid, const std::string& title);
    // The window's legacy title (WM_NAME) as window managers that read only it show it, in
    // UTF-8; empty when it has none.
    std::string legacyTitle(unsigned long window);
    // Where the window's client area lies on the screen.
    bool windowOrigin(unsigned long window, int& x, int& y);
    // What the close box does: asks the window to close through the window manager protocol.
    void askToClose(unsigned long window);

private:
    Display* m_display = nullptr;
    std::string m_error;
};

} // namespace gachapoko::test
