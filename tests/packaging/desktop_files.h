// Reading what an installation holds: its files, the desktop entry's keys, the metainfo's ids,
// and whether an icon is the program's own icon enlarged.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <map>
#include <string>

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
    QString projectLicense;
    QString contentRating; // the type of its content_rating
};

// The metainfo's component id, launchable, first listed (latest) release, licence and rating.
Metainfo readMetainfo(const QString& path);

// Where `image` differs from the program's 32x32 icon enlarged `factor` times pixel for pixel
// (every pixel a factor-by-factor block), or an empty string when it does not.
std::string differenceFromIcon(const QImage& image, int factor);

} // namespace gachapoko::test
