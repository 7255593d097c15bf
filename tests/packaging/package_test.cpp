// The Debian package CPack makes of this build: its dependencies (the libraries dpkg-shlibdeps
// finds and the font), its contents under Debian's directories with root's ownership,
// lintian's verdict, an install and removal by dpkg in a private root, which touches nothing of
// the machine's own installation, and a second packaging that gives the same bytes.
#include "tests/packaging/packaging_facts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace gachapoko::test {
namespace {

QString controlField(const std::string& field) {
    return outputOf(
               run(DpkgDeb, {"--field", packageFile().toStdString(), field}, toolEnvironment()))
        .trimmed();
}

TEST(Package, IsTheOnlyFileCPackLeftUnderItsDebianName) {
    const QStringList packages = QDir(PackageDir).entryList({QStringLiteral("*.deb")}, QDir::Files);
    EXPECT_EQ(packages, QStringList{QFileInfo(packageFile()).fileName()});
}

// The libraries come from dpkg-shlibdeps, with the versions the program needs; the font is named
// by hand, since the program asks for it by name at run time.
TEST(Package, DependsOnTheLibrariesItLinksAndTheJapaneseFont) {
    const QString depends = controlField("Depends");
    QMap<QString, QString> byName; // each dependency under its package's name
    for (const QString& dependency : depends.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        byName[dependency.section(QLatin1Char(' '), 0, 0)] = dependency;
    }
    EXPECT_TRUE(byName.contains(FontPackage)) << depends.toStdString();
    // These libraries' packages tell dpkg-shlibdeps the least version the program needs (some
    // others, libxcb's among them, give none).
    for (const char* name :
         {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6"}) {
        EXPECT_TRUE(byName.value(QLatin1String(name)).contains(QStringLiteral(" (>= ")))
            << name
            << " missing, or with no version from dpkg-shlibdeps: " << depends.toStdString();
    }
    // Nothing else is named by hand: every other dependency is a library the program links,
    // and the exact Qt build whose accessibility bridge the game wakes for a late screen reader
    // (that class is Qt's private API, which Debian ties to one Qt version: qt6-base-abi).
    for (const QString& name : byName.keys()) {
        EXPECT_TRUE(name == FontPackage || name.startsWith(QLatin1String("lib")) ||
                    name == QLatin1String("qt6-base-abi"))
            << name.toStdString();
    }
}

// Owner, mode and path of every entry of the data archive.
struct Entry {
    QString mode;
    QString owner;
    QString path;
};

std::vector<Entry> contents() {
    const Finished listing =
        run(DpkgDeb, {"--contents", packageFile().toStdString()}, toolEnvironment());
    std::vector<Entry> entries;
    const QRegularExpression line(QStringLiteral(R"(^(\S+) (\S+)\s+\d+ \S+ \S+ \./(.*)$)"));
    for (const QString& text : outputOf(listing).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const auto match = line.match(text);
        if (match.hasMatch()) {
            entries.push_back({match.captured(1), match.captured(2), match.captured(3)});
        } else {
            entries.push_back({QString(), QString(), QStringLiteral("unreadable: ") + text});
        }
    }
    return entries;
}

TEST(Package, HoldsTheInstalledFilesInDebiansDirectoriesOwnedByRoot) {
    QStringList files;
    for (const Entry& entry : contents()) {
        SCOPED_TRACE(entry.path.toStdString());
        EXPECT_EQ(entry.owner, QStringLiteral("root/root"));
        if (entry.path.endsWith(QLatin1Char('/'))) {
            EXPECT_EQ(entry.mode, QStringLiteral("drwxr-xr-x"));
            continue;
        }
        files << entry.path;
        const bool program = entry.path == QStringLiteral("usr/games/gachapoko");
        EXPECT_EQ(entry.mode,
                  program ? QStringLiteral("-rwxr-xr-x") : QStringLiteral("-rw-r--r--"));
    }
    files.sort();
    EXPECT_EQ(files, expectedFiles(DebianInstallDirs));
}

// Lintian is Debian's own check of a package; its errors and warnings fail it (--fail-on), and
// the test with lintian's explanation of each. Among them: a program that carries a RUNPATH or
// RPATH, which on the user's machine would point into a build tree that is gone, at best
// useless and at worst a way to load someone else's libraries.
TEST(Package, LintianFindsNoErrorsOrWarnings) {
    // Lintian leaves scratch files in its temporary directory: give it one of the test's own.
    const TemporaryDirectory scratch;
    const Finished lintian =
        run(Lintian, {"--info", "--fail-on", "error,warning", packageFile().toStdString()},
            toolEnvironment().set("TMPDIR", scratch.path().string()), 120s);
    EXPECT_TRUE(lintian.succeeded()) << lintian.report();
}

// None of the package's files belongs to another package installed here, so dpkg will not refuse
// to install it for overwriting someone else's file.
TEST(Package, ClaimsNoFileOfAnotherInstalledPackage) {
    std::vector<std::string> search{"--search"};
    for (const QString& file : expectedFiles(DebianInstallDirs)) {
        search.push_back("/" + file.toStdString());
    }
    const Finished owners = run(DpkgQuery, search, toolEnvironment());
    for (const QString& line : outputOf(owners).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        EXPECT_TRUE(line.startsWith(QStringLiteral("gachapoko: "))) << line.toStdString();
    }
}

// A dpkg database of its own for a private root, listing the packages installed on this
// machine (without their files), so that dpkg checks the package's dependencies against them.
void writePrivateDatabase(const QDir& root) {
    const QString admin = root.filePath(QStringLiteral("var/lib/dpkg"));
    ASSERT_TRUE(QDir().mkpath(admin + QStringLiteral("/info")) &&
                QDir().mkpath(admin + QStringLiteral("/updates")))
        << admin.toStdString();
    const Finished installed =
        run(DpkgQuery,
            {"--show", "--showformat=${db:Status-Abbrev}\t${binary:Package}\t${Package}\t"
                       "${Version}\t${Architecture}\t${Multi-Arch}\t${Provides}\t"
                       "${Maintainer}\t${binary:Summary}\n"},
            toolEnvironment());
    ASSERT_TRUE(installed.succeeded()) << installed.report();
    QString status;
    for (const QString& line : outputOf(installed).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList field = line.split(QLatin1Char('\t'));
        if (field.size() != 9 || field[0] != QStringLiteral("ii ") ||
            field[2] == QStringLiteral("gachapoko")) {
            continue;
        }
        status += QStringLiteral("Package: %1\nStatus: install ok installed\nVersion: %2\n"
                                 "Architecture: %3\nMaintainer: %4\nDescription: %5\n")
                      .arg(field[2], field[3], field[4], field[7], field[8]);
        if (!field[5].isEmpty()) {
            status += QStringLiteral("Multi-Arch: %1\n").arg(field[5]);
        }
        if (!field[6].isEmpty()) {
            status += QStringLiteral("Provides: %1\n").arg(field[6]);
        }
        status += QLatin1Char('\n');
        QFile list(admin + QStringLiteral("/info/") + field[1] + QStringLiteral(".list"));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly)) << list.fileName().toStdString();
    }
    QFile statusFile(admin + QStringLiteral("/status"));
    ASSERT_TRUE(statusFile.open(QIODevice::WriteOnly) && statusFile.write(status.toUtf8()) >= 0)
        << statusFile.fileName().toStdString();
}

// Installs and removes the package with dpkg, as a user's `dpkg -i` and `dpkg -r` would, but in a
// private root: the dependencies must be met by what this machine has installed, the program
// must arrive there (which files the package holds is the contents test's to say), and removal
// must leave nothing but dpkg's own records.
TEST(Package, InstallsAndRemovesCleanlyInAPrivateRoot) {
    const TemporaryDirectory root;
    const QDir rootDir(QString::fromStdString(root.path().string()));
    ASSERT_NO_FATAL_FAILURE(writePrivateDatabase(rootDir));
    const auto dpkg = [&](const std::string& action, const std::string& what) {
        return run(Dpkg,
                   {"--root=" + root.path().string(),
                    "--log=" + (root.path() / "dpkg.log").string(), "--force-not-root", action,
                    what},
                   toolEnvironment());
    };

    const Finished install = dpkg("--install", packageFile().toStdString());
    ASSERT_TRUE(install.succeeded()) << install.report();
    EXPECT_EQ(install.err.find("warning"), std::string::npos) << install.report();
    const Finished status = dpkg("--status", "gachapoko");
    EXPECT_NE(status.out.find("Status: install ok installed"), std::string::npos)
        << status.report();
    EXPECT_TRUE(QFileInfo::exists(rootDir.filePath(DebianInstallDirs.program())));

    const Finished remove = dpkg("--remove", "gachapoko");
    ASSERT_TRUE(remove.succeeded()) << remove.report();
    const Finished after = dpkg("--status", "gachapoko");
    EXPECT_FALSE(after.succeeded()) << "still known to dpkg after removal:\n" << after.report();
    // Nothing is left but dpkg's records and its log: no file and no directory under usr.
    EXPECT_FALSE(QFileInfo::exists(rootDir.filePath(QStringLiteral("usr"))));
    const QStringList left =
        rootDir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    EXPECT_EQ(left, (QStringList{QStringLiteral("dpkg.log"), QStringLiteral("var")}));
}

// The members of the Debian archive and the entries of its two archives, each with its mode,
// owner, size and time to the second: where two packages that should be the same differ.
std::string listing(const std::string& package) {
    const Finished list =
        run("/bin/sh",
            {"-c",
             "ar tv \"$0\" && dpkg-deb --ctrl-tarfile \"$0\" | tar -tv "
             "--full-time && dpkg-deb --fsys-tarfile \"$0\" | tar -tv --full-time",
             package},
            toolEnvironment());
    return list.succeeded() ? list.out : list.report();
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Packaging the same build again gives the same bytes, though it happens at another moment (any
// time taken from the clock differs), stages the files in another folder and runs under a umask
// that gives others no access. Neither run is given SOURCE_DATE_EPOCH: this is the default.
TEST(Package, PackagingItAgainGivesTheSameBytes) {
    const TemporaryDirectory again;
    std::this_thread::sleep_for(1100ms);
    const Finished cpack = run("/bin/sh",
                               {"-c", "umask 077 && exec \"$0\" \"$@\"", Cpack, "-G", "DEB", "-B",
                                again.path().string(), "--config", CpackConfig},
                               toolEnvironment(), 120s);
    ASSERT_TRUE(cpack.succeeded()) << cpack.report();
    const QString first = packageFile();
    const QString second = QString::fromStdString(again.path().string()) + QLatin1Char('/') +
                           QFileInfo(first).fileName();
    ASSERT_FALSE(bytesOf(first).isEmpty());
    if (bytesOf(second) != bytesOf(first)) {
        EXPECT_EQ(listing(first.toStdString()), listing(second.toStdString()));
        ADD_FAILURE() << "the two packages differ";
    }
}

} // namespace
} // namespace gachapoko::test
