// Small readers for the installed desktop files.
#include "tests/packaging/desktop_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QXmlStreamReader>

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
    Metainfo metainfo;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return metainfo;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        if (name == QStringLiteral("id") && metainfo.id.isEmpty()) {
            metainfo.id = xml.readElementText();
        } else if (name == QStringLiteral("launchable") &&
                   xml.attributes().value(QStringLiteral("type")) == QStringLiteral("desktop-id")) {
            metainfo.launchable = xml.readElementText();
        } else if (name == QStringLiteral("release") && metainfo.latestRelease.isEmpty()) {
            metainfo.latestRelease = xml.attributes().value(QStringLiteral("version")).toString();
        }
    }
    return metainfo;
}

} // namespace gachapoko::test
