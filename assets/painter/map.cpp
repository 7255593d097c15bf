// Picture 102, the map: six places painted like a child's drawing on a pale green ground, each
// under the site region that the player clicks.
#include "pictures.h"
#include "raster.h"

namespace gachapoko::painter {

RgbPicture paintMap() {
    Layer canvas(rgb(223, 255, 191));
    Mask forest;
    fillPolygon(forest, {{10, 10}, {66, 10}, {66, 42}, {10, 42}});
    canvas.paint(forest, rgb(157, 255, 138), 0.8f);
    Mask mountain;
    fillPolygon(mountain, {{100, 50}, {198, 14}, {198, 60}, {110, 60}});
    canvas.paint(mountain, rgb(132, 212, 113), 0.8f);
    Mask lake;
    fillEllipse(lake, {91, 77}, 29, 15);
    canvas.paint(lake, rgb(149, 225, 188), 0.8f);
    Mask houses;
    fillPolygon(houses, {{0, 90}, {60, 90}, {60, 150}, {0, 150}});
    canvas.paint(houses, rgb(198, 193, 151), 0.8f);
    Mask tower;
    fillPolygon(tower, {{126, 78}, {130, 78}, {144, 145}, {112, 145}});
    canvas.paint(tower, rgb(235, 155, 115), 0.8f);
    Mask building;
    fillPolygon(building, {{150, 84}, {200, 84}, {200, 146}, {150, 146}});
    canvas.paint(building, rgb(212, 233, 191), 0.8f);
    Mask sand;
    fillPolygon(sand, {{0, 165}, {200, 165}, {200, 185}, {0, 185}});
    canvas.paint(sand, rgb(242, 215, 151), 0.8f);
    Mask sea;
    fillPolygon(sea, {{0, 185}, {200, 185}, {200, 200}, {0, 200}});
    canvas.paint(sea, rgb(43, 152, 241), 0.8f);
    return canvas.toPicture();
}

} // namespace gachapoko::painter
