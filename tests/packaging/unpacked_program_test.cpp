// The package unpacked into a folder of its own and its program started on a private Xvfb, in an
// environment of its own, as a desktop starts it: the window appears showing the title picture,
// under the window class the desktop entry names, offering the icon at 32x32 and 64x64, and
// closes cleanly. The grab is kept as screenshots/packaged-welcome.png for a person to look at.
#include "assets/picture_lookup.h"
#include "logic/site_table.h"
#include "tests/packaging/command.h"
#include "tests/packaging/desktop_files.h"
#include "tests/packaging/packaging_facts.h"
#include "tests/packaging/x_window.h"
#include "tests/support/x_client.h"
#include "tests/support/x_server.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace gachapoko::test {
namespace {

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// How the window fails to show the 200x200 `picture` as painted, or an empty string when it does
// not. The picture sits inside a 2-pixel border; its last column is under the border's far side.
std::string pictureDifference(const QImage& shot, const QImage& picture) {
    if (shot.width() < 2 + 199 || shot.height() < 2 + 200) {
        return "the window is too small for the picture";
    }
    const QImage expected = picture.convertToFormat(QImage::Format_RGB32);
    int wrong = 0;
    char first[80] = "";
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 199; ++x) {
            const QRgb shown = shot.pixel(x + 2, y + 2);
            if (shown != expected.pixel(x, y) && wrong++ == 0) {
                std::snprintf(first, sizeof first, ", the first at %d,%d: %08x, painted %08x", x, y,
                              shown, expected.pixel(x, y));
            }
        }
    }
    return wrong == 0 ? std::string() : std::to_string(wrong) + " pixels differ" + first;
}

// Only what a desktop session would give the program, with a home of its own, so that nothing
// of this machine's settings (scale factors, themes, fonts of the user, a session bus) changes
// what it shows or leaves anything running.
QProcessEnvironment sessionEnvironment(const QTemporaryDir& home, const std::string& display) {
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/local/bin:/usr/bin:/bin"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display));
    // A session bus that is not there: without one, libdbus would start a bus of its own through
    // the X server (dbus-x11), which outlives the program.
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") + home.filePath(QStringLiteral("no-bus")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

TEST(UnpackedPackage, ProgramOpensOnTheTitlePictureAsItsDesktopEntryDescribes) {
    QTemporaryDir root;
    QTemporaryDir home;
    ASSERT_TRUE(root.isValid() && home.isValid());
    const CommandResult unpack =
        runCommand(DpkgDeb, {QStringLiteral("--extract"), packageFile(), root.path()});
    ASSERT_TRUE(unpack.succeeded()) << unpack.report();
    const auto entry =
        readDesktopEntry(root.filePath(DebianInstallDirs.data + QStringLiteral("/applications/") +
                                       AppId + QStringLiteral(".desktop")));
    ASSERT_FALSE(entry.empty());

    XServer server;
    const std::string failure = server.start();
    ASSERT_EQ(failure, "") << "the set-up script installs Xvfb";
    XClient input(server.display());
    XWindowReader reader(server.display());
    ASSERT_EQ(input.error(), "");
    ASSERT_TRUE(reader.connected());

    QProcess game;
    game.setProcessEnvironment(sessionEnvironment(home, server.display()));
    game.setProcessChannelMode(QProcess::ForwardedChannels);
    game.start(root.filePath(DebianInstallDirs.bin + QStringLiteral("/gachapoko")), {});
    ASSERT_TRUE(game.waitForStarted(5000)) << game.errorString().toStdString();

    unsigned long window = 0;
    ASSERT_TRUE(waitFor(
        [&] {
            window = input.findWindow(static_cast<long>(game.processId()), "ガチャポコ");
            return window != 0;
        },
        10000))
        << "the game's window did not appear";

    const std::optional<QImage> title = loadPicture(TitlePicture);
    ASSERT_TRUE(title.has_value());
    QImage shot;
    waitFor(
        [&] {
            shot = reader.grab(window);
            return pictureDifference(shot, *title).empty();
        },
        5000);
    QDir().mkpath(QStringLiteral("screenshots"));
    shot.save(QStringLiteral("screenshots/packaged-welcome.png"));
    EXPECT_EQ(pictureDifference(shot, *title), "") << "the title picture is not on the screen";
    EXPECT_EQ(shot.size(), QSize(201, 273));

    // The desktop matches the window to its entry by the class; the entry says which.
    const XWindowReader::WmClass wmClass = reader.wmClass(window);
    EXPECT_EQ(wmClass.className, entry.at(QStringLiteral("StartupWMClass")));
    EXPECT_EQ(wmClass.instance, ProgramName);

    // The title bar and task bar get the icon as it is and doubled for dense screens.
    const std::vector<QImage> icons = reader.icons(window);
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[0].size(), QSize(32, 32));
    EXPECT_EQ(differenceFromIcon(icons[0], 1), "");
    EXPECT_EQ(icons[1].size(), QSize(64, 64));
    EXPECT_EQ(differenceFromIcon(icons[1], 2), "");

    input.askToClose(window);
    ASSERT_TRUE(game.waitForFinished(5000)) << "the game did not end when its window closed";
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);
}

} // namespace
} // namespace gachapoko::test
