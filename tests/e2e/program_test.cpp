// The program itself on the X server, in the kinds of session a desktop may give it. It opens
// centred on the welcome screen with its title right under any locale, and closing its window in
// the middle of a bout ends it at once, with no prompt, nothing written and no process left
// behind, even where a session bus would be autolaunched (dbus-x11 installed, no bus running)
// and where XDG_RUNTIME_DIR is unset, and started with standard streams closed. Where a bus has
// already been autolaunched for the display (by a screen reader, say), the game joins that one.
#include "tests/support/process.h"
#include "tests/support/suite.h"
#include "tests/support/x_client.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>

namespace gachapoko::test {
namespace {

struct SessionKind {
    const char* name;
    bool runtimeDir;
    const char* locale;
    bool displayHasABus;            // one autolaunched for the display before the game starts
    bool openHome = false;          // mode 0755 and no private directory anywhere, as under su
    const char* closedStreams = ""; // `gachapoko <&- >&- 2>&-`, say
};

void PrintTo(const SessionKind& kind, std::ostream* out) {
    *out << kind.name;
}

class Program : public testing::TestWithParam<SessionKind> {
protected:
    void SetUp() override {
        ASSERT_EQ(m_input.error(), "");
        ASSERT_EQ(run("dbus-launch", {"--version"}, Environment().pass("PATH")).problem, "")
            << "dbus-launch (package dbus-x11) is needed to try the game where a session bus "
               "would be autolaunched";
        if (GetParam().displayHasABus) {
            ASSERT_NO_FATAL_FAILURE(autolaunchBusForTheDisplay());
        }
        m_ownProcesses = childProcesses();

        // A bare X session: only what a display manager without a session bus would give, so
        // nothing of the machine running the tests (a session bus, a theme, a locale) decides
        // the outcome.
        Environment session = Environment::privateSession(m_home.path())
                                  .set("DISPLAY", xDisplay())
                                  .set("QT_QPA_PLATFORM", "xcb")
                                  .set("LANG", GetParam().locale)
                                  .set("LC_ALL", GetParam().locale);
        if (!GetParam().runtimeDir) {
            session.unset("XDG_RUNTIME_DIR");
        }
        if (GetParam().openHome) {
            std::filesystem::permissions(m_home.path(), std::filesystem::perms(0755));
        }
        // Through a shell that closes the streams and hands its process over to the game.
        const std::string shell = std::string("exec \"$0\" ") + GetParam().closedStreams;
        m_game = std::make_unique<Process>(
            "sh", std::vector<std::string>{"-c", shell, gameExecutable()}, session);
        m_game->setWorkingDirectory(m_home.path());
        ASSERT_EQ(m_game->start(), "");
        m_window = m_input.waitForWindow(*m_game, "ガチャポコ");
        ASSERT_NE(m_window, 0u) << "the game's window did not appear: " << m_game->report();
        ASSERT_TRUE(m_input.windowOrigin(m_window, m_left, m_top));
    }

    void TearDown() override {
        m_game.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("display-bus"));
        endLeftovers(m_beforeBus);
    }

    // What a screen reader in a bare X session does: dbus-launch autolaunches a session bus for
    // the display and announces it there. Its files go into a home of their own.
    void autolaunchBusForTheDisplay() {
        std::ifstream machineIdFile("/etc/machine-id");
        std::string machineId;
        ASSERT_TRUE(std::getline(machineIdFile, machineId));
        m_beforeBus = childProcesses();
        const Finished launch =
            run("dbus-launch", {"--autolaunch", machineId, "--sh-syntax"},
                Environment::privateSession(m_busHome.path()).set("DISPLAY", xDisplay()), 10s);
        const std::string prefix = "DBUS_SESSION_BUS_ADDRESS='";
        const auto start = launch.out.find(prefix);
        ASSERT_NE(start, std::string::npos) << launch.report();
        const auto from = start + prefix.size();
        m_displayBus = launch.out.substr(from, launch.out.find('\'', from) - from);
    }

    // Whether one of the connections on the display's bus is the game's.
    bool gameIsOnTheDisplayBus() const {
        QDBusConnection bus = QDBusConnection::connectToBus(QString::fromStdString(m_displayBus),
                                                            QStringLiteral("display-bus"));
        const QStringList names = bus.interface()->registeredServiceNames().value();
        return std::any_of(names.begin(), names.end(), [&](const QString& name) {
            return name.startsWith(QLatin1Char(':')) && bus.interface()->servicePid(name).value() ==
                                                            static_cast<unsigned>(m_game->pid());
        });
    }

    TemporaryDirectory m_home;
    TemporaryDirectory m_busHome;
    std::string m_displayBus;
    std::set<pid_t> m_beforeBus = childProcesses();
    std::set<pid_t> m_ownProcesses;
    XClient m_input{xDisplay()};
    std::unique_ptr<Process> m_game;
    unsigned long m_window = 0;
    int m_left = 0, m_top = 0;
};

TEST_P(Program, OpensCentredAsAFixedWindowWithItsTitleRightAndClosesMidBoutLeavingNothing) {
    // Centred on the 1024x768 screen of the test server.
    EXPECT_NEAR(m_left, (1024 - 201) / 2, 1);
    EXPECT_NEAR(m_top, (768 - 273) / 2, 1);
    // A close box and a system menu, but no minimise or maximise box, at a fixed size.
    const XClient::WindowManagerHints hints = m_input.windowManagerHints(m_window);
    EXPECT_EQ(hints.functions & 0x38, 0x20u) << "close, not minimise or maximise";
    EXPECT_EQ(hints.decorations & 0x70, 0x10u) << "a menu, not minimise or maximise boxes";
    EXPECT_EQ(std::make_pair(hints.minWidth, hints.minHeight), std::make_pair(201, 273));
    EXPECT_EQ(std::make_pair(hints.maxWidth, hints.maxHeight), std::make_pair(201, 273));
    // Window managers and tools that read only the legacy WM_NAME show this.
    EXPECT_EQ(m_input.legacyTitle(m_window), "ガチャポコ");
    // Where a screen reader's bus was autolaunched for the display, on that bus too.
    EXPECT_TRUE(!GetParam().displayHasABus || gameIsOnTheDisplayBus())
        << "the game is not on the bus autolaunched for the display";

    // Welcome -> map -> the town -> its bout ("Next", the town, "Next"), then a few presses.
    for (const auto& [x, y] :
         {std::pair(100, 214), std::pair(2 + 160, 2 + 120), std::pair(100, 214)}) {
        m_input.click(m_left + x, m_top + y);
        m_game->waitForEnd(300ms);
    }
    for (int i = 0; i < 10; ++i) {
        m_input.click(m_left + 100, m_top + 100, i % 2 == 0 ? XClient::Left : XClient::Right);
    }
    ASSERT_FALSE(m_game->waitForEnd(500ms)) << m_game->report();

    m_input.askToClose(m_window);
    ASSERT_TRUE(m_game->waitForEnd(3s)) << "the game did not end when its window closed";
    EXPECT_EQ(m_game->exitCode(), 0); // -1 where a signal ended it
    EXPECT_EQ(m_game->standardError(), "");

    // The private session's empty directories are all there is.
    EXPECT_EQ(m_home.contents(),
              (std::vector<std::string>{"cache", "config", "data", "runtime", "tmp"}));
    m_game->waitForEnd(300ms);
    for (const std::string& process : endLeftovers(m_ownProcesses)) {
        ADD_FAILURE() << "left running after the game: " << process;
    }
}

INSTANTIATE_TEST_SUITE_P(
    BareXSession, Program,
    testing::Values(SessionKind{"RuntimeDirectoryWithoutABus", true, "C.UTF-8", false},
                    SessionKind{"NoRuntimeDirectory", false, "C.UTF-8", false},
                    SessionKind{"PlainCLocale", true, "C", false},
                    SessionKind{"BusAutolaunchedForTheDisplay", true, "C.UTF-8", true},
                    SessionKind{"OpenHomeNoPrivateDirectory", false, "C.UTF-8", false, true},
                    SessionKind{"NoStandardStreams", true, "C.UTF-8", false, false, "<&- >&- 2>&-"},
                    SessionKind{"OnlyStandardInput", true, "C.UTF-8", false, false, ">&- 2>&-"},
                    SessionKind{"NoStandardError", true, "C.UTF-8", false, false, "2>&-"}),
    [](const testing::TestParamInfo<SessionKind>& info) { return std::string(info.param.name); });

} // namespace
} // namespace gachapoko::test
