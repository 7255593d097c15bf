// Writes every face picture as id.png and id-x3.png into a folder, and prints how many colours
// each uses, for looking at the faces while painting them.
#include "assets/painter/faces.h"

#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <utility>

using namespace gachapoko::painter;

int main(int argc, char** argv) {
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const std::pair<int, std::function<IndexedPicture()>> faces[] = {
        {103, paintSumoWrestler},  {104, paintDwarf},
        {105, paintYoungMan},      {106, paintEldestSon},
        {107, paintSecondSon},     {108, paintGoddess},
        {109, paintFinalOpponent}, {110, paintFinalOpponentBeaten}};
    const int only = argc > 2 ? std::atoi(argv[2]) : 0;
    // All eight side by side at their real size, as a contact sheet.
    QImage sheet(PictureSize * 4, PictureSize * 2, QImage::Format_RGB32);
    int slot = 0;
    for (const auto& [id, paint] : faces) {
        if (only != 0 && id != only) {
            continue;
        }
        const IndexedPicture picture = paint();
        QImage image(PictureSize, PictureSize, QImage::Format_RGB32);
        std::set<int> used;
        for (int y = 0; y < PictureSize; ++y) {
            for (int x = 0; x < PictureSize; ++x) {
                const Rgb c = picture.palette[picture.at(x, y)];
                used.insert(picture.at(x, y));
                image.setPixel(x, y, qRgb(c.r, c.g, c.b));
            }
        }
        image.save(QStringLiteral("%1/%2.png").arg(folder).arg(id));
        for (int y = 0; y < PictureSize; ++y) {
            for (int x = 0; x < PictureSize; ++x) {
                sheet.setPixel(slot % 4 * PictureSize + x, slot / 4 * PictureSize + y,
                               image.pixel(x, y));
            }
        }
        ++slot;
        image.scaled(PictureSize * 3, PictureSize * 3)
            .save(QStringLiteral("%1/%2-x3.png").arg(folder).arg(id));
        std::printf("%d: %zu colours\n", id, used.size());
    }
    if (only == 0) {
        sheet.save(QStringLiteral("%1/sheet.png").arg(folder));
    }
    return 0;
}
