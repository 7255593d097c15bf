// The scene pictures on screens with more than one device pixel to the window's pixel. At a whole
// scale factor every picture pixel becomes an equal square of device pixels. At a fractional one
// (1.25, 1.5, 1.75) an equal square is impossible, and the toolkit's nearest-pixel scaling makes
// the one-pixel outlines of the faces one and two device pixels wide by turns; instead the
// picture is enlarged by the next whole factor and then reduced smoothly to its size, so that
// every picture pixel keeps the same weight (a 1.5-pixel line at 1.5: one full device pixel and
// one half-tone one) and the edges stay sharp to within one device pixel.
#pragma once

#include <QImage>

namespace gachapoko {

// `picture` at `factor` device pixels to its pixel, `factor` at least 1, carrying that device
// pixel ratio so that a painter draws it one to one at the picture's own size.
QImage scalePixelArt(const QImage& picture, qreal factor);

} // namespace gachapoko
