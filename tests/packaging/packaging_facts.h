// What the packaging tests know of the build they run in: the application id and version, the
// install directories it was configured with, where the set-up steps leave the installed tree
// and the package, and the tools that check them.
#pragma once

#include "tests/support/environment.h"
#include "tests/support/process.h"

#include <QString>
#include <QStringList>
#include <string>

namespace gachapoko::test {

inline const QString AppId = QStringLiteral(GACHAPOKO_APP_ID);
inline const QString Version = QStringLiteral(GACHAPOKO_VERSION);
inline const QString ProgramName = QStringLiteral("gachapoko");
// The package of the captions' Japanese face, which the game's package depends on.
inline const QString FontPackage = QStringLiteral(GACHAPOKO_FONT_PACKAGE);

inline const QString InstalledDir = QStringLiteral(GACHAPOKO_INSTALLED_DIR);
inline const QString PackageDir = QStringLiteral(GACHAPOKO_PACKAGE_DIR);

inline const std::string DesktopFileValidate = GACHAPOKO_DESKTOP_FILE_VALIDATE;
inline const std::string Appstreamcli = GACHAPOKO_APPSTREAMCLI;
inline const std::string Lintian = GACHAPOKO_LINTIAN;
inline const std::string Dpkg = GACHAPOKO_DPKG;
inline const std::string DpkgDeb = GACHAPOKO_DPKG_DEB;
inline const std::string DpkgQuery = GACHAPOKO_DPKG_QUERY;
inline const std::string Gzip = GACHAPOKO_GZIP;
inline const std::string Cpack = GACHAPOKO_CPACK;
// The CPack configuration of this build, which makes its Debian package.
inline const std::string CpackConfig = GACHAPOKO_CPACK_CONFIG;

// The tools run with this process's PATH and nothing else of its environment, so that nothing
// of the machine's (a SOURCE_DATE_EPOCH, a locale, a temporary directory) changes what they do.
inline Environment toolEnvironment() {
    return Environment().pass("PATH");
}

// What a tool printed on its standard output, as text.
inline QString outputOf(const Finished& finished) {
    return QString::fromStdString(finished.out);
}

// This machine's architecture as Debian names it (amd64, arm64, ...).
inline QString architecture() {
    return outputOf(run(Dpkg, {"--print-architecture"}, toolEnvironment())).trimmed();
}

// The package CPack made, under the file name Debian's conventions give it.
inline QString packageFile() {
    return PackageDir + QStringLiteral("/gachapoko_%1_%2.deb").arg(Version, architecture());
}

// The directories an installation puts the game's files into, and where the program, the
// desktop entry, the metainfo and the icon of each size lie in them.
struct InstallDirs {
    QString bin;
    QString data;
    QString man;
    QString doc;

    QString program() const { return bin + QStringLiteral("/gachapoko"); }
    QString desktopEntry() const {
        return data + QStringLiteral("/applications/") + AppId + QStringLiteral(".desktop");
    }
    QString metainfo() const {
        return data + QStringLiteral("/metainfo/") + AppId + QStringLiteral(".metainfo.xml");
    }
    QString icon(int size) const {
        return QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png").arg(data).arg(size).arg(AppId);
    }
};

// Those this build was configured with, relative to the prefix (GNUInstallDirs).
inline const InstallDirs BuildInstallDirs{
    QStringLiteral(GACHAPOKO_INSTALL_BINDIR), QStringLiteral(GACHAPOKO_INSTALL_DATADIR),
    QStringLiteral(GACHAPOKO_INSTALL_MANDIR), QStringLiteral(GACHAPOKO_INSTALL_DOCDIR)};

// Those of Debian, relative to the root: games in /usr/games, documentation under the package's
// own name.
inline const InstallDirs DebianInstallDirs{QStringLiteral("usr/games"), QStringLiteral("usr/share"),
                                           QStringLiteral("usr/share/man"),
                                           QStringLiteral("usr/share/doc/gachapoko")};

// The sizes of the icon in the hicolor theme: 32x32 and its enlargements by two, four and eight.
inline constexpr int IconSizes[] = {32, 64, 128, 256};

// Every file an installation holds, relative to its prefix, sorted: the program, the desktop
// entry, the metainfo, the icons, the manual page and the documents a package carries.
inline QStringList expectedFiles(const InstallDirs& dirs) {
    QStringList files{
        dirs.program(),
        dirs.desktopEntry(),
        dirs.metainfo(),
        dirs.man + QStringLiteral("/man6/gachapoko.6.gz"),
        dirs.doc + QStringLiteral("/copyright"),
        dirs.doc + QStringLiteral("/changelog.gz"),
    };
    for (const int size : IconSizes) {
        files << dirs.icon(size);
    }
    files.sort();
    return files;
}

} // namespace gachapoko::test
