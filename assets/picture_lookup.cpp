// The picture lookup the window uses: decodes the embedded data anew on every call.
#include "assets/picture_lookup.h"

#include "assets/bitmap_decoder.h"
#include "assets/embedded_pictures.h"

#include <QPixmap>

namespace gachapoko {

std::optional<QImage> loadPicture(std::int16_t id) {
    const auto data = embeddedPictureData(id);
    if (data.empty()) {
        return std::nullopt;
    }
    DecodedBitmap decoded = decodePictureBitmap(data);
    if (!decoded.image || decoded.image->width() != PictureSize ||
        decoded.image->height() != PictureSize) {
        return std::nullopt;
    }
    return std::move(decoded.image);
}

QIcon loadProgramIcon() {
    const DecodedBitmap decoded = decodeIconBitmap(embeddedIconData());
    if (!decoded.image) {
        return {};
    }
    // Twice as large as well, every pixel doubled, for title bars and task bars on a screen
    // with twice the pixel density.
    QIcon icon(QPixmap::fromImage(*decoded.image));
    icon.addPixmap(QPixmap::fromImage(decoded.image->scaled(
        decoded.image->size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    return icon;
}

} // namespace gachapoko
