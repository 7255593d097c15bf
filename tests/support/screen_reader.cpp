// The screen reader's desktop: the programs of a small graphical session started one by one in
// a private home, and Orca's debug log read as it grows.
#include "tests/support/screen_reader.h"

#include "tests/support/suite.h"

#include <fstream>
#include <sstream>

namespace gachapoko::test {

namespace {

namespace fs = std::filesystem;

void write(const fs::path& file, const std::string& text, fs::perms permissions) {
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
// nothing when the line is none.
std::optional<std::string> utteranceOf(const std::string& line) {
    static const std::string Prefix = "SPEECH OUTPUT: '";
    const std::size_t start = line.find(Prefix);
    if (start == std::string::npos) {
        return std::nullopt;
    }
    std::string rest = line.substr(start + Prefix.size());
    // The voice, a Python dictionary that may hold dictionaries, ends the line.
    if (!rest.empty() && rest.back() == '}') {
        int depth = 0;
        std::size_t i = rest.size();
        while (i-- > 0) {
            depth += rest[i] == '}' ? 1 : rest[i] == '{' ? -1 : 0;
            if (depth == 0) {
                break;
            }
        }
        rest.resize(i == std::string::npos ? 0 : i);
    }
    while (!rest.empty() && rest.back() == ' ') {
        rest.pop_back();
    }
    if (const std::size_t voice = rest.rfind("' voice="); voice != std::string::npos) {
        rest.resize(voice + 1);
    }
    if (!rest.empty() && rest.back() == '\'') {
        rest.pop_back();
    }
    return rest;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
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
    write(home / ".asoundrc", "pcm.!default { type null }\n",
          fs::perms::owner_read | fs::perms::owner_write);
    write(home / "bin/pgrep", "#!/bin/sh\n# No other screen reader runs in this desktop.\nexit 1\n",
          fs::perms::owner_all);
    write(home / "config/speech-dispatcher/speechd.conf",
          "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
          "DefaultModule espeak-ng\nAudioOutputMethod \"alsa\"\n",
          fs::perms::owner_read | fs::perms::owner_write);
    write(home / "python/sitecustomize.py", LineBufferedLog,
          fs::perms::owner_read | fs::perms::owner_write);
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
        m_log.clear();
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
        const auto started = [this] {
            readLog();
            return m_log.find("ORCA: Starting registry") != std::string::npos;
        };
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
    if (!file) {
        return;
    }
    file.seekg(static_cast<std::streamoff>(m_logOffset));
    std::string fresh((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // Only whole lines: Orca may be half-way through one.
    const std::size_t end = fresh.rfind('\n');
    if (end == std::string::npos) {
        return;
    }
    fresh.resize(end + 1);
    m_logOffset += fresh.size();
    m_log += fresh;
    const auto now = Clock::now();
    for (const std::string& line : linesOf(fresh)) {
        if (auto text = utteranceOf(line)) {
            m_spoken.push_back({std::move(*text), now});
        }
    }
}

const std::vector<ScreenReaderDesktop::Utterance>& ScreenReaderDesktop::spoken() {
    readLog();
    return m_spoken;
}

std::optional<std::vector<ScreenReaderDesktop::Utterance>>
ScreenReaderDesktop::waitForSpeech(Mark from, const std::string& text,
                                   std::chrono::milliseconds timeout) {
    return waitForSpeech(
        from, [&text](const std::string& spoken) { return spoken.find(text) != std::string::npos; },
        timeout);
}

std::optional<std::vector<ScreenReaderDesktop::Utterance>>
ScreenReaderDesktop::waitForSpeech(Mark from,
                                   const std::function<bool(const std::string&)>& matches,
                                   std::chrono::milliseconds timeout) {
    Mark looked = from;
    const auto heard = [&] {
        readLog();
        if (m_game) {
            m_game->running(); // keeps its output flowing
        }
        for (; looked < m_spoken.size(); ++looked) {
            if (matches(m_spoken[looked].text)) {
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
    readLog();
    std::vector<std::string> errors;
    const std::vector<std::string> lines = linesOf(m_log);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.find("bad content sent to speak()") != std::string::npos ||
            line.find("ERROR: Could not process") != std::string::npos) {
            errors.push_back(line);
        } else if (line.rfind("Traceback (most recent call last):", 0) == 0) {
            // The block runs to its first line at the margin: the exception.
            std::string block = line;
            while (++i < lines.size() && (lines[i].empty() || lines[i][0] == ' ')) {
                block += "\n" + lines[i];
            }
            if (i < lines.size()) {
                block += "\n" + lines[i];
            }
            if (block.find("brlapi") == std::string::npos) {
                errors.push_back(block);
            }
        }
    }
    return errors;
}

std::vector<std::string> ScreenReaderDesktop::eventsReceived(const std::string& kind) {
    readLog();
    std::vector<std::string> events;
    for (const std::string& line : linesOf(m_log)) {
        if (line.find("EVENT MANAGER: " + kind + " for ") != std::string::npos) {
            events.push_back(line);
        }
    }
    return events;
}

std::string ScreenReaderDesktop::report() {
    readLog();
    std::string text = "Orca spoke:\n";
    for (Mark i = 0; i < m_spoken.size(); ++i) {
        text += "  " + std::to_string(i) + ": '" + m_spoken[i].text + "'\n";
    }
    const std::vector<std::string> lines = linesOf(m_log);
    text += "The last lines of Orca's log:\n";
    for (std::size_t i = lines.size() > 60 ? lines.size() - 60 : 0; i < lines.size(); ++i) {
        text += "  " + lines[i].substr(0, 300) + "\n";
    }
    return text;
}

} // namespace gachapoko::test
