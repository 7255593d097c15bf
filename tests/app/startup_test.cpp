// The real program where its window cannot open: one line of its own, status 1, and nothing left
// behind. Each display fails in its own way: none set, nobody serving it, a server that refuses
// the game, one that drops it, and a name holding control characters.
#include "tests/app/dropping_x_server.h"
#include "tests/support/process.h"
#include "tests/support/suite.h"
#include "tests/support/x_server.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

namespace gachapoko::test {
namespace {

bool hasControlCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end() - 1, [](unsigned char c) { return c < ' '; });
}

TEST(Startup, ADisplayThatCannotBeUsedGivesOneLineStatusOneAndLeavesNothing) {
    const TemporaryDirectory home;
    // A server that accepts only clients with its cookie (one Xauthority entry for any
    // display), and a client without one.
    const std::filesystem::path cookies = home.path() / "cookies";
    const std::string name = "MIT-MAGIC-COOKIE-1";
    std::ofstream(cookies) << std::string("\xff\xff\0\0\0\0\0\x12", 8) << name
                           << std::string("\0\x10", 2) << std::string(16, 'c');
    XServer refusing;
    ASSERT_EQ(refusing.start({cookies}), "");

    // No runtime directory: Qt is lent a temporary one in TMPDIR for its start.
    const Environment session = Environment::privateSession(home.path()).unset("XDG_RUNTIME_DIR");
    struct Program {
        const char* name;
        std::string display;
        const char* cause;
        bool drops = false; // a server of its own each run, which drops the game
    };
    const Program cases[] = {
        {"no display at all", "", "no display to show the window on"},
        {"a display nobody serves", ":65000", "could not connect to display :65000"},
        {"a display that refuses the game", refusing.display(),
         "refused the connection (Authorization required"},
        {"a display that drops the game", {}, "closed the connection", true},
        {"control characters in the display's name", ":65000\r\n\x1b]0;owned\x07",
         "display :65000\\x0d\\x0a\\x1b]0;owned\\x07"},
    };
    for (const Program& c : cases) {
        for (const char* bus : {"", "disabled:"}) {
            SCOPED_TRACE(std::string(c.name) + (*bus != '\0' ? ", a bus given" : ""));
            std::optional<DroppingXServer> dropping;
            if (c.drops) {
                ASSERT_NE(dropping.emplace().display(), "");
            }
            Environment environment = session;
            environment.set("DISPLAY", dropping ? dropping->display() : c.display)
                .set("DBUS_SESSION_BUS_ADDRESS", bus);
            const Finished game = run(gameExecutable(), {}, environment, 30s);
            ASSERT_EQ(game.problem, "") << game.report();
            ASSERT_TRUE(game.exited) << game.report();
            EXPECT_EQ(game.exitCode, 1);
            EXPECT_EQ(game.out, "");
            EXPECT_EQ(game.err.rfind("gachapoko: cannot open its window: ", 0), 0u) << game.err;
            EXPECT_NE(game.err.find(c.cause), std::string::npos) << game.err;
            EXPECT_EQ(game.err.find('\n'), game.err.size() - 1) << "not one line:\n" << game.err;
            EXPECT_FALSE(hasControlCharacter(game.err)) << game.err;
            EXPECT_TRUE(std::filesystem::is_empty(home.path() / "tmp")) << "left in TMPDIR";
        }
    }
}

} // namespace
} // namespace gachapoko::test
