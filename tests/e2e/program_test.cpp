// The program itself on the X server, in the kinds of session a desktop may give it. It opens
// centred on the welcome screen with its title right under any locale, and closing its window in
// the middle of a bout ends it at once, with no prompt, nothing written and no process left
// behind, even where a session bus would be autolaunched (dbus-x11 installed, no bus running)
// and where XDG_RUNTIME_DIR is unset. Where a bus has already been autolaunched for the display
// (by a screen reader, say), the game joins that one.
#include "tests/e2e/e2e_environment.h"
#include "tests/e2e/x_input.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <set>

namespace gachapoko::test {
namespace {

// Everything the game could write to, each in a folder of the test's own.
struct Session {
    QTemporaryDir home;
    QTemporaryDir temp;
    QTemporaryDir runtime;

    QStringList written() const {
        QStringList files;
        for (const QTemporaryDir* dir : {&home, &temp, &runtime}) {
            QDirIterator entries(dir->path(),
                                 QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                 QDirIterator::Subdirectories);
            while (entries.hasNext()) {
                files << entries.next();
            }
        }
        return files;
    }
};

struct SessionKind {
    const char* name;
    bool runtimeDir;
    const char* locale;
    bool displayHasABus; // one autolaunched for the display before the game starts
};

void PrintTo(const SessionKind& kind, std::ostream* out) {
    *out << kind.name;
}

// A bare X session: only what a display manager without a session bus would give, so nothing
// of the machine running the tests (a session bus, a theme, a locale) decides the outcome.
QProcessEnvironment bareSession(const Session& session, const SessionKind& kind) {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/local/bin:/usr/bin:/bin"));
    environment.insert(QStringLiteral("HOME"), session.home.path());
    environment.insert(QStringLiteral("TMPDIR"), session.temp.path());
    environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(xDisplay()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(kind.locale));
    environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(kind.locale));
    if (kind.runtimeDir) {
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), session.runtime.path());
    }
    return environment;
}

class Program : public testing::TestWithParam<SessionKind> {
protected:
    void SetUp() override {
        if (!xUnavailableReason().empty()) {
            GTEST_SKIP() << "No X server for the end-to-end tests: " << xUnavailableReason();
        }
        m_input = std::make_unique<XInput>(xDisplay());
        ASSERT_TRUE(m_input->error().empty()) << m_input->error();
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("dbus-launch")).isEmpty())
            << "dbus-launch (package dbus-x11) is needed to try the game where a session bus "
               "would be autolaunched; scripts/ensure-deps.sh installs it";
        ASSERT_TRUE(m_session.home.isValid() && m_session.temp.isValid() &&
                    m_session.runtime.isValid());

        if (GetParam().displayHasABus) {
            ASSERT_NO_FATAL_FAILURE(autolaunchBusForTheDisplay());
        }
        m_ownProcesses = adoptedProcesses();

        m_game.setProcessEnvironment(bareSession(m_session, GetParam()));
        m_game.setWorkingDirectory(m_session.home.path());
        m_game.start(QStringLiteral(GACHAPOKO_EXECUTABLE), {});
        ASSERT_TRUE(m_game.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                m_window = m_input->findWindow(static_cast<long>(m_game.processId()), "ガチャポコ");
                return m_window != 0;
            },
            10000))
            << "the game's window did not appear; it printed: "
            << m_game.readAllStandardError().toStdString();
        QTest::qWait(300);
        ASSERT_TRUE(m_input->windowOrigin(m_window, m_left, m_top));
    }

    void TearDown() override {
        if (m_game.state() != QProcess::NotRunning) {
            m_game.kill();
            m_game.waitForFinished(3000);
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("display-bus"));
        for (const pid_t pid : m_ownProcesses) {
            endProcess(pid);
        }
    }

    // What a screen reader in a bare X session does: dbus-launch autolaunches a session bus for
    // the display and announces it there. Its files go into a home of their own.
    void autolaunchBusForTheDisplay() {
        QFile machineIdFile(QStringLiteral("/etc/machine-id"));
        ASSERT_TRUE(machineIdFile.open(QIODevice::ReadOnly));
        const QString machineId = QString::fromLatin1(machineIdFile.readLine().trimmed());
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        environment.insert(QStringLiteral("HOME"), m_busHome.path());
        environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(xDisplay()));
        QProcess launch;
        launch.setProcessEnvironment(environment);
        launch.start(QStringLiteral("dbus-launch"),
                     {QStringLiteral("--autolaunch"), machineId, QStringLiteral("--sh-syntax")});
        ASSERT_TRUE(launch.waitForFinished(10000));
        const QString output = QString::fromLocal8Bit(launch.readAllStandardOutput());
        const qsizetype start = output.indexOf(QStringLiteral("DBUS_SESSION_BUS_ADDRESS='"));
        ASSERT_GE(start, 0) << "dbus-launch said: " << output.toStdString();
        const qsizetype from = start + qsizetype(sizeof "DBUS_SESSION_BUS_ADDRESS='") - 1;
        m_displayBus = output.mid(from, output.indexOf(QLatin1Char('\''), from) - from);
    }

    // The process ids of the connections on the display's bus.
    QList<uint> displayBusClients() const {
        QDBusConnection bus =
            QDBusConnection::connectToBus(m_displayBus, QStringLiteral("display-bus"));
        QList<uint> pids;
        const QStringList names = bus.interface()->registeredServiceNames().value();
        for (const QString& name : names) {
            if (name.startsWith(QLatin1Char(':'))) {
                pids << bus.interface()->servicePid(name).value();
            }
        }
        return pids;
    }

    Session m_session;
    QTemporaryDir m_busHome;
    QString m_displayBus;
    std::set<pid_t> m_ownProcesses;
    std::unique_ptr<XInput> m_input;
    QProcess m_game;
    unsigned long m_window = 0;
    int m_left = 0;
    int m_top = 0;
};

TEST_P(Program, OpensCentredWithItsTitleRightForEveryWindowManager) {
    // Centred on the 1024x768 screen of the test server.
    EXPECT_NEAR(m_left, (1024 - 201) / 2, 1);
    EXPECT_NEAR(m_top, (768 - 273) / 2, 1);
    // Window managers and tools that read only the legacy WM_NAME show this.
    EXPECT_EQ(m_input->legacyTitle(m_window), "ガチャポコ");
    if (GetParam().displayHasABus) {
        // On the bus a screen reader is on too.
        EXPECT_TRUE(displayBusClients().contains(static_cast<uint>(m_game.processId())))
            << "the game is not on the bus autolaunched for the display";
    }
}

TEST_P(Program, ClosingTheWindowMidBoutEndsItAtOnceLeavingNothing) {
    // Welcome -> map -> the town -> its bout, then a few presses.
    const int nextX = m_left + 100;
    const int nextY = m_top + 214;
    m_input->click(nextX, nextY);
    QTest::qWait(300);
    m_input->click(m_left + 2 + 160, m_top + 2 + 120);
    QTest::qWait(300);
    m_input->click(nextX, nextY);
    QTest::qWait(300);
    for (int i = 0; i < 10; ++i) {
        m_input->click(m_left + 100, m_top + 100, i % 2 == 0 ? XInput::Left : XInput::Right);
    }
    QTest::qWait(500);
    ASSERT_EQ(m_game.state(), QProcess::Running);

    QElapsedTimer closing;
    closing.start();
    m_input->askToClose(m_window);
    ASSERT_TRUE(m_game.waitForFinished(3000)) << "the game did not end when its window closed";
    EXPECT_LT(closing.elapsed(), 3000);
    EXPECT_EQ(m_game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_game.exitCode(), 0);

    const QStringList written = m_session.written();
    EXPECT_TRUE(written.isEmpty())
        << "written: " << written.join(QStringLiteral(", ")).toStdString();
    QTest::qWait(300);
    const std::vector<std::string> left = reapLeftoverProcesses(m_ownProcesses);
    for (const std::string& process : left) {
        ADD_FAILURE() << "left running after the game: " << process;
    }
    const QByteArray printed = m_game.readAllStandardError();
    EXPECT_TRUE(printed.isEmpty()) << "the game printed: " << printed.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    BareXSession, Program,
    testing::Values(SessionKind{"RuntimeDirectoryWithoutABus", true, "C.UTF-8", false},
                    SessionKind{"NoRuntimeDirectory", false, "C.UTF-8", false},
                    SessionKind{"PlainCLocale", true, "C", false},
                    SessionKind{"BusAutolaunchedForTheDisplay", true, "C.UTF-8", true}),
    [](const testing::TestParamInfo<SessionKind>& info) { return std::string(info.param.name); });

} // namespace
} // namespace gachapoko::test
