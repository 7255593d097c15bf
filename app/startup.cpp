// Qt's start in a desktop session.
#include "app/startup.h"

#include "app/session.h"
#include "app/x_display.h"
#include "platform/platform.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#if GACHAPOKO_FREEDESKTOP
#include <langinfo.h>
#include <strings.h>
#endif

namespace gachapoko {

namespace {

// One line, however the display's name or a server's words are made.
void say(const std::string& message) {
    std::fprintf(stderr, "gachapoko: %s\n", quotable(message).c_str());
}

// A standard stream the game was started without would be taken by the next file it opens, the
// X connection's socket say, and a message meant for the terminal would go into it.
void openClosedStandardStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) < 0) {
            open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY); // takes `fd`, the lowest
        }
    }
}

// Xlib writes the window's legacy title (WM_NAME) in the C library's encoding; under LANG=C
// that is ASCII. Only the encoding changes: messages, dates and sorting keep the user's locale.
void useUtf8CharacterEncoding() {
#if GACHAPOKO_FREEDESKTOP
    const char* encoding = nl_langinfo(CODESET);
    if (strcasecmp(encoding, "UTF-8") != 0 && strcasecmp(encoding, "utf8") != 0) {
        std::setlocale(LC_CTYPE, "C.UTF-8");
    }
#endif
}

} // namespace

std::string quotable(std::string_view text) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string line;
    for (const char c : text.substr(0, 300)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < ' ' || byte == 0x7f) {
            line += {'\\', 'x', Hex[byte >> 4], Hex[byte & 0xf]};
        } else {
            line += c;
        }
    }
    return line;
}

std::unique_ptr<QApplication> startApplication(int& argc, char** argv, StartSteps* steps) {
    openClosedStandardStreams();
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value != nullptr ? value : "");
    };
    SessionLookups session{variable, static_cast<unsigned>(geteuid()), {}, std::nullopt};
    if constexpr (platform::Freedesktop) {
        session.userRuntimeDir = "/run/user/" + std::to_string(session.uid);
        const std::string display = variable("DISPLAY");
        const std::string platformName = variable("QT_QPA_PLATFORM");
        if (display.empty() && platformName.empty() && variable("WAYLAND_DISPLAY").empty()) {
            say("cannot open its window: no display to show the window on (neither DISPLAY nor "
                "WAYLAND_DISPLAY is set)");
            return nullptr;
        }
        // Where Qt is to use the X display, it is asked first: a failure there is one line.
        if (!display.empty() && (platformName.empty() || platformName.starts_with("xcb"))) {
            DisplayCheck check = checkDisplay(display, busSelectionName(session.uid));
            if (!check.failure.empty()) {
                say("cannot open its window: " + check.failure);
                return nullptr;
            }
            session.displayBus = std::move(check.sessionBus);
        }
        std::vector<std::string> warnings;
        if (const auto bus = chooseSessionBus(session, warnings)) {
            setenv("DBUS_SESSION_BUS_ADDRESS", bus->c_str(), 1);
        }
        for (const std::string& warning : warnings) {
            say(warning);
        }
    }
    stepDone(steps, "the session lookups");
    std::unique_ptr<QApplication> application;
    {
        // Qt decides on its runtime directory once, while the application object is made.
        const RuntimeDirLoan loan(platform::Freedesktop ? chooseRuntimeDir(session)
                                                        : RuntimeDirChoice{});
        application = std::make_unique<QApplication>(argc, argv);
    }
    useUtf8CharacterEncoding();
    stepDone(steps, "Qt's start");
    return application;
}

} // namespace gachapoko
