// The images the painter writes from the stored pictures: PNGs and a contact sheet to look at,
// and the icon for a desktop's icon theme. Every image is the stored bytes decoded as the game
// decodes them, so what is looked at is what the game shows. Each gives false after a line on
// standard error saying what it could not write. (The source file the build compiles the
// pictures into is written by embedding.h.)
#pragma once

#include "assets/painter/storage.h"

#include <string>
#include <vector>

namespace gachapoko::painter {

// DIR/picture-ID.png and DIR/picture-ID-x2.png for each picture, printing how many colours each
// uses, and DIR/icon.png and DIR/icon-x8.png unless `icon` is null.
bool writePngs(const std::string& dir, const std::vector<StoredPicture>& pictures,
               const Bytes* icon);
// Every picture at its real size in id order, four to a row, and the icon four times enlarged
// in the last place, on grey.
bool writeSheet(const std::string& file, const std::vector<StoredPicture>& pictures,
                const Bytes& icon);
// The icon for the hicolor theme: DIR/<size>x<size>/apps/NAME.png at 32x32 and at two, four
// and eight times that size, every pixel a square block. The build installs exactly these sizes.
bool writeThemeIcons(const std::string& dir, const std::string& name, const Bytes& icon);

} // namespace gachapoko::painter
