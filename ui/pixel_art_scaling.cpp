// Pixel art at whole and fractional scale factors.
#include "ui/pixel_art_scaling.h"

#include <cmath>

namespace gachapoko {

QImage scalePixelArt(const QImage& picture, qreal factor) {
    if (picture.isNull() || factor <= 1.0) {
        return picture;
    }
    const int whole = static_cast<int>(std::ceil(factor - 1e-6));
    QImage enlarged =
        picture.convertToFormat(QImage::Format_RGB32)
            .scaled(picture.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QSize target(qRound(picture.width() * factor), qRound(picture.height() * factor));
    if (target != enlarged.size()) {
        // Area averaging: each device pixel takes the share of every picture pixel it covers.
        enlarged = enlarged.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    enlarged.setDevicePixelRatio(factor);
    return enlarged;
}

} // namespace gachapoko
