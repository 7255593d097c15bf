// The package unpacked into a folder of its own and its program started on a private Xvfb, in a
// session of its own, as a desktop starts it: the window appears showing the title picture,
// under the window class the desktop entry names, offering the icon at 32x32 and 64x64, and
// closes cleanly. Where tools/screenshots names a folder in GACHAPOKO_SCREENSHOT_DIR, the grab is
// also kept there as packaged-welcome.png, which becomes the README's picture.
#include "assets/picture_lookup.h"
#include "logic/site_table.h"
#include "tests/packaging/desktop_files.h"
#include "tests/packaging/packaging_facts.h"
#include "tests/support/pictures.h"
#include "tests/support/x_client.h"
#include "tests/support/x_server.h"
#include "ui/game_text.h"

#include <QDir>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace gachapoko::test {
namespace {

TEST(UnpackedPackage, ProgramOpensOnTheTitlePictureAsItsDesktopEntryDescribes) {
    const TemporaryDirectory root;
    const TemporaryDirectory home;
    const Finished unpack =
        run(DpkgDeb, {"--extract", packageFile().toStdString(), root.path().string()},
            toolEnvironment());
    ASSERT_TRUE(unpack.succeeded()) << unpack.report();
    const QDir unpacked(QString::fromStdString(root.path().string()));
    const auto entry = readDesktopEntry(unpacked.filePath(DebianInstallDirs.desktopEntry()));
    ASSERT_FALSE(entry.empty());

    XServer server;
    ASSERT_EQ(server.start(), "") << "the set-up script installs Xvfb";
    XClient client(server.display());
    ASSERT_EQ(client.error(), "");

    // A bare X session: only what a display manager would give the program, with a home of its
    // own, so that nothing of this machine's settings (scale factors, themes, the user's fonts, a
    // session bus) changes what it shows.
    Process game(unpacked.filePath(DebianInstallDirs.program()).toStdString(), {},
                 Environment::privateSession(home.path())
                     .set("DISPLAY", server.display())
                     .set("QT_QPA_PLATFORM", "xcb"));
    game.setWorkingDirectory(home.path());
    ASSERT_EQ(game.start(), "");
    const unsigned long window = client.waitForWindow(game, toQString(GameTitle).toStdString());
    ASSERT_NE(window, 0u) << "the game's window did not appear: " << game.report();

    // The window may be mapped a moment before its first frame is drawn.
    const std::optional<QImage> title = loadPicture(TitlePicture);
    ASSERT_TRUE(title.has_value());
    QImage shot = client.grab(window);
    for (int tries = 0; tries < 100 && !pictureOnScreenDifference(shot, *title).empty(); ++tries) {
        std::this_thread::sleep_for(50ms);
        shot = client.grab(window);
    }
    EXPECT_EQ(pictureOnScreenDifference(shot, *title), "")
        << "the title picture is not on the screen";
    EXPECT_EQ(shot.size(), QSize(201, 273));
    if (const QString dir = qEnvironmentVariable("GACHAPOKO_SCREENSHOT_DIR"); !dir.isEmpty()) {
        EXPECT_TRUE(shot.save(dir + QStringLiteral("/packaged-welcome.png")));
    }

    // The desktop matches the window to its entry by the class; the entry says which.
    const XClient::WmClass wmClass = client.wmClass(window);
    EXPECT_EQ(QString::fromStdString(wmClass.className),
              entry.at(QStringLiteral("StartupWMClass")));
    EXPECT_EQ(QString::fromStdString(wmClass.instance), ProgramName);

    // The title bar and task bar get the icon as it is (32x32) and doubled for dense screens.
    const std::vector<QImage> icons = client.icons(window);
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(iconDifference(icons[0], 1), "");
    EXPECT_EQ(iconDifference(icons[1], 2), "");

    client.askToClose(window);
    ASSERT_TRUE(game.waitForEnd(5s)) << "the game did not end when its window closed";
    EXPECT_TRUE(game.exited() && game.exitCode() == 0) << game.report();
}

} // namespace
} // namespace gachapoko::test
