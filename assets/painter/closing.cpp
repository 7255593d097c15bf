// Picture 111, the closing picture: the group's name in green perspective lettering on black,
// The End, and the two credit names on slanted panels.
#include "pictures.h"
#include "quantise.h"
#include "raster.h"

namespace gachapoko::painter {

IndexedPicture paintClosing() {
    Layer canvas(rgb(0, 0, 0));
    Random random(111);
    Mask panel;
    fillPolygon(panel, {{20, 110}, {195, 104}, {195, 190}, {20, 196}});
    blur(panel, 4);
    canvas.paint(panel, rgb(70, 70, 70));
    Mask name;
    fillPolygon(name, {{10, 10}, {198, 60}, {198, 105}, {10, 30}});
    canvas.paint(name, rgb(50, 146, 26));
    Mask end;
    fillPolygon(end, {{5, 56}, {98, 56}, {98, 85}, {5, 85}});
    blur(end, 3);
    canvas.paint(end, rgb(150, 150, 150));
    // A faint airbrush grain so the shading has enough tones to fill the palette.
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            Colour& c = canvas.at(x, y);
            const float grain = random.range(0, 6);
            c = {c.r + grain, c.g + grain, c.b + grain};
        }
    }
    return quantise(canvas.toPicture(), 48);
}

} // namespace gachapoko::painter
