// What assistive technology (a screen reader, through AT-SPI on Linux) learns of the window.
// Nothing here changes what is drawn:
// - the window is a frame named after the game;
// - the picture area is an image whose name says what the current picture shows (a new picture
//   is said by the announcer, announcer.h);
// - the six sites are push buttons named after their place and resident, as the hover captions
//   show them, which a screen reader can press, there only while they can be clicked (on the
//   map);
// - the announcer is a hidden status bar of two notifications.
#pragma once

class QMetaObject;

namespace gachapoko {

class SiteRegion;

// Registers the window's own accessible interfaces with Qt, once for the whole program, and the
// wake-up for a screen reader started later (screen_reader_wakeup.h); the window is the one of
// class `window`. (The names come from the content table: the picture's description and the
// sites' names.)
void installAccessibleInterfaces(const QMetaObject& window);

// Tells assistive technology that `site` came onto the map (it can be clicked now) or left it.
void announceSiteAvailability(SiteRegion* site);

} // namespace gachapoko
