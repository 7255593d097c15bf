// The build installed into a fresh prefix (`cmake --install`): every file where the GNU and
// freedesktop conventions put it and nothing else (no tests, benchmark or painter), a program
// free of build-tree paths, the desktop entry and metainfo accepted by their validators, one
// application id throughout, and icons that are the program's own pixels.
#include "tests/packaging/command.h"
#include "tests/packaging/desktop_files.h"
#include "tests/packaging/packaging_facts.h"

#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

QString installed(const QString& relative) {
    return InstalledDir + QLatin1Char('/') + relative;
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

TEST(InstalledTree, OnlyTheProgramIsExecutable) {
    for (const QString& file : expectedFiles(BuildInstallDirs)) {
        SCOPED_TRACE(file.toStdString());
        const QFileInfo info(installed(file));
        const bool program = file == BuildInstallDirs.bin + QStringLiteral("/gachapoko");
        EXPECT_EQ(info.isExecutable(), program);
        EXPECT_TRUE(info.permissions().testFlag(QFileDevice::ReadOther));
    }
}

// The build tree is gone on the user's machine: a RUNPATH into it would be at best useless and
// at worst a way to load someone else's libraries.
TEST(InstalledTree, ProgramCarriesNoRunPath) {
    const CommandResult dynamic =
        runCommand(Readelf, {QStringLiteral("--dynamic"),
                             installed(BuildInstallDirs.bin + QStringLiteral("/gachapoko"))});
    ASSERT_TRUE(dynamic.succeeded()) << dynamic.report();
    EXPECT_TRUE(dynamic.out.contains(QStringLiteral("(NEEDED)"))) << dynamic.report();
    EXPECT_FALSE(dynamic.out.contains(QStringLiteral("(RUNPATH)"))) << dynamic.report();
    EXPECT_FALSE(dynamic.out.contains(QStringLiteral("(RPATH)"))) << dynamic.report();
}

TEST(InstalledTree, DesktopEntryPassesDesktopFileValidate) {
    const CommandResult validation = runCommand(DesktopFileValidate, {desktopEntryPath()});
    EXPECT_TRUE(validation.succeeded()) << validation.report();
    // It prints nothing at all for an entry without errors, warnings or hints.
    EXPECT_EQ(validation.out + validation.err, QString()) << validation.report();
}

TEST(InstalledTree, MetainfoPassesAppstreamcliValidate) {
    const CommandResult validation = runCommand(
        Appstreamcli, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                       QStringLiteral("--pedantic"), QStringLiteral("--explain"), metainfoPath()});
    EXPECT_TRUE(validation.succeeded()) << validation.report();
    // Errors and warnings fail; infos and pedantic notes are advice.
    EXPECT_EQ(complaints(validation.out, QRegularExpression(QStringLiteral("^[EW]: "))),
              QStringList())
        << validation.report();
}

TEST(InstalledTree, DesktopEntryStartsTheProgramWithItsIconAndWindowClass) {
    const auto entry = readDesktopEntry(desktopEntryPath());
    ASSERT_FALSE(entry.empty()) << desktopEntryPath().toStdString();
    const std::map<QString, QString> expected = {
        {QStringLiteral("Exec"), ProgramName},
        {QStringLiteral("Icon"), AppId},
        // Qt's xcb platform names the window's class after the program; the packaged program's
        // real WM_CLASS is checked on a running window in UnpackedPackage.
        {QStringLiteral("StartupWMClass"), ProgramName},
        {QStringLiteral("Categories"), QStringLiteral("Game;ArcadeGame;")},
        {QStringLiteral("Name"), QStringLiteral("Gachapoko")},
        {QStringLiteral("Name[ja]"), QStringLiteral("ガチャポコ")},
        {QStringLiteral("Terminal"), QStringLiteral("false")},
    };
    for (const auto& [key, value] : expected) {
        const auto found = entry.find(key);
        ASSERT_NE(found, entry.end()) << key.toStdString();
        EXPECT_EQ(found->second, value) << key.toStdString();
    }
    // A comment and a generic name in English and in Japanese.
    for (const char* key : {"Comment", "Comment[ja]", "GenericName", "GenericName[ja]"}) {
        EXPECT_EQ(entry.count(QString::fromLatin1(key)), 1u) << key;
    }
}

TEST(InstalledTree, MetainfoNamesTheApplicationIdVersionLicenceAndRating) {
    const Metainfo metainfo = readMetainfo(metainfoPath());
    EXPECT_EQ(metainfo.id, AppId);
    EXPECT_EQ(metainfo.launchable, AppId + QStringLiteral(".desktop"));
    EXPECT_EQ(metainfo.projectLicense, QStringLiteral("MIT"));
    // Software centres hide applications without an age rating; appstreamcli only notes its lack.
    EXPECT_EQ(metainfo.contentRating, QStringLiteral("oars-1.1"));
    EXPECT_EQ(metainfo.latestRelease, Version);
}

TEST(InstalledTree, ChangelogsLatestEntryIsTheProjectsVersion) {
    const CommandResult changelog =
        runCommand(Gzip, {QStringLiteral("-dc"),
                          installed(BuildInstallDirs.doc + QStringLiteral("/changelog.gz"))});
    ASSERT_TRUE(changelog.succeeded()) << changelog.report();
    const QString latest = changelog.out.section(QLatin1Char('\n'), 0, 0);
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
    EXPECT_EQ(differenceFromIcon(icon, size / 32), "");
}

INSTANTIATE_TEST_SUITE_P(InstalledTree, ThemeIcon, testing::ValuesIn(IconSizes),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Size" + std::to_string(info.param);
                         });

} // namespace
} // namespace gachapoko::test
