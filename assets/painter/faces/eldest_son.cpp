// The eldest son at the coast, in melancholy: eyes shut under heavy lids, a hooked nose and a
// mouth drooping at both ends, before speed lines on black.
#include "assets/painter/faces/brothers.h"
#include "assets/painter/maths.h"
#include "assets/painter/pictures.h"
#include "assets/painter/random.h"

namespace gachapoko::painter {

namespace {

using namespace brothers;

// Diagonal speed lines fanning out from beyond the lower left corner over a black ground.
void drawSpeedLines(FlatDrawing& d, const Colours& c) {
    Random random(EldestSonPicture); // seeded with the picture's id
    double angle = -1.62;
    while (angle < 0.05) {
        const double width = random.real(0.012, 0.035);
        const std::uint8_t colour = random.unit() < 0.55 ? c.green : c.yellow;
        const double from = angle, to = angle + width;
        const double start = random.real(20.0, 90.0);
        d.fill(Mask::where([=](double x, double y) {
                   const double dx = x + 30, dy = y - 230;
                   const double a = arcTangent2(dy, dx);
                   return a >= from && a < to && dx * dx + dy * dy > start * start;
               }),
               colour);
        angle = to + random.real(0.03, 0.09);
    }
}

// Red clothing across the bottom, its collar open at the throat.
void drawClothing(FlatDrawing& d, const Colours& c) {
    d.shape(tiltedShape({{96, 160}, {150, 160}, {156, 210}, {92, 210}}), c.skin);
    d.shade(tiltedShape({{96, 160}, {150, 160}, {152, 186}, {96, 184}}), c.skin);
    const Path clothing = {{40, 200},  {60, 184},  {96, 178}, {120, 198},
                           {150, 178}, {200, 176}, {200, 200}};
    d.shape(Mask::polygon(clothing), c.red);
    d.shade(Mask::polygon({{150, 186}, {200, 184}, {200, 200}, {140, 200}}), c.red);
    d.line({{96, 180}, {108, 199}}, 1);
}

// The near ear at the right and its drop-shaped earring of gold and red.
void drawEarAndEarring(FlatDrawing& d, const Colours& c) {
    d.shape(tiltedEllipse(190, 118, 10, 18), c.skin);
    d.shade(tiltedEllipse(192, 120, 5, 10), c.skin);
    const Path drop = smooth({{186, 152}, {194, 166}, {192, 180}, {184, 182}, {180, 172}}, true);
    d.line({{186, 136}, {186, 152}}, 2, c.gold);
    d.shape(Mask::polygon(drop), c.gold);
    d.shade(Mask::polygon({{190, 160}, {196, 168}, {192, 184}, {186, 184}}), c.gold);
    d.shape(Mask::ellipse(186, 174, 5, 6), c.red);
    d.fill(Mask::rect(184, 160, 185, 163), White);
}

// The face, turned a little to the left: the near side at the right is the fuller one.
void drawFace(FlatDrawing& d, const Colours& c) {
    const Path faceOutline = smooth({{128, 30},
                                     {172, 40},
                                     {192, 80},
                                     {190, 130},
                                     {176, 168},
                                     {150, 188},
                                     {124, 194},
                                     {98, 184},
                                     {80, 160},
                                     {68, 120},
                                     {70, 72},
                                     {92, 40}},
                                    true);
    const Mask face = tiltedShape(faceOutline);
    d.shape(face, c.skin);
    d.shade(face - tiltedEllipse(120, 108, 64, 86), c.skin);
}

// Bowl-cut hair with a straight, spiky-edged fringe low over the eyes.
void drawHair(FlatDrawing& d, const Colours& c) {
    Path hairOutline = {{60, 118}, {58, 70},  {76, 34},   {112, 14},  {150, 14},
                        {182, 30}, {200, 66}, {200, 120}, {190, 118}, {190, 86}};
    for (int i = 0; i <= 12; ++i) { // the fringe, from right to left, in small spikes
        const double x = 186 - i * 10;
        hairOutline.push_back({x, 84});
        hairOutline.push_back({x - 5, 92});
    }
    hairOutline.push_back({66, 86});
    hairOutline.push_back({68, 118});
    const Mask hairArea = tiltedShape(hairOutline);
    d.shape(hairArea, c.hair);
    d.shade(hairArea - tiltedEllipse(126, 56, 70, 62), c.hair);
    d.fill(tiltedShape(smooth({{92, 36}, {120, 24}, {156, 28}, {122, 32}}, true)),
           shared(127, 95, 95));
    for (const double x : {96.0, 120.0, 146.0, 170.0}) {
        d.line(tilted({{x, 62}, {x - 2, 78}}), 1);
    }
}

// Eyes shut under heavy brown lids, the far one narrower, and brows barely showing under the
// fringe.
void drawShutEyes(FlatDrawing& d, const Colours& c) {
    const Path lidNear = smooth({{128, 98}, {140, 92}, {156, 94}, {164, 104}, {146, 106}}, true);
    const Path lidFar = smooth({{84, 102}, {92, 94}, {106, 94}, {114, 102}, {100, 106}}, true);
    for (const Path& lid : {lidNear, lidFar}) {
        d.shape(tiltedShape(lid), c.lid);
    }
    d.shade(tiltedShape({{128, 100}, {164, 98}, {164, 106}, {128, 106}}), c.lid);
    d.shade(tiltedShape({{84, 100}, {114, 98}, {114, 106}, {84, 106}}), c.lid);
    d.fill(tiltedShape(smooth({{136, 95}, {146, 93}, {154, 96}, {146, 97}}, true)),
           shared(223, 159, 127));
    d.fill(tiltedShape(smooth({{92, 97}, {99, 95}, {106, 97}, {99, 98}}, true)),
           shared(223, 159, 127));
    d.line(tilted(smooth({{126, 104}, {146, 107}, {166, 104}}, false)), 2);
    d.line(tilted(smooth({{82, 104}, {98, 107}, {116, 104}}, false)), 2);
    d.line(tilted({{160, 106}, {163, 110}}), 1);
    d.line(tilted({{150, 107}, {152, 111}}), 1);
    d.line(tilted({{86, 106}, {84, 110}}), 1);
    // The brow, drawn down at its outer end.
    d.line(tilted(curve({128, 90}, {146, 86}, {164, 92})), 2, c.hair);
}

// A hooked line for the nose, bending back under its tip.
void drawNose(FlatDrawing& d, const Colours& c) {
    d.line(tilted(smooth({{118, 106}, {112, 124}, {106, 138}, {110, 142}, {118, 140}}, false)), 2);
    d.shade(tiltedShape({{118, 108}, {124, 136}, {118, 141}, {112, 126}}), c.skin);
}

// A flat closed mouth drooping at both ends.
void drawDroopingMouth(FlatDrawing& d) {
    d.line(tilted(smooth({{100, 166}, {106, 162}, {124, 161}, {142, 163}, {148, 168}}, false)), 2);
    d.fill(tiltedEllipse(124, 171, 13, 2.5), shared(223, 127, 127)); // the lower lip
}

} // namespace

IndexedPicture paintEldestSon() {
    const Colours c;
    FlatDrawing d(Black);
    drawSpeedLines(d, c);
    drawClothing(d, c);
    drawEarAndEarring(d, c);
    drawFace(d, c);
    drawHair(d, c);
    drawShutEyes(d, c);
    drawNose(d, c);
    drawDroopingMouth(d);
    return d.picture();
}

} // namespace gachapoko::painter
