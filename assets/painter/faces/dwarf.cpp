// The dwarf of the forest, scowling under a tilted knitted cap, with long pointed ears, in front
// of leaves.
#include "assets/painter/flat_drawing.h"
#include "assets/painter/maths.h"
#include "assets/painter/pictures.h"
#include "assets/painter/random.h"

namespace gachapoko::painter {

namespace {

struct Colours {
    std::uint8_t ground = shared(127, 255, 95);
    std::uint8_t leafGreen = shared(95, 223, 95);
    std::uint8_t skin = shared(255, 223, 159);
    std::uint8_t cap = shared(95, 63, 127);
    std::uint8_t hair = shared(63, 63, 127);
    std::uint8_t brow = shared(127, 63, 159);
    std::uint8_t earInside = shared(255, 159, 127);
};

// A pointed leaf of the given length and width, turned by `angle` radians about its centre.
Path leaf(double cx, double cy, double length, double width, double angle) {
    Path outline;
    constexpr int Steps = 24;
    for (int side = 0; side < 2; ++side) {
        for (int s = 0; s <= Steps; ++s) {
            const double t =
                side == 0 ? static_cast<double>(s) / Steps : 1.0 - static_cast<double>(s) / Steps;
            const double u = (t - 0.5) * length;
            const double v = (side == 0 ? 1 : -1) * sine(Pi * t) * width / 2;
            outline.push_back({cx + u * cosine(angle) - v * sine(angle),
                               cy + u * sine(angle) + v * cosine(angle)});
        }
    }
    return outline;
}

// Leaves scattered over the bright green ground, each with its vein. Leaves hidden behind the
// head would be wasted; they go round it, two rings deep.
void drawLeaves(FlatDrawing& d, const Colours& c) {
    Random random(DwarfPicture); // seeded with the picture's id
    for (int i = 0; i < 28; ++i) {
        const double around = i * Tau / 14 + random.real(-0.15, 0.15);
        const double reach = (i % 2 == 0 ? 1.05 : 1.35) + random.real(-0.08, 0.08);
        const double cx = 100 + cosine(around) * 68 * reach;
        const double cy = 106 + sine(around) * 90 * reach;
        const double length = random.real(24.0, 40.0);
        const double angle = random.real(0.0, Pi);
        d.shape(Mask::polygon(leaf(cx, cy, length, length * 0.45, angle)), c.leafGreen);
        const double dx = cosine(angle) * length * 0.4, dy = sine(angle) * length * 0.4;
        d.line({{cx - dx, cy - dy}, {cx + dx, cy + dy}}, 1, darker(c.leafGreen));
        d.line({{cx - dx * 0.6 - 3, cy - dy * 0.6 - 3}, {cx - 3, cy - 3}}, 1,
               shared(159, 255, 127));
    }
}

// Long pointed ears: the left one sticks out sideways, the right one points upward.
void drawEars(FlatDrawing& d, const Colours& c) {
    const Path leftEar = {{52, 92}, {20, 82}, {2, 70}, {14, 96}, {30, 118}, {50, 126}};
    const Path rightEar = {{148, 96}, {170, 70}, {194, 28}, {190, 72}, {176, 106}, {152, 126}};
    for (const Path& ear : {leftEar, rightEar}) {
        d.shape(Mask::polygon(ear), c.skin);
    }
    d.fill(Mask::polygon({{46, 98}, {22, 88}, {12, 80}, {22, 98}, {34, 112}, {46, 118}}),
           c.earInside);
    d.fill(Mask::polygon({{152, 102}, {172, 78}, {188, 44}, {184, 76}, {172, 100}, {154, 118}}),
           c.earInside);
    d.shade(Mask::polygon({{46, 110}, {26, 106}, {34, 116}, {48, 122}}), c.earInside);
    d.shade(Mask::polygon({{170, 92}, {184, 62}, {180, 88}, {166, 108}}), c.earInside);
}

// The face, a broad heavy jaw wider below than at the temples, and dark blue tufts of hair at
// the temples, under the brim.
void drawFaceAndTufts(FlatDrawing& d, const Colours& c) {
    const Path faceHalf = {{100, 40}, {70, 44},  {52, 62},  {46, 90},  {44, 120},
                           {46, 150}, {56, 174}, {76, 188}, {100, 192}};
    const Mask face = Mask::polygon(smooth(symmetric(faceHalf, 100), true));
    d.shape(face, c.skin);
    // Tan shading down the right side and along the jaw.
    d.shade(face - Mask::ellipse(92, 108, 50, 76), c.skin);
    d.shade(face & Mask::ellipse(100, 200, 40, 16), c.skin);

    const Path tuftLeft = {{54, 72},  {34, 74},  {40, 82},  {26, 90}, {40, 94},
                           {30, 106}, {46, 100}, {44, 112}, {54, 92}};
    const Path tuftRight = mirrored(tuftLeft, 100);
    for (const Path& tuft : {tuftLeft, tuftRight}) {
        d.shape(Mask::polygon(tuft), c.hair);
    }
    d.shade(Mask::rect(0, 96, 199, 120), c.hair);
}

// The knitted cap pulled low and tilted, lower on the left, across the top third: its folded
// brim with ribs, a shadow over the crown's right side, and a bobble hanging off the tip.
void drawCap(FlatDrawing& d, const Colours& c) {
    const Path capOutline = {{26, 78},  {30, 44},  {52, 18},  {92, 2},   {140, 0},
                             {172, 16}, {184, 40}, {180, 60}, {120, 62}, {70, 70}};
    const Mask capArea = Mask::polygon(smooth(capOutline, true));
    d.shape(capArea, c.cap);
    const Path brim = {{26, 80},  {70, 72},  {120, 64}, {182, 62},
                       {184, 42}, {120, 46}, {64, 54},  {28, 62}};
    const Mask brimArea = Mask::polygon(smooth(brim, true));
    d.shade(capArea - brimArea - Mask::ellipse(86, 20, 70, 30), c.cap);
    d.shape(brimArea, c.cap);
    for (int i = 0; i < 16; ++i) {
        const double t = i / 15.0;
        const double x = 32 + t * 148;
        const double top = 60 - t * 16, bottom = 78 - t * 16;
        d.line({{x, top + 3}, {x + 1, bottom - 3}}, 1, darker(c.cap));
    }
    d.shape(Mask::ellipse(170, 14, 11, 10), shared(127, 95, 159));
    d.shade(Mask::ellipse(174, 18, 10, 9) - Mask::ellipse(168, 12, 10, 9), shared(127, 95, 159));
}

// Thick purple brows slanting down to the nose in a scowl, over narrow eye slits, each with a
// small dark pupil.
void drawScowlingEyes(FlatDrawing& d, const Colours& c) {
    const Path browLeft = {{50, 84}, {62, 80}, {94, 96}, {92, 102}, {58, 92}, {48, 90}};
    d.shape(Mask::polygon(browLeft), c.brow);
    d.shape(Mask::polygon(mirrored(browLeft, 100)), c.brow);
    d.shade(Mask::rect(0, 95, 199, 104), c.brow);

    const Path eyeLeft = {{60, 104}, {74, 100}, {90, 106}, {74, 110}};
    for (const Path& eye : {eyeLeft, mirrored(eyeLeft, 100)}) {
        d.shape(Mask::polygon(eye), White);
    }
    d.fill(Mask::rect(74, 102, 78, 108), Black);
    d.fill(Mask::rect(122, 102, 126, 108), Black);
    d.line({{58, 112}, {72, 114}, {86, 111}}, 1, darker(c.skin));
    d.line({{142, 112}, {128, 114}, {114, 111}}, 1, darker(c.skin));
}

// The long narrow nose, the folds from it, and the wide thin mouth turned up at the right end
// in a smirk.
void drawNoseAndMouth(FlatDrawing& d, const Colours& c) {
    const Path nose = {{96, 102},  {104, 102}, {108, 140}, {112, 148},
                       {104, 154}, {96, 154},  {88, 148},  {92, 140}};
    d.shape(Mask::polygon(smooth(nose, true)), c.skin);
    d.shade(Mask::polygon({{102, 104}, {110, 140}, {112, 150}, {104, 152}, {102, 140}}), c.skin);
    d.line({{94, 150}, {97, 151}}, 1);
    d.line({{103, 151}, {106, 150}}, 1);

    d.line(curve({82, 140}, {70, 150}, {64, 162}), 1, darker(c.skin));
    d.line(curve({118, 140}, {132, 148}, {140, 156}), 1, darker(c.skin));
    d.line(smooth({{56, 166}, {80, 170}, {112, 169}, {138, 164}, {148, 154}}, false), 2);
    d.line({{146, 160}, {152, 158}}, 1);
    d.fill(Mask::ellipse(100, 174, 22, 2.5), shared(223, 159, 127)); // the thin lower lip
    d.line(curve({96, 182}, {100, 185}, {104, 182}), 1, darker(c.skin));
}

} // namespace

IndexedPicture paintDwarf() {
    const Colours c;
    FlatDrawing d(c.ground);
    drawLeaves(d, c);
    drawEars(d, c);
    drawFaceAndTufts(d, c);
    drawCap(d, c);
    drawScowlingEyes(d, c);
    drawNoseAndMouth(d, c);
    return d.picture();
}

} // namespace gachapoko::painter
