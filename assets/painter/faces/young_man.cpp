// Picture 105: the young man of the town, laughing with his whole mouth open under spiky hair,
// pink flashes beside his head.
#include "assets/painter/flat_drawing.h"
#include "assets/painter/pictures.h"

namespace gachapoko::painter {

IndexedPicture paintYoungMan() {
    const std::uint8_t yellow = shared(255, 255, 63);
    const std::uint8_t green = shared(127, 255, 63);
    const std::uint8_t pink = shared(255, 127, 191);
    const std::uint8_t hair = shared(191, 95, 95);
    const std::uint8_t skin = shared(255, 191, 127);
    const std::uint8_t brow = shared(127, 63, 63);
    const std::uint8_t iris = shared(63, 95, 95);
    const std::uint8_t teeth = shared(191, 223, 191);
    const std::uint8_t mouth = shared(255, 95, 63);
    const std::uint8_t tongue = shared(255, 159, 159);
    const std::uint8_t shirt = shared(95, 127, 191);

    FlatDrawing d(yellow);
    d.fill(Mask::polygon({{200, 78}, {200, 200}, {96, 200}}), green);

    // Jagged pink flashes beside the head.
    const Path flashLeft = {{2, 30},   {30, 60}, {18, 64}, {40, 96}, {26, 98},
                            {44, 140}, {8, 96},  {20, 94}, {0, 62},  {12, 60}};
    d.shape(Mask::polygon(flashLeft), pink);
    d.shape(Mask::polygon(mirrored(flashLeft, 100)), pink);
    d.shade(Mask::polygon({{30, 60}, {18, 64}, {40, 96}, {26, 98}, {44, 140}, {30, 104}, {20, 70}}),
            pink);
    d.shade(Mask::polygon(mirrored(
                {{30, 60}, {18, 64}, {40, 96}, {26, 98}, {44, 140}, {30, 104}, {20, 70}}, 100)),
            pink);

    // Neck and shirt collar.
    d.shape(Mask::polygon({{76, 160}, {124, 160}, {128, 200}, {72, 200}}), skin);
    d.shade(Mask::rect(72, 160, 128, 190), skin);
    d.shape(Mask::polygon(
                {{40, 200}, {56, 184}, {80, 182}, {100, 196}, {120, 182}, {144, 184}, {160, 200}}),
            shirt);
    d.shade(Mask::polygon({{100, 196}, {120, 182}, {144, 184}, {160, 200}}), shirt);

    // Ears at both sides.
    for (const double cx : {32.0, 168.0}) {
        d.shape(Mask::ellipse(cx, 108, 11, 17), skin);
        d.shade(Mask::ellipse(cx, 110, 5, 10), skin);
    }

    // The face, rounder at the top and narrowing to the chin.
    const Path faceHalf = {{100, 34}, {66, 38},  {44, 58},  {38, 90},
                           {40, 124}, {50, 156}, {70, 180}, {100, 190}};
    const Mask face = Mask::polygon(smooth(symmetric(faceHalf, 100), true));
    d.shape(face, skin);
    d.shade(face - Mask::ellipse(94, 104, 58, 84), skin);

    // Spiky hair across the top, strands falling on the forehead.
    const Path hairHalf = {{100, 0}, {86, 0},  {70, 6},  {60, 0},  {52, 14}, {30, 6},  {36, 26},
                           {12, 28}, {30, 46}, {14, 60}, {34, 64}, {28, 86}, {40, 76}, {46, 60},
                           {54, 74}, {62, 54}, {72, 70}, {80, 52}, {92, 72}, {100, 54}};
    const Mask hairArea = Mask::polygon(symmetric(hairHalf, 100));
    d.shape(hairArea, hair);
    // Shadow along the lower and right edges of every lock, the light being above left.
    d.shade(hairArea - hairArea.shifted(-3, -7), hair);
    d.fill(Mask::polygon({{56, 20}, {90, 10}, {120, 14}, {92, 16}}), shared(223, 127, 127));
    for (const double x : {50.0, 74.0, 100.0, 126.0, 150.0}) {
        d.line(curve({x, 30}, {x + 2, 40}, {x + (x < 100 ? -4 : 4), 50}), 1);
    }

    // Eyebrows raised high in delight.
    const Path browLeft = smooth({{50, 78}, {64, 66}, {84, 68}}, false);
    d.line(browLeft, 5, brow);
    d.line(mirrored(browLeft, 100), 5, brow);

    // Big round eyes with dark grey-teal irises and a white glint.
    for (const double cx : {70.0, 130.0}) {
        d.shape(Mask::ellipse(cx, 94, 15, 16), White);
        d.shape(Mask::ellipse(cx + (cx < 100 ? 2 : -2), 95, 9, 10), iris);
        d.shade(Mask::ellipse(cx + (cx < 100 ? 2 : -2), 90, 8, 5), iris);
        d.fill(Mask::ellipse(cx + (cx < 100 ? 2 : -2), 96, 4, 4), Black);
        d.fill(Mask::ellipse(cx + (cx < 100 ? -1 : -5), 91, 2.5, 2.5), White);
        d.shade(Mask::ellipse(cx, 80, 15, 6), White);
    }

    // A triangular nose.
    d.shape(Mask::polygon({{100, 96}, {112, 116}, {88, 116}}), skin);
    d.shade(Mask::polygon({{101, 99}, {111, 115}, {101, 115}}), skin);

    // The huge open laughing mouth over the lower third: upper and lower teeth, a pink tongue.
    const Path mouthOutline = smooth({{48, 122},
                                      {100, 118},
                                      {153, 122},
                                      {146, 150},
                                      {126, 174},
                                      {100, 181},
                                      {74, 174},
                                      {54, 150}},
                                     true);
    const Mask mouthArea = Mask::polygon(mouthOutline);
    d.shape(mouthArea, mouth);
    d.shade(mouthArea & Mask::ellipse(100, 132, 46, 14), mouth);
    d.shape(mouthArea & Mask::rect(0, 118, 199, 133), teeth);
    d.shape(mouthArea & Mask::rect(0, 168, 199, 199), teeth);
    for (const int x : {62, 76, 90, 110, 124, 138}) {
        d.line({{static_cast<double>(x), 122}, {static_cast<double>(x), 132}}, 1);
    }
    for (const int x : {82, 96, 108, 120}) {
        d.line({{static_cast<double>(x), 168}, {static_cast<double>(x), 178}}, 1);
    }
    d.shade(mouthArea & Mask::rect(0, 130, 199, 133), teeth);
    d.shape((mouthArea & Mask::ellipse(100, 168, 30, 18)) - Mask::rect(0, 170, 199, 199), tongue);
    d.line({{100, 156}, {100, 164}}, 1, darker(tongue));
    // The mouth line redrawn over the teeth so the lips stay closed around them.
    d.line(mouthOutline, 2);
    d.line(curve({40, 118}, {44, 124}, {50, 122}), 2);
    d.line(curve({160, 118}, {156, 124}, {150, 122}), 2);
    d.shade(Mask::ellipse(100, 186, 20, 2), skin);

    return d.picture();
}

} // namespace gachapoko::painter
