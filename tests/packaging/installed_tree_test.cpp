// The build installed into a fresh prefix (`cmake --install`): every file where the GNU and
// freedesktop conventions put it and nothing else (no tests, benchmark or painter), the desktop
// entry and metainfo accepted by their validators, one application id throughout, and icons that
// are the program's own pixels. (That the program carries no RUNPATH is lintian's to say.)
#include "logic/site_table.h"
#include "tests/packaging/desktop_files.h"
#include "tests/packaging/packaging_facts.h"
#include "tests/support/pictures.h"
#include "ui/game_text.h"

#include <QImage>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace gachapoko::test {
namespace {

QString installed(const QString& relative) {
    return InstalledDir + QLatin1Char('/') + relative;
}

Finished runOn(const std::string& tool, std::vector<std::string> options, const QString& file) {
    options.push_back(file.toStdString());
    return run(tool, options, toolEnvironment());
}

TEST(InstalledTree, HoldsEveryFileWhereTheConventionsPutItAndNothingElse) {
    EXPECT_EQ(filesUnder(InstalledDir), expectedFiles(BuildInstallDirs))
        << "installed into " << InstalledDir.toStdString();
}

TEST(InstalledTree, DesktopEntryPassesDesktopFileValidate) {
    const Finished validation =
        runOn(DesktopFileValidate, {}, installed(BuildInstallDirs.desktopEntry()));
    EXPECT_TRUE(validation.succeeded()) << validation.report();
    // It prints nothing at all for an entry without errors, warnings or hints.
    EXPECT_EQ(validation.out + validation.err, "") << validation.report();
}

TEST(InstalledTree, MetainfoPassesAppstreamcliValidate) {
    // Errors, warnings and infos fail (--strict); pedantic notes are advice.
    const Finished validation =
        runOn(Appstreamcli, {"validate", "--no-net", "--strict", "--pedantic", "--explain"},
              installed(BuildInstallDirs.metainfo()));
    EXPECT_TRUE(validation.succeeded()) << validation.report();
}

// The entry names what the installation holds: the program, the icon, and the window class that
// UnpackedPackage reads off the running program; in a Japanese session the menu shows the game's
// own title; and the game is filed under Games.
TEST(InstalledTree, DesktopEntryStartsTheProgramWithItsIconWindowClassAndTitle) {
    // A key the entry lacks reads as empty.
    auto entry = readDesktopEntry(installed(BuildInstallDirs.desktopEntry()));
    ASSERT_FALSE(entry.empty()) << installed(BuildInstallDirs.desktopEntry()).toStdString();
    const std::map<QString, QString> expected = {
        {QStringLiteral("Exec"), ProgramName},
        {QStringLiteral("Icon"), AppId},
        {QStringLiteral("StartupWMClass"), ProgramName},
        {QStringLiteral("Name[ja]"), toQString(GameTitle)},
    };
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(entry[key], value) << key.toStdString();
    }
    const QString categories = entry[QStringLiteral("Categories")];
    EXPECT_TRUE(categories.split(QLatin1Char(';')).contains(QStringLiteral("Game")))
        << categories.toStdString();
}

// The metainfo is written by hand beside the build's own id and version: it must name them.
TEST(InstalledTree, MetainfoNamesTheApplicationIdAndVersion) {
    const Metainfo metainfo = readMetainfo(installed(BuildInstallDirs.metainfo()));
    EXPECT_EQ(metainfo.id, AppId);
    EXPECT_EQ(metainfo.launchable, AppId + QStringLiteral(".desktop"));
    EXPECT_EQ(metainfo.latestRelease, Version);
}

TEST(InstalledTree, ChangelogsLatestEntryIsTheProjectsVersion) {
    const Finished changelog =
        runOn(Gzip, {"-dc"}, installed(BuildInstallDirs.doc + QStringLiteral("/changelog.gz")));
    ASSERT_TRUE(changelog.succeeded()) << changelog.report();
    const QString latest = outputOf(changelog).section(QLatin1Char('\n'), 0, 0);
    EXPECT_TRUE(latest.startsWith(QStringLiteral("gachapoko (") + Version + QStringLiteral(") ")))
        << latest.toStdString();
}

class ThemeIcon : public testing::TestWithParam<int> {};

TEST_P(ThemeIcon, IsTheProgramsIconEnlargedPixelForPixel) {
    const int size = GetParam();
    const QString path = installed(BuildInstallDirs.icon(size));
    const QImage icon(path);
    ASSERT_FALSE(icon.isNull()) << path.toStdString();
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(iconDifference(icon, size / 32), "");
}

INSTANTIATE_TEST_SUITE_P(InstalledTree, ThemeIcon, testing::ValuesIn(IconSizes),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Size" + std::to_string(info.param);
                         });

} // namespace
} // namespace gachapoko::test
