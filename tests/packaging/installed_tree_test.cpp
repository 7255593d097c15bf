// The build installed into a fresh prefix (`cmake --install`): every file where the GNU and
// freedesktop conventions put it and nothing else (no tests, benchmark or painter), a program
// free of build-tree paths, the desktop entry and metainfo accepted by their validators, one
// application id throughout, and icons that are the program's own pixels.
#include "logic/site_table.h"
#include "tests/packaging/desktop_files.h"
#include "tests/packaging/packaging_facts.h"
#include "tests/support/pictures.h"
#include "ui/game_text.h"

#include <QImage>
#include <QRegularExpression>
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

QString desktopEntryPath() {
    return installed(BuildInstallDirs.data + QStringLiteral("/applications/") + AppId +
                     QStringLiteral(".desktop"));
}

QString metainfoPath() {
    return installed(BuildInstallDirs.data + QStringLiteral("/metainfo/") + AppId +
                     QStringLiteral(".metainfo.xml"));
}

// Lines of a validator's output that report an error or a warning.
QStringList complaints(const QString& output, const QRegularExpression& complaint) {
    QStringList found;
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        if (complaint.match(line).hasMatch()) {
            found << line;
        }
    }
    return found;
}

TEST(InstalledTree, HoldsEveryFileWhereTheConventionsPutItAndNothingElse) {
    EXPECT_EQ(filesUnder(InstalledDir), expectedFiles(BuildInstallDirs))
        << "installed into " << InstalledDir.toStdString();
}

// The build tree is gone on the user's machine: a RUNPATH into it would be at best useless and
// at worst a way to load someone else's libraries.
TEST(InstalledTree, ProgramCarriesNoRunPath) {
    const Finished dynamic = runOn(Readelf, {"--dynamic"},
                                   installed(BuildInstallDirs.bin + QStringLiteral("/gachapoko")));
    ASSERT_TRUE(dynamic.succeeded()) << dynamic.report();
    EXPECT_NE(dynamic.out.find("(NEEDED)"), std::string::npos) << dynamic.report();
    EXPECT_EQ(dynamic.out.find("(RUNPATH)"), std::string::npos) << dynamic.report();
    EXPECT_EQ(dynamic.out.find("(RPATH)"), std::string::npos) << dynamic.report();
}

TEST(InstalledTree, DesktopEntryPassesDesktopFileValidate) {
    const Finished validation = runOn(DesktopFileValidate, {}, desktopEntryPath());
    EXPECT_TRUE(validation.succeeded()) << validation.report();
    // It prints nothing at all for an entry without errors, warnings or hints.
    EXPECT_EQ(validation.out + validation.err, "") << validation.report();
}

TEST(InstalledTree, MetainfoPassesAppstreamcliValidate) {
    const Finished validation =
        runOn(Appstreamcli, {"validate", "--no-net", "--pedantic", "--explain"}, metainfoPath());
    EXPECT_TRUE(validation.succeeded()) << validation.report();
    // Errors and warnings fail; infos and pedantic notes are advice.
    EXPECT_EQ(complaints(outputOf(validation), QRegularExpression(QStringLiteral("^[EW]: "))),
              QStringList())
        << validation.report();
}

// The entry names what the installation holds: the program, the icon, and the window class that
// UnpackedPackage reads off the running program; in a Japanese session the menu shows the game's
// own title; and the game is filed under Games.
TEST(InstalledTree, DesktopEntryStartsTheProgramWithItsIconWindowClassAndTitle) {
    const auto entry = readDesktopEntry(desktopEntryPath());
    ASSERT_FALSE(entry.empty()) << desktopEntryPath().toStdString();
    const std::map<QString, QString> expected = {
        {QStringLiteral("Exec"), ProgramName},
        {QStringLiteral("Icon"), AppId},
        {QStringLiteral("StartupWMClass"), ProgramName},
        {QStringLiteral("Name[ja]"), toQString(GameTitle)},
    };
    for (const auto& [key, value] : expected) {
        const auto found = entry.find(key);
        ASSERT_NE(found, entry.end()) << key.toStdString();
        EXPECT_EQ(found->second, value) << key.toStdString();
    }
    const auto categories = entry.find(QStringLiteral("Categories"));
    ASSERT_NE(categories, entry.end());
    EXPECT_TRUE(categories->second.split(QLatin1Char(';')).contains(QStringLiteral("Game")))
        << categories->second.toStdString();
}

// The metainfo is written by hand beside the build's own id and version: it must name them.
TEST(InstalledTree, MetainfoNamesTheApplicationIdAndVersion) {
    const Metainfo metainfo = readMetainfo(metainfoPath());
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
    const QString path = installed(QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png")
                                       .arg(BuildInstallDirs.data)
                                       .arg(size)
                                       .arg(AppId));
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
