// What assistive technology (a screen reader, through AT-SPI on Linux) learns of the window.
// Nothing here changes what is drawn:
// - the window is a frame named after the game;
// - the picture area is an image whose name says what the current picture shows, and which
//   announces each new picture as a change of name;
// - the six sites are buttons named after their place and resident, as the hover captions show
//   them, and are there only while they can be clicked (on the map).
#pragma once

#include "logic/types.h"

#include <QString>

namespace gachapoko {

class SiteRegion;

// Registers the window's own accessible interfaces with Qt, once for the whole program.
void installAccessibleInterfaces();

// The name of picture `id` for assistive technology: the title, the map, the resident shown,
// the final opponent, his defeat or the closing picture.
QString pictureDescription(PictureId id);

// A site's name for assistive technology: its place, a middle dot and its resident.
QString siteDescription(SiteIndex index);

// Tells assistive technology that `site` came onto the map (it can be clicked now) or left it.
void announceSiteAvailability(SiteRegion* site);

} // namespace gachapoko
