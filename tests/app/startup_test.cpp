// The program started where it cannot open its window says why in one line and ends with
// status 1: no abort, no core dump, no advice to reinstall it, no lines of Xlib's or libxcb's.
#include "app/missing_display.h"
#include "tests/support/dropping_x_server.h"
#include "tests/support/process.h"
#include "tests/support/suite.h"
#include "tests/support/x_server.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace gachapoko::test {
namespace {

TEST(MissingDisplay, IsCertainOnlyWithoutAnyDisplayOrChosenPlatform) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> environment;
        bool noDisplay;
    };
    const Case cases[] = {
        {"nothing set", {}, true},
        {"both empty", {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, true},
        {"X display", {{"DISPLAY", ":0"}}, false},
        {"Wayland display", {{"WAYLAND_DISPLAY", "wayland-0"}}, false},
        {"platform chosen", {{"QT_QPA_PLATFORM", "offscreen"}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto reason = missingDisplayReason([&](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? std::nullopt : std::optional(found->second);
        });
        EXPECT_EQ(reason.has_value(), c.noDisplay);
    }
}

TEST(Startup, ADisplayThatCannotBeUsedGivesOneLineAndStatusOne) {
    const TemporaryDirectory home;
    // A server that accepts only clients with its cookie (one Xauthority entry for any
    // display), and a client without one.
    const std::filesystem::path cookies = home.path() / "cookies";
    const std::string name = "MIT-MAGIC-COOKIE-1";
    std::ofstream(cookies) << std::string("\xff\xff\0\0\0\0\0\x12", 8) << name
                           << std::string("\0\x10", 2) << std::string(16, 'c');
    XServer refusing;
    ASSERT_EQ(refusing.start({cookies}), "");
    const DroppingXServer dropping;
    ASSERT_NE(dropping.display(), "");

    const Environment session = Environment::privateSession(home.path());
    struct Program {
        const char* name;
        Environment environment;
        const char* cause;
    };
    const Program cases[] = {
        {"no display at all", session, "no display to show the window on"},
        {"a display nobody serves", Environment(session).set("DISPLAY", ":65000"),
         "could not connect to display :65000"},
        // Asked first for a bus autolaunched for it, then by Qt.
        {"a display that refuses the game", Environment(session).set("DISPLAY", refusing.display()),
         "refused the connection (Authorization required"},
        {"a display that refuses the game, with a bus",
         Environment(session)
             .set("DISPLAY", refusing.display())
             .set("DBUS_SESSION_BUS_ADDRESS", "disabled:"),
         "(Authorization required"},
        {"a display that drops the game", Environment(session).set("DISPLAY", dropping.display()),
         "closed the connection"},
    };
    for (const Program& c : cases) {
        SCOPED_TRACE(c.name);
        const Finished game = run(gameExecutable(), {}, c.environment, 30s);
        ASSERT_EQ(game.problem, "") << game.report();
        ASSERT_TRUE(game.exited) << game.report();
        EXPECT_EQ(game.exitCode, 1);
        EXPECT_EQ(game.out, "");
        EXPECT_EQ(game.err.rfind("gachapoko: cannot open its window: ", 0), 0u) << game.err;
        EXPECT_NE(game.err.find(c.cause), std::string::npos) << game.err;
        EXPECT_EQ(game.err.find('\n'), game.err.size() - 1) << "more than one line:\n" << game.err;
    }
}

} // namespace
} // namespace gachapoko::test
