// Every picture the painter paints, one function each; the catalogue puts them under their ids.
// The flat-colour faces 103 to 108 use sharedPalette(); the airbrushed 109 to 111 carry palettes
// of their own; the title and the map are true colour.
#pragma once

#include "assets/painter/canvas.h"

namespace gachapoko::painter {

RgbPicture paintTitle();                   // 101
RgbPicture paintMap();                     // 102
IndexedPicture paintSumoWrestler();        // 103
IndexedPicture paintDwarf();               // 104
IndexedPicture paintYoungMan();            // 105
IndexedPicture paintEldestSon();           // 106
IndexedPicture paintSecondSon();           // 107, 106 with a laughing mouth and tears
IndexedPicture paintGoddess();             // 108
IndexedPicture paintFinalOpponent();       // 109
IndexedPicture paintFinalOpponentBeaten(); // 110, 109 torn by horizontal streaks
IndexedPicture paintClosing();             // 111
IconPicture paintIcon();

} // namespace gachapoko::painter
