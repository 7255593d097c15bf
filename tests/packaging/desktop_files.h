// Reading what an installation holds: its files, the desktop entry's keys and the metainfo's
// ids.
#pragma once

#include <QString>
#include <QStringList>
#include <map>

namespace gachapoko::test {

// Every file under `root` (directories left out), relative to it, sorted.
QStringList filesUnder(const QString& root);

// The keys of a desktop entry's [Desktop Entry] group with their values as written; localised
// keys keep their locale ("Name[ja]"). Empty when the file cannot be read.
std::map<QString, QString> readDesktopEntry(const QString& path);

struct Metainfo {
    QString id;
    QString launchable; // of type desktop-id
    QString latestRelease;
};

// The metainfo's component id, desktop launchable and first listed (latest) release, read
// from the hand-written file as it is laid out.
Metainfo readMetainfo(const QString& path);

} // namespace gachapoko::test
