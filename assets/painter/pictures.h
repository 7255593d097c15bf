// The pictures painted here besides the faces: the title, the map, the closing picture and
// the program's icon.
#pragma once

#include "assets/painter/canvas.h"

namespace gachapoko::painter {

RgbPicture paintTitle();       // 101
RgbPicture paintMap();         // 102
IndexedPicture paintClosing(); // 111
IconPicture paintIcon();

} // namespace gachapoko::painter
