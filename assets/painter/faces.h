// The faces of the opponents, the goddess and the final opponent (pictures 103 to 110).
#pragma once

#include "assets/painter/canvas.h"

namespace gachapoko::painter {

// 103 to 108 use sharedPalette(); 109 and 110 carry palettes of their own.
IndexedPicture paintSumoWrestler();        // 103
IndexedPicture paintDwarf();               // 104
IndexedPicture paintYoungMan();            // 105
IndexedPicture paintEldestSon();           // 106
IndexedPicture paintSecondSon();           // 107, 106 with a laughing mouth and tears
IndexedPicture paintGoddess();             // 108
IndexedPicture paintFinalOpponent();       // 109
IndexedPicture paintFinalOpponentBeaten(); // 110, 109 torn by horizontal streaks

} // namespace gachapoko::painter
