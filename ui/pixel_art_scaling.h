// The scene pictures on HiDPI screens: an equal square of device pixels per picture pixel at a
// whole scale factor; at a fractional one, enlarged by the next whole factor and reduced
// smoothly, so that every pixel keeps its weight rather than a one-pixel outline turning one and
// two device pixels wide by turns.
#pragma once

#include <QImage>

namespace gachapoko {

// `picture` at `factor` device pixels to its pixel, `factor` at least 1, carrying that device
// pixel ratio so that a painter draws it one to one at the picture's own size.
QImage scalePixelArt(const QImage& picture, qreal factor);

} // namespace gachapoko
