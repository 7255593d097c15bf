// What the packaging tests know of the build they run in: the application id and version, the
// install directories it was configured with, where the set-up steps leave the installed tree
// and the package, and the tools that check them.
#pragma once

#include "tests/packaging/command.h"

#include <QString>
#include <QStringList>

namespace gachapoko::test {

inline const QString AppId = QStringLiteral(GACHAPOKO_APP_ID);
inline const QString Version = QStringLiteral(GACHAPOKO_VERSION);
inline const QString ProgramName = QStringLiteral("gachapoko");

inline const QString InstalledDir = QStringLiteral(GACHAPOKO_INSTALLED_DIR);
inline const QString PackageDir = QStringLiteral(GACHAPOKO_PACKAGE_DIR);

inline const QString DesktopFileValidate = QStringLiteral(GACHAPOKO_DESKTOP_FILE_VALIDATE);
inline const QString Appstreamcli = QStringLiteral(GACHAPOKO_APPSTREAMCLI);
inline const QString Lintian = QStringLiteral(GACHAPOKO_LINTIAN);
inline const QString Dpkg = QStringLiteral(GACHAPOKO_DPKG);
inline const QString DpkgDeb = QStringLiteral(GACHAPOKO_DPKG_DEB);
inline const QString DpkgQuery = QStringLiteral(GACHAPOKO_DPKG_QUERY);
inline const QString Readelf = QStringLiteral(GACHAPOKO_READELF);
inline const QString Gzip = QStringLiteral(GACHAPOKO_GZIP);
inline const QString Cpack = QStringLiteral(GACHAPOKO_CPACK);
// The CPack configuration of this build, which makes its Debian package.
inline const QString CpackConfig = QStringLiteral(GACHAPOKO_CPACK_CONFIG);

// This machine's architecture as Debian names it (amd64, arm64, ...).
inline QString architecture() {
    return runCommand(Dpkg, {QStringLiteral("--print-architecture")}).out.trimmed();
}

// The package CPack made, under the file name Debian's conventions give it.
inline QString packageFile() {
    return PackageDir + QStringLiteral("/gachapoko_%1_%2.deb").arg(Version, architecture());
}

// The directories an installation puts the game's files into.
struct InstallDirs {
    QString bin;
    QString data;
    QString man;
    QString doc;
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
        dirs.bin + QStringLiteral("/gachapoko"),
        dirs.data + QStringLiteral("/applications/") + AppId + QStringLiteral(".desktop"),
        dirs.data + QStringLiteral("/metainfo/") + AppId + QStringLiteral(".metainfo.xml"),
        dirs.man + QStringLiteral("/man6/gachapoko.6.gz"),
        dirs.doc + QStringLiteral("/copyright"),
        dirs.doc + QStringLiteral("/changelog.gz"),
    };
    for (const int size : IconSizes) {
        files << QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png")
                     .arg(dirs.data)
                     .arg(size)
                     .arg(AppId);
    }
    files.sort();
    return files;
}

} // namespace gachapoko::test
