// Small readers for the installed desktop files.
#include "tests/packaging/desktop_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace gachapoko::test {

QStringList filesUnder(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << QDir(root).relativeFilePath(it.next());
    }
    files.sort();
    return files;
}

std::map<QString, QString> readDesktopEntry(const QString& path) {
    std::map<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return keys;
    }
    bool inEntry = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QStringLiteral("[Desktop Entry]");
        } else if (inEntry && !line.startsWith(QLatin1Char('#')) &&
                   line.contains(QLatin1Char('='))) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            keys[line.left(equals).trimmed()] = line.mid(equals + 1).trimmed();
        }
    }
    return keys;
}

Metainfo readMetainfo(const QString& path) {
    QFile file(path);
    const QString xml =
        file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    const auto first = [&xml](const char* pattern) {
        return QRegularExpression(QString::fromLatin1(pattern)).match(xml).captured(1);
    };
    return {first("<id>([^<]*)</id>"), first(R"(<launchable type="desktop-id">([^<]*)<)"),
            first(R"re(<release\s[^>]*version="([^"]*)")re")};
}

} // namespace gachapoko::test
