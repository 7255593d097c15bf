// The second son at the houses: his elder brother's picture with the lower face laughing, the
// mouth wide open and a tear under each eye.
#include "assets/painter/faces/brothers.h"
#include "assets/painter/pictures.h"

namespace gachapoko::painter {

namespace {

using namespace brothers;

// The area where the second son differs from his brother: his lower face.
constexpr int LaughLeft = 70, LaughTop = 103, LaughRight = 173, LaughBottom = 187;

// Clears the drooping mouth and its shadow, then opens the laugh: a band of white upper teeth,
// the dark mouth and a red tongue.
void drawLaughingMouth(FlatDrawing& d, const Colours& c) {
    d.fill(tiltedEllipse(124, 166, 30, 12) & Mask::rect(0, 150, 199, 199) &
               tiltedShape({{60, 150}, {200, 150}, {200, 200}, {60, 200}}),
           c.skin);
    const Path mouthOutline =
        smooth({{92, 154}, {124, 150}, {154, 156}, {144, 172}, {124, 180}, {104, 174}}, true);
    const Mask mouthArea = tiltedShape(mouthOutline);
    d.shape(mouthArea, c.hair);
    d.shape(mouthArea & tiltedShape({{80, 140}, {170, 140}, {170, 160}, {80, 160}}), White);
    d.shade(mouthArea & tiltedShape({{80, 157}, {170, 157}, {170, 160}, {80, 160}}), White);
    d.shape(mouthArea & tiltedEllipse(124, 182, 20, 10), c.red);
    d.line(tilted(mouthOutline), 2);
    d.line(tilted(smooth({{88, 150}, {92, 154}, {90, 158}}, false)), 1);
    d.line(tilted(smooth({{158, 151}, {154, 156}, {156, 160}}, false)), 1);
}

// A light-blue tear drop under each eye.
void drawTears(FlatDrawing& d) {
    const std::uint8_t tear = shared(166, 202, 240); // sky blue
    for (const double x : {100.0, 148.0}) {
        const Path drop =
            smooth({{x, 110}, {x + 5, 120}, {x + 3, 127}, {x - 3, 127}, {x - 5, 120}}, true);
        d.shape(tiltedShape(drop), tear);
        d.shade(tiltedShape({{x + 1, 118}, {x + 5, 120}, {x + 3, 127}, {x, 127}}), tear);
        d.fill(tiltedShape({{x - 2, 119}, {x - 1, 119}, {x - 1, 123}, {x - 2, 123}}), White);
    }
}

} // namespace

IndexedPicture paintSecondSon() {
    const IndexedPicture eldest = paintEldestSon();
    FlatDrawing d(Black);
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            d.put(x, y, eldest.at(x, y));
        }
    }
    drawLaughingMouth(d, Colours{});
    drawTears(d);

    // Everything outside the lower face stays exactly the eldest son's.
    IndexedPicture picture = d.picture();
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            const bool inside =
                x >= LaughLeft && x <= LaughRight && y >= LaughTop && y <= LaughBottom;
            if (!inside) {
                picture.at(x, y) = eldest.at(x, y);
            }
        }
    }
    return picture;
}

} // namespace gachapoko::painter
