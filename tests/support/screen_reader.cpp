// The screen reader's desktop: the programs of a small graphical session started one by one in
// a private home, and Orca's debug log read as it grows.
#include "tests/support/screen_reader.h"

#include "tests/support/suite.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

namespace gachapoko::test {

namespace {

namespace fs = std::filesystem;

void write(const fs::path& file, const std::string& text,
           fs::perms permissions = fs::perms::owner_read | fs::perms::owner_write) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
    fs::permissions(file, permissions);
}

// Orca writes its log through a buffered Python file; this makes that one file line-buffered,
// so that each line can be read as soon as Orca has decided it. (It takes the place of Debian's
// sitecustomize, which only installs apport's crash hook.)
constexpr const char* LineBufferedLog = R"(import builtins, os
_open = builtins.open
_log = os.environ.get("GACHAPOKO_ORCA_LOG")
def _line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if _log and file == _log and "w" in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)
builtins.open = _line_buffered
)";

// The text of a log line "hh:mm:ss.ffffff - SPEECH OUTPUT: '<text>'[ voice=<name>][ ]{<voice>}";
// nothing when the line is none. The text may hold quotes: it runs to the last one that only a
// voice's name and the voice, a Python dictionary (whose quotes are never followed by '{'), follow.
std::optional<std::string> utteranceOf(const std::string& line) {
    static const std::regex Speech(R"(SPEECH OUTPUT: '(.*)'(?: voice=\S+)? ?(?:\{.*\})?$)");
    std::smatch match;
    if (!std::regex_search(line, match, Speech)) {
        return std::nullopt;
    }
    return match[1].str();
}

} // namespace

ScreenReaderDesktop::ScreenReaderDesktop()
    : m_environment(Environment::privateSession(m_home.path())) {}

ScreenReaderDesktop::~ScreenReaderDesktop() {
    if (m_game) {
        m_game->end();
    }
    // Orca handles SIGTERM in Python, which an idle Orca may not run for seconds; it keeps
    // nothing that needs a clean exit (its log is written line by line).
    if (m_orca) {
        m_orca->end(100ms);
    }
    if (m_speech) {
        m_speech->end();
    }
    // The session bus then ends with what it activated: the accessibility bus and its registry.
}

std::string ScreenReaderDesktop::start() {
    const fs::path home = m_home.path();
    // speech-dispatcher waits for ever on a sound device where there is none: give it one that
    // takes everything. And Orca refuses to start while any other Orca of the same user runs on
    // the machine, which it asks pgrep; here, only this desktop's Orca counts, and it starts once.
    write(home / ".asoundrc", "pcm.!default { type null }\n");
    write(home / "bin/pgrep", "#!/bin/sh\n# No other screen reader runs in this desktop.\nexit 1\n",
          fs::perms::owner_all);
    write(home / "config/speech-dispatcher/speechd.conf",
          "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
          "DefaultModule espeak-ng\nAudioOutputMethod \"alsa\"\n");
    write(home / "python/sitecustomize.py", LineBufferedLog);
    m_environment.set("PATH", (home / "bin").string() + ":/usr/local/bin:/usr/bin:/bin")
        .set("GSETTINGS_BACKEND", "memory")
        .set("PYTHONDONTWRITEBYTECODE", "1");

    if (std::string failure = m_x.start(); !failure.empty()) {
        return failure;
    }
    m_environment.set("DISPLAY", m_x.display());
    m_input = std::make_unique<XClient>(m_x.display());
    if (!m_input->error().empty()) {
        return "no X client: " + m_input->error();
    }

    if (std::string failure = m_bus.start(m_environment); !failure.empty()) {
        return failure;
    }
    m_environment.set("DBUS_SESSION_BUS_ADDRESS", m_bus.address());

    m_speech = std::make_unique<Process>(
        "speech-dispatcher",
        std::vector<std::string>{"--run-single", "--timeout", "0", "--log-dir",
                                 (home / "speech-dispatcher").string()},
        m_environment);
    // It can go on printing for every utterance; its log is in the home.
    m_speech->discardStandardOutput();
    m_speech->discardStandardError();
    if (std::string failure = m_speech->start(); !failure.empty()) {
        return failure;
    }
    const fs::path socket = home / "runtime/speech-dispatcher/speechd.sock";
    if (!m_speech->waitUntil([&socket] { return fs::exists(socket); }, 10s)) {
        return "speech-dispatcher did not open " + socket.string() + ": " + m_speech->report();
    }
    return {};
}

std::string ScreenReaderDesktop::startAccessibilityBus() {
    const Finished asked = run("dbus-send",
                               {"--session", "--print-reply", "--dest=org.a11y.Bus",
                                "/org/a11y/bus", "org.a11y.Bus.GetAddress"},
                               m_environment, 10s);
    return asked.succeeded() ? std::string() : asked.report();
}

std::string ScreenReaderDesktop::startScreenReader() {
    m_logPath = m_home.path() / "orca-debug.log";
    // Orca sometimes gives up at once ("cannot connect to the Desktop") while the accessibility
    // bus it has just had started comes up; a second start finds it up.
    std::string failure;
    for (int attempt = 0; attempt < 3; ++attempt) {
        m_lines.clear();
        m_logOffset = 0;
        m_spoken.clear();
        m_orca = std::make_unique<Process>(
            "orca", std::vector<std::string>{"--debug-file", m_logPath.string()},
            Environment(m_environment)
                .set("PYTHONPATH", (m_home.path() / "python").string())
                .set("GACHAPOKO_ORCA_LOG", m_logPath.string()));
        if (failure = m_orca->start(); !failure.empty()) {
            return failure;
        }
        // The last thing Orca logs before it waits for events.
        const auto started = [this] { return !logLines("ORCA: Starting registry").empty(); };
        if (m_orca->waitUntil(started, 20s)) {
            return {};
        }
        failure = "Orca did not start: " + m_orca->report() + "\n" + report();
        if (m_orca->running()) {
            return failure;
        }
    }
    return failure;
}

std::string ScreenReaderDesktop::startGame() {
    m_game = std::make_unique<Process>(gameExecutable(), std::vector<std::string>{},
                                       Environment(m_environment)
                                           .set("QT_QPA_PLATFORM", "xcb")
                                           .set("FONTCONFIG_FILE", fontsConf("ipa")));
    if (std::string failure = m_game->start(); !failure.empty()) {
        return failure;
    }
    m_window = m_input->waitForWindow(*m_game, "ガチャポコ", 10s);
    if (m_window == 0) {
        return "the game showed no window: " + m_game->report();
    }
    // The desktop has no window manager: give the new window the keyboard, as one would.
    m_input->giveFocus(m_window);
    return {};
}

void ScreenReaderDesktop::pressKey(const std::string& keysymName, bool shift) {
    m_input->pressKey(keysymName, shift);
}

void ScreenReaderDesktop::clickPicture(int x, int y, int button) {
    int left = 0;
    int top = 0;
    m_input->windowOrigin(m_window, left, top);
    m_input->click(left + 2 + x, top + 2 + y, button);
}

void ScreenReaderDesktop::readLog() {
    std::ifstream file(m_logPath, std::ios::binary);
    file.seekg(static_cast<std::streamoff>(m_logOffset));
    std::string fresh((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // Only whole lines: Orca may be half-way through one.
    fresh.resize(fresh.find_last_of('\n') + 1); // nothing without one (npos + 1 is 0)
    m_logOffset += fresh.size();
    const auto now = Clock::now();
    std::istringstream stream(fresh);
    for (std::string line; std::getline(stream, line);) {
        if (auto text = utteranceOf(line)) {
            m_spoken.push_back({std::move(*text), now});
        }
        m_lines.push_back(std::move(line));
    }
}

const std::vector<ScreenReaderDesktop::Utterance>& ScreenReaderDesktop::spoken() {
    readLog();
    return m_spoken;
}

std::optional<std::vector<ScreenReaderDesktop::Utterance>>
ScreenReaderDesktop::waitForSpeech(Mark from, const std::string& text,
                                   std::chrono::milliseconds timeout) {
    Mark looked = from;
    const auto heard = [&] {
        readLog();
        if (m_game) {
            m_game->running(); // keeps its output flowing
        }
        for (; looked < m_spoken.size(); ++looked) {
            if (m_spoken[looked].text.find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    };
    if (!m_orca || !m_orca->waitUntil(heard, timeout)) {
        return std::nullopt;
    }
    return std::vector<Utterance>(m_spoken.begin() + static_cast<long>(from),
                                  m_spoken.begin() + static_cast<long>(looked) + 1);
}

std::vector<std::string> ScreenReaderDesktop::eventErrors() {
    std::vector<std::string> errors;
    for (const char* marker : {"bad content sent to speak()", "ERROR: Could not process"}) {
        const std::vector<std::string> found = logLines(marker);
        errors.insert(errors.end(), found.begin(), found.end());
    }
    std::string block; // a traceback, up to its first line at the margin: the exception
    const auto keep = [&] {
        if (!block.empty() && block.find("brlapi") == std::string::npos) {
            errors.push_back(block);
        }
        block.clear();
    };
    for (const std::string& line : m_lines) {
        if (line.starts_with("Traceback (most recent call last):")) {
            keep();
            block = line;
        } else if (!block.empty()) {
            block += "\n" + line;
            if (!line.empty() && line[0] != ' ') {
                keep();
            }
        }
    }
    keep();
    return errors;
}

std::vector<std::string> ScreenReaderDesktop::logLines(const std::string& text) {
    readLog();
    std::vector<std::string> found;
    std::copy_if(m_lines.begin(), m_lines.end(), std::back_inserter(found),
                 [&text](const std::string& line) { return line.find(text) != std::string::npos; });
    return found;
}

std::string ScreenReaderDesktop::report() {
    readLog();
    std::string text = "Orca spoke:\n";
    for (Mark i = 0; i < m_spoken.size(); ++i) {
        text += "  " + std::to_string(i) + ": '" + m_spoken[i].text + "'\n";
    }
    text += "The last lines of Orca's log:\n";
    for (std::size_t i = m_lines.size() > 60 ? m_lines.size() - 60 : 0; i < m_lines.size(); ++i) {
        text += "  " + m_lines[i].substr(0, 300) + "\n";
    }
    return text;
}

} // namespace gachapoko::test
