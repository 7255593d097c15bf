// The young man of the town, laughing with his whole mouth open under spiky hair, pink flashes
// beside his head.
#include "assets/painter/flat_drawing.h"
#include "assets/painter/pictures.h"

namespace gachapoko::painter {

namespace {

struct Colours {
    std::uint8_t yellow = shared(255, 255, 63);
    std::uint8_t green = shared(127, 255, 63);
    std::uint8_t pink = shared(255, 127, 191);
    std::uint8_t hair = shared(191, 95, 95);
    std::uint8_t skin = shared(255, 191, 127);
    std::uint8_t brow = shared(127, 63, 63);
    std::uint8_t iris = shared(63, 95, 95);
    std::uint8_t teeth = shared(191, 223, 191);
    std::uint8_t mouth = shared(255, 95, 63);
    std::uint8_t tongue = shared(255, 159, 159);
    std::uint8_t shirt = shared(95, 127, 191);
};

// Green at the lower right of the yellow ground, and jagged pink flashes beside the head.
void drawBackground(FlatDrawing& d, const Colours& c) {
    d.fill(Mask::polygon({{200, 78}, {200, 200}, {96, 200}}), c.green);
    const Path flashLeft = {{2, 30},   {30, 60}, {18, 64}, {40, 96}, {26, 98},
                            {44, 140}, {8, 96},  {20, 94}, {0, 62},  {12, 60}};
    d.shape(Mask::polygon(flashLeft), c.pink);
    d.shape(Mask::polygon(mirrored(flashLeft, 100)), c.pink);
    d.shade(Mask::polygon({{30, 60}, {18, 64}, {40, 96}, {26, 98}, {44, 140}, {30, 104}, {20, 70}}),
            c.pink);
    d.shade(Mask::polygon(mirrored(
                {{30, 60}, {18, 64}, {40, 96}, {26, 98}, {44, 140}, {30, 104}, {20, 70}}, 100)),
            c.pink);
}

// Neck and shirt collar, the ears at both sides, and the face, rounder at the top and narrowing
// to the chin.
void drawNeckEarsAndFace(FlatDrawing& d, const Colours& c) {
    d.shape(Mask::polygon({{76, 160}, {124, 160}, {128, 200}, {72, 200}}), c.skin);
    d.shade(Mask::rect(72, 160, 128, 190), c.skin);
    d.shape(Mask::polygon(
                {{40, 200}, {56, 184}, {80, 182}, {100, 196}, {120, 182}, {144, 184}, {160, 200}}),
            c.shirt);
    d.shade(Mask::polygon({{100, 196}, {120, 182}, {144, 184}, {160, 200}}), c.shirt);

    for (const double cx : {32.0, 168.0}) {
        d.shape(Mask::ellipse(cx, 108, 11, 17), c.skin);
        d.shade(Mask::ellipse(cx, 110, 5, 10), c.skin);
    }

    const Path faceHalf = {{100, 34}, {66, 38},  {44, 58},  {38, 90},
                           {40, 124}, {50, 156}, {70, 180}, {100, 190}};
    const Mask face = Mask::polygon(smooth(symmetric(faceHalf, 100), true));
    d.shape(face, c.skin);
    d.shade(face - Mask::ellipse(94, 104, 58, 84), c.skin);
}

// Spiky hair across the top, strands falling on the forehead.
void drawHair(FlatDrawing& d, const Colours& c) {
    const Path hairHalf = {{100, 0}, {86, 0},  {70, 6},  {60, 0},  {52, 14}, {30, 6},  {36, 26},
                           {12, 28}, {30, 46}, {14, 60}, {34, 64}, {28, 86}, {40, 76}, {46, 60},
                           {54, 74}, {62, 54}, {72, 70}, {80, 52}, {92, 72}, {100, 54}};
    const Mask hairArea = Mask::polygon(symmetric(hairHalf, 100));
    d.shape(hairArea, c.hair);
    // Shadow along the lower and right edges of every lock, the light being above left.
    d.shade(hairArea - hairArea.shifted(-3, -7), c.hair);
    d.fill(Mask::polygon({{56, 20}, {90, 10}, {120, 14}, {92, 16}}), shared(223, 127, 127));
    for (const double x : {50.0, 74.0, 100.0, 126.0, 150.0}) {
        d.line(curve({x, 30}, {x + 2, 40}, {x + (x < 100 ? -4 : 4), 50}), 1);
    }
}

// Eyebrows raised high in delight over big round eyes with dark grey-teal irises and a white
// glint, and a triangular nose.
void drawEyesAndNose(FlatDrawing& d, const Colours& c) {
    const Path browLeft = smooth({{50, 78}, {64, 66}, {84, 68}}, false);
    d.line(browLeft, 5, c.brow);
    d.line(mirrored(browLeft, 100), 5, c.brow);

    for (const double cx : {70.0, 130.0}) {
        d.shape(Mask::ellipse(cx, 94, 15, 16), White);
        d.shape(Mask::ellipse(cx + (cx < 100 ? 2 : -2), 95, 9, 10), c.iris);
        d.shade(Mask::ellipse(cx + (cx < 100 ? 2 : -2), 90, 8, 5), c.iris);
        d.fill(Mask::ellipse(cx + (cx < 100 ? 2 : -2), 96, 4, 4), Black);
        d.fill(Mask::ellipse(cx + (cx < 100 ? -1 : -5), 91, 2.5, 2.5), White);
        d.shade(Mask::ellipse(cx, 80, 15, 6), White);
    }

    d.shape(Mask::polygon({{100, 96}, {112, 116}, {88, 116}}), c.skin);
    d.shade(Mask::polygon({{101, 99}, {111, 115}, {101, 115}}), c.skin);
}

// The huge open laughing mouth over the lower third: upper and lower teeth, a pink tongue.
void drawLaughingMouth(FlatDrawing& d, const Colours& c) {
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
    d.shape(mouthArea, c.mouth);
    d.shade(mouthArea & Mask::ellipse(100, 132, 46, 14), c.mouth);
    d.shape(mouthArea & Mask::rect(0, 118, 199, 133), c.teeth);
    d.shape(mouthArea & Mask::rect(0, 168, 199, 199), c.teeth);
    for (const int x : {62, 76, 90, 110, 124, 138}) {
        d.line({{static_cast<double>(x), 122}, {static_cast<double>(x), 132}}, 1);
    }
    for (const int x : {82, 96, 108, 120}) {
        d.line({{static_cast<double>(x), 168}, {static_cast<double>(x), 178}}, 1);
    }
    d.shade(mouthArea & Mask::rect(0, 130, 199, 133), c.teeth);
    d.shape((mouthArea & Mask::ellipse(100, 168, 30, 18)) - Mask::rect(0, 170, 199, 199), c.tongue);
    d.line({{100, 156}, {100, 164}}, 1, darker(c.tongue));
    // The mouth line redrawn over the teeth so the lips stay closed around them.
    d.line(mouthOutline, 2);
    d.line(curve({40, 118}, {44, 124}, {50, 122}), 2);
    d.line(curve({160, 118}, {156, 124}, {150, 122}), 2);
    d.shade(Mask::ellipse(100, 186, 20, 2), c.skin);
}

} // namespace

IndexedPicture paintYoungMan() {
    const Colours c;
    FlatDrawing d(c.yellow);
    drawBackground(d, c);
    drawNeckEarsAndFace(d, c);
    drawHair(d, c);
    drawEyesAndNose(d, c);
    drawLaughingMouth(d, c);
    return d.picture();
}

} // namespace gachapoko::painter
