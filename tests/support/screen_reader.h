// A private desktop with a real screen reader in it: a private Xvfb and session bus (whose
// activation starts at-spi2-core's accessibility bus), speech-dispatcher speaking through
// espeak-ng into a null sound device, and Orca at its default settings writing a debug log. The
// test starts the game in it, types and clicks through XTest, and reads what Orca decided to say
// from the log's "SPEECH OUTPUT" lines. Everything runs in a home of the test's own and ends with
// the desktop, also when a test stops half-way.
#pragma once

#include "tests/support/environment.h"
#include "tests/support/process.h"
#include "tests/support/session_bus.h"
#include "tests/support/x_client.h"
#include "tests/support/x_server.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gachapoko::test {

class ScreenReaderDesktop {
public:
    using Clock = std::chrono::steady_clock;

    // One line Orca decided to speak, as UTF-8, and when this process read it from the log.
    struct Utterance {
        std::string text;
        Clock::time_point seen;
    };
    // A point in what Orca has spoken: the number of utterances before it.
    using Mark = std::size_t;

    ScreenReaderDesktop();
    ScreenReaderDesktop(const ScreenReaderDesktop&) = delete;
    ScreenReaderDesktop& operator=(const ScreenReaderDesktop&) = delete;
    // Ends the game, Orca, speech-dispatcher, the session bus with what it activated (the
    // accessibility bus) and the X server, in that order.
    ~ScreenReaderDesktop();

    // The X server, the session bus and speech-dispatcher. An empty string, or why not.
    std::string start();
    // Starts the accessibility bus as an application's first look at the desktop does (its
    // GetAddress), with no screen reader announced: accessibility stays off.
    std::string startAccessibilityBus();
    // Starts Orca and waits until it listens for events. An empty string, or why not.
    std::string startScreenReader();
    // Starts the game, waits until its window is mapped and gives it the keyboard focus. An
    // empty string, or why not.
    std::string startGame();

    // Input to whichever window has the keyboard, as a keyboard would send it: a key by its X
    // name ("Tab", "space", "Return", "Left"), Shift held around it when asked.
    void pressKey(const std::string& keysymName, bool shift = false);
    // A press and release of a mouse button (XClient::Left or Right) at (x, y) of the game's
    // picture, whose top-left pixel is (0, 0) inside the window's 2-pixel border.
    void clickPicture(int x, int y, int button);

    // What Orca has spoken so far, reading the log up to now.
    const std::vector<Utterance>& spoken();
    Mark mark() { return spoken().size(); }
    // Waits up to `timeout` for Orca to speak an utterance containing `text` at or after `from`.
    // Gives the utterances from `from` to that one, both included; nothing when time ran out.
    std::optional<std::vector<Utterance>> waitForSpeech(Mark from, const std::string& text,
                                                        std::chrono::milliseconds timeout);
    // The errors Orca logged while it handled events: failed handlers ("Could not process"),
    // content it refused ("bad content sent to speak()") and Python tracebacks, each with its
    // lines. BrlAPI's failure to find a braille display at start is not one of them.
    std::vector<std::string> eventErrors();
    // The lines of Orca's log that contain `text`; "EVENT MANAGER: <kind> for " finds those that
    // record an event of that kind as it came in, whatever Orca then made of it.
    std::vector<std::string> logLines(const std::string& text);
    // Every utterance, numbered, and the last lines of Orca's log: for a failure.
    std::string report();

private:
    void readLog();

    TemporaryDirectory m_home;
    Environment m_environment;
    XServer m_x;
    std::unique_ptr<XClient> m_input;
    SessionBus m_bus;
    std::unique_ptr<Process> m_speech;
    std::unique_ptr<Process> m_orca;
    std::unique_ptr<Process> m_game;
    unsigned long m_window = 0;
    std::filesystem::path m_logPath;
    std::vector<std::string> m_lines; // Orca's log as read so far, up to its last whole line
    std::size_t m_logOffset = 0;
    std::vector<Utterance> m_spoken;
};

} // namespace gachapoko::test
