// The tests' own connection to an X server: real mouse and key input injected through XTest,
// exactly as a physical mouse's or keyboard's would reach the game, and what the server knows of
// another program's window (where it is, its titles, class, icons and pixels).
#pragma once

#include "tests/support/process.h"

#include <QImage>
#include <chrono>
#include <string>
#include <vector>

using Display = struct _XDisplay;

namespace gachapoko::test {

class XClient {
public:
    static constexpr int Left = 1;
    static constexpr int Right = 3;

    explicit XClient(const std::string& display);
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;
    ~XClient();

    // Empty when connected and the XTest extension is there, else what is missing.
    const std::string& error() const { return m_error; }

    // Input.
    void moveTo(int x, int y);
    void press(int button);
    void release(int button);
    void click(int x, int y, int button = Left);
    // A key by its X name ("Tab", "space", "Return", "Left") pressed and let up, Shift held
    // around it when asked, to whichever window has the keyboard.
    void pressKey(const std::string& keysymName, bool shift = false);
    // Sends what is queued without waiting for the server.
    void flush();
    // Waits until the server has handled everything sent so far.
    void sync();

    // The mapped top-level window of process `pid` titled `title` (_NET_WM_NAME), or 0.
    unsigned long findWindow(long pid, const std::string& title);
    // The same, waiting up to `timeout` while `program` runs; 0 when it ends or time runs out.
    unsigned long waitForWindow(Process& program, const std::string& title,
                                std::chrono::milliseconds timeout = 10s);

    // The legacy title (WM_NAME) as window managers that read only it show it, in UTF-8.
    std::string legacyTitle(unsigned long window);
    // Where the window's client area lies on the screen.
    bool windowOrigin(unsigned long window, int& x, int& y);
    // The keyboard to `window`, as a window manager gives it to the window it activates.
    void giveFocus(unsigned long window);
    // What the close box does: WM_DELETE_WINDOW through the window manager protocol.
    void askToClose(unsigned long window);

    // What the window asks of a window manager: the functions and decorations of its Motif
    // hints (bits as Motif numbers them: close 0x20, minimise 0x08, maximise 0x10 among the
    // functions; minimise 0x20 and maximise 0x40 among the decorations), and its least and
    // largest size (WM_NORMAL_HINTS).
    struct WindowManagerHints {
        unsigned long functions = 0;
        unsigned long decorations = 0;
        int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
    };
    WindowManagerHints windowManagerHints(unsigned long window);

    // The window's contents as the server holds them, on a 24-bit true-colour screen as
    // XServer makes; a null image when they cannot be read.
    QImage grab(unsigned long window);
    struct WmClass {
        std::string instance;
        std::string className;
    };
    WmClass wmClass(unsigned long window);
    // The images of _NET_WM_ICON, in the order the window gives them.
    std::vector<QImage> icons(unsigned long window);

private:
    Display* m_display = nullptr;
    std::string m_error;
};

} // namespace gachapoko::test
