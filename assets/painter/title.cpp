// Picture 101, the title: the game's name in soft glowing paint on black, with the group's
// credit line along the bottom.
#include "pictures.h"
#include "raster.h"

namespace gachapoko::painter {

RgbPicture paintTitle() {
    Layer canvas(rgb(0, 0, 0));
    Mask blue;
    fillEllipse(blue, {52, 54}, 34, 38, 6);
    canvas.paint(blue, rgb(15, 15, 175));
    Mask halo;
    fillEllipse(halo, {160, 52}, 38, 50, 10);
    canvas.paint(halo, rgb(55, 55, 55));
    Mask yellow;
    fillEllipse(yellow, {160, 52}, 28, 40, 6);
    canvas.paint(yellow, rgb(155, 155, 55));
    Mask red;
    fillEllipse(red, {98, 137}, 90, 33, 6);
    canvas.paint(red, rgb(155, 15, 15));
    Mask credit;
    stroke(credit, {{40, 191}, {160, 191}}, 3);
    canvas.paint(credit, rgb(230, 230, 230));
    return canvas.toPicture();
}

} // namespace gachapoko::painter
