// Every picture the painter paints, one function each; the catalogue puts them under their ids
// (logic/types.h), which also seed the random numbers of the pictures that use any. The
// flat-colour faces use sharedPalette(); the airbrushed final opponent, his defeat and the
// closing picture carry palettes of their own; the title and the map are true colour.
#pragma once

#include "assets/painter/canvas.h"
#include "logic/types.h"

namespace gachapoko::painter {

RgbPicture paintTitle();
RgbPicture paintMap();
IndexedPicture paintSumoWrestler();
IndexedPicture paintDwarf();
IndexedPicture paintYoungMan();
IndexedPicture paintEldestSon();
IndexedPicture paintSecondSon(); // the eldest son laughing, with tears
IndexedPicture paintGoddess();
IndexedPicture paintFinalOpponent();
IndexedPicture paintFinalOpponentBeaten(); // the final opponent torn by horizontal streaks
IndexedPicture paintClosing();
IconPicture paintIcon();

} // namespace gachapoko::painter
