// The painter's images to look at and the icon for the icon theme.
#include "assets/painter/writers.h"

#include "assets/bitmap_decoder.h"

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>

namespace gachapoko::painter {

namespace {

std::optional<QImage> decodedPicture(const StoredPicture& picture) {
    return decodePictureBitmap(picture.bytes).image;
}

// The icon `factor` times as large, every pixel a factor-by-factor block, so that it stays as
// crisp as the 32x32 original and carries exactly its colours and transparency.
QImage enlargedIcon(const QImage& icon, int factor) {
    QImage large(icon.width() * factor, icon.height() * factor, QImage::Format_ARGB32);
    for (int y = 0; y < large.height(); ++y) {
        for (int x = 0; x < large.width(); ++x) {
            large.setPixel(x, y, icon.pixel(x / factor, y / factor));
        }
    }
    return large;
}

bool cannotWrite(const std::string& what) {
    std::fprintf(stderr, "painter: cannot write %s\n", what.c_str());
    return false;
}

} // namespace

bool writePngs(const std::string& dir, const std::vector<StoredPicture>& pictures,
               const Bytes* icon) {
    std::error_code error;
    if (!std::filesystem::create_directories(dir, error) && error) {
        std::fprintf(stderr, "painter: cannot create %s\n", dir.c_str());
        return false;
    }
    for (const StoredPicture& picture : pictures) {
        const std::optional<QImage> image = decodedPicture(picture);
        const std::string name = dir + "/picture-" + std::to_string(picture.id);
        // Each picture as it is, and twice as large for a closer look.
        if (!image || !image->save(QString::fromStdString(name + ".png")) ||
            !image->scaled(image->size() * 2).save(QString::fromStdString(name + "-x2.png"))) {
            return cannotWrite("the PNG of picture " + std::to_string(picture.id));
        }
        // How many colours it uses, for the flat faces' modest count.
        std::set<QRgb> colours;
        for (int y = 0; y < image->height(); ++y) {
            for (int x = 0; x < image->width(); ++x) {
                colours.insert(image->pixel(x, y));
            }
        }
        std::printf("%s.png: %zu colours\n", name.c_str(), colours.size());
    }
    if (icon == nullptr) {
        return true;
    }
    const std::optional<QImage> image = decodeIconBitmap(*icon).image;
    if (!image || !image->save(QString::fromStdString(dir + "/icon.png")) ||
        !image->scaled(image->size() * 8).save(QString::fromStdString(dir + "/icon-x8.png"))) {
        return cannotWrite("the PNGs of the icon");
    }
    return true;
}

bool writeSheet(const std::string& file, const std::vector<StoredPicture>& pictures,
                const Bytes& icon) {
    constexpr int Cell = PictureSize, Gap = 8, Columns = 4;
    const int places = static_cast<int>(pictures.size()) + 1;
    const int rows = (places + Columns - 1) / Columns;
    QImage sheet(Gap + Columns * (Cell + Gap), Gap + rows * (Cell + Gap), QImage::Format_RGB32);
    sheet.fill(qRgb(128, 128, 128));
    QPainter painter(&sheet);
    const auto corner = [&](int place) {
        return QPoint(Gap + place % Columns * (Cell + Gap), Gap + place / Columns * (Cell + Gap));
    };
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const std::optional<QImage> image = decodedPicture(pictures[i]);
        if (!image) {
            return cannotWrite(file);
        }
        painter.drawImage(corner(static_cast<int>(i)), *image);
    }
    const std::optional<QImage> iconImage = decodeIconBitmap(icon).image;
    if (!iconImage) {
        return cannotWrite(file);
    }
    const QImage large = iconImage->scaled(iconImage->size() * 4);
    painter.drawImage(corner(places - 1) +
                          QPoint((Cell - large.width()) / 2, (Cell - large.height()) / 2),
                      large);
    painter.end();
    return sheet.save(QString::fromStdString(file)) || cannotWrite(file);
}

bool writeThemeIcons(const std::string& dir, const std::string& name, const Bytes& icon) {
    const std::optional<QImage> decoded = decodeIconBitmap(icon).image;
    if (!decoded) {
        std::fprintf(stderr, "painter: cannot decode the icon\n");
        return false;
    }
    for (const int factor : {1, 2, 4, 8}) {
        const std::string side = std::to_string(decoded->width() * factor);
        const std::string sizeDir = dir + "/" + side + "x" + side + "/apps";
        std::error_code error;
        std::filesystem::create_directories(sizeDir, error);
        const std::string path = sizeDir + "/" + name + ".png";
        if (error || !enlargedIcon(*decoded, factor).save(QString::fromStdString(path))) {
            return cannotWrite(path);
        }
    }
    return true;
}

} // namespace gachapoko::painter
