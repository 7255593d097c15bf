// The program itself on the X server: it opens centred on the welcome screen, and closing its
// window in the middle of a bout ends it at once, with no prompt and nothing written.
#include "tests/e2e/e2e_environment.h"
#include "tests/e2e/x_input.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

TEST(Program, ClosingTheWindowMidBoutEndsItAtOnceWritingNothing) {
    if (!test::xUnavailableReason().empty()) {
        GTEST_SKIP() << "No X server for the end-to-end tests: " << test::xUnavailableReason();
    }
    XInput input(test::xDisplay());
    if (!input.error().empty()) {
        GTEST_SKIP() << "No input injection: " << input.error();
    }

    // A home of its own, to see that the game leaves nothing behind.
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(test::xDisplay()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

    QProcess game;
    game.setProcessEnvironment(environment);
    game.setWorkingDirectory(home.path());
    game.start(QStringLiteral(GACHAPOKO_EXECUTABLE), {});
    ASSERT_TRUE(game.waitForStarted(5000));

    unsigned long window = 0;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            window = input.findWindow(static_cast<long>(game.processId()), "ガチャポコ");
            return window != 0;
        },
        10000))
        << "the game's window did not appear";
    QTest::qWait(300);
    int left = 0;
    int top = 0;
    ASSERT_TRUE(input.windowOrigin(window, left, top));
    // Centred on the 1024x768 screen of the test server.
    EXPECT_NEAR(left, (1024 - 201) / 2, 1);
    EXPECT_NEAR(top, (768 - 273) / 2, 1);

    // Welcome -> map -> the town -> its bout, then a few presses.
    const int nextX = left + 100;
    const int nextY = top + 214;
    input.click(nextX, nextY);
    QTest::qWait(300);
    input.click(left + 2 + 160, top + 2 + 120);
    QTest::qWait(300);
    input.click(nextX, nextY);
    QTest::qWait(300);
    for (int i = 0; i < 10; ++i) {
        input.click(left + 100, top + 100, i % 2 == 0 ? XInput::Left : XInput::Right);
    }
    QTest::qWait(500);
    ASSERT_EQ(game.state(), QProcess::Running);

    QElapsedTimer closing;
    closing.start();
    input.askToClose(window);
    ASSERT_TRUE(game.waitForFinished(3000)) << "the game did not end when its window closed";
    EXPECT_LT(closing.elapsed(), 3000);
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);

    QStringList written;
    QDirIterator files(home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        written << files.next();
    }
    EXPECT_TRUE(written.isEmpty()) << written.join(QStringLiteral(", ")).toStdString();
}

} // namespace
} // namespace gachapoko::test
