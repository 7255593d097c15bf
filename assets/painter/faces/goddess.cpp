// The goddess of the lake, laughing, framed by long golden hair before a halo of rays in the
// sky.
#include "assets/painter/flat_drawing.h"
#include "assets/painter/pictures.h"
#include "assets/painter/random.h"

namespace gachapoko::painter {

namespace {

struct Colours {
    std::uint8_t sky = shared(166, 202, 240);
    std::uint8_t rayGreen = shared(191, 255, 95);
    std::uint8_t leafGreen = shared(63, 191, 63);
    std::uint8_t hair = shared(255, 223, 63);
    std::uint8_t hairLight = shared(255, 255, 159);
    std::uint8_t skin = shared(255, 223, 127);
    std::uint8_t brow = shared(191, 127, 63);
    std::uint8_t coral = shared(255, 127, 95);
    std::uint8_t blush = shared(255, 159, 127);
    std::uint8_t dress = shared(255, 251, 240);
    std::uint8_t jewel = shared(95, 95, 191);
};

// Yellow-green rays fanning out behind her head like a halo, each folded along its middle, one
// half in shade; the sky stays clear at the corners and sides. Small leaves at the lower left
// and right edges.
void drawHaloAndLeaves(FlatDrawing& d, const Colours& c) {
    const Mask halo = Mask::rays(100, 78, 20, 0.05) & Mask::ellipse(100, 84, 108, 130);
    d.fill(halo, c.rayGreen);
    d.shade(halo & Mask::rays(100, 78, 40, 0.05), c.rayGreen);

    Random random(GoddessPicture); // seeded with the picture's id
    for (const double side : {0.0, 1.0}) {
        for (int i = 0; i < 5; ++i) {
            const double cx = side == 0 ? random.real(0.0, 22.0) : random.real(178.0, 200.0);
            const double cy = random.real(130.0, 196.0);
            const double tip = side == 0 ? 1 : -1;
            const Path leaf = smooth({{cx - 8 * tip, cy + 4},
                                      {cx, cy - 4},
                                      {cx + 9 * tip, cy - 6},
                                      {cx + 2 * tip, cy + 5}},
                                     true);
            d.shape(Mask::polygon(leaf), c.leafGreen);
            d.line({{cx - 6 * tip, cy + 3}, {cx + 6 * tip, cy - 3}}, 1, darker(c.leafGreen));
        }
    }
}

// Long golden hair behind her, flowing down both sides to the bottom edge; the neck, shoulders
// and the white dress with a jewel; and the face.
void drawBackHairDressAndFace(FlatDrawing& d, const Colours& c) {
    const Path backHairHalf = {{100, 6},  {62, 10},  {36, 30},  {24, 64},  {22, 104}, {14, 146},
                               {24, 176}, {16, 200}, {60, 200}, {64, 170}, {100, 170}};
    const Mask backHair = Mask::polygon(smooth(symmetric(backHairHalf, 100), true));
    d.shape(backHair, c.hair);
    d.shade(backHair - Mask::ellipse(100, 70, 80, 120), c.hair);

    d.shape(Mask::polygon({{86, 150}, {114, 150}, {118, 186}, {82, 186}}), c.skin);
    d.shade(Mask::polygon({{86, 150}, {114, 150}, {114, 166}, {86, 172}}), c.skin);
    const Path dressOutline = {{34, 200},  {48, 184},  {80, 178}, {100, 190},
                               {120, 178}, {152, 184}, {166, 200}};
    d.shape(Mask::polygon(dressOutline), c.dress);
    d.shade(Mask::polygon({{100, 190}, {120, 178}, {152, 184}, {166, 200}, {100, 200}}), c.dress);
    d.shape(Mask::ellipse(100, 192, 5, 5), c.jewel);

    const Path faceHalf = {{100, 40}, {70, 46},  {56, 70},  {56, 104},
                           {64, 132}, {80, 152}, {100, 160}};
    const Mask face = Mask::polygon(smooth(symmetric(faceHalf, 100), true));
    d.shape(face, c.skin);
    d.shade(face - Mask::ellipse(96, 96, 44, 62), c.skin);
}

// Locks falling in front of the shoulders and along the cheeks, and the crown of the head with
// a pointed fringe.
void drawFrontHair(FlatDrawing& d, const Colours& c) {
    const Path lockLeft = {{60, 60},  {48, 100}, {46, 140}, {36, 180},
                           {52, 196}, {58, 170}, {62, 132}, {60, 100}};
    const Mask locks = Mask::polygon(smooth(lockLeft, true)) |
                       Mask::polygon(smooth(mirrored(lockLeft, 100), true));
    d.shape(locks, c.hair);
    d.shade(locks - locks.shifted(-4, 0), c.hair);

    Path crown = {{30, 70},  {34, 38},  {56, 16},  {100, 6},
                  {144, 16}, {166, 38}, {170, 70}, {150, 56}};
    const double fringe[][2] = {{146, 76}, {138, 54}, {128, 72}, {118, 52}, {108, 70}, {100, 50},
                                {90, 68},  {80, 52},  {70, 72},  {62, 54},  {54, 78},  {50, 56}};
    for (const auto& p : fringe) {
        crown.push_back({p[0], p[1]});
    }
    const Mask crownArea = Mask::polygon(crown);
    d.shape(crownArea, c.hair);
    d.shade(crownArea - crownArea.shifted(-3, -7), c.hair);
    d.fill(Mask::polygon(smooth({{52, 30}, {76, 16}, {108, 12}, {82, 20}, {60, 34}}, true)),
           c.hairLight);
    d.fill(Mask::polygon(smooth({{132, 20}, {150, 30}, {158, 44}, {146, 34}}, true)), c.hairLight);
    for (const double x : {70.0, 100.0, 130.0}) {
        d.line(curve({x, 22}, {x + 4, 34}, {x, 46}), 1, darker(c.hair));
    }
}

// Arched brows over eyes closed in happy arcs, blushing cheeks, a small circle for the nose, a
// broad open smile in coral red with a row of upper teeth, and a jewel on the brow.
void drawLaughingFace(FlatDrawing& d, const Colours& c) {
    d.line(curve({66, 80}, {76, 72}, {90, 78}), 2, c.brow);
    d.line(curve({134, 80}, {124, 72}, {110, 78}), 2, c.brow);
    d.line(curve({66, 98}, {77, 86}, {89, 98}), 2);
    d.line(curve({134, 98}, {123, 86}, {111, 98}), 2);
    d.line({{66, 98}, {62, 96}}, 1);
    d.line({{134, 98}, {138, 96}}, 1);
    for (const double cx : {72.0, 128.0}) {
        d.fill(Mask::ellipse(cx, 112, 9, 5), c.blush);
    }

    d.line(smooth({{97, 112}, {100, 109}, {103, 112}, {100, 115}}, true), 1, darker(c.skin));

    const Path smile =
        smooth({{70, 124}, {100, 126}, {130, 124}, {122, 142}, {100, 150}, {78, 142}}, true);
    const Mask smileArea = Mask::polygon(smile);
    d.shape(smileArea, c.coral);
    d.shape(smileArea & Mask::rect(0, 120, 199, 131), White);
    d.shade(smileArea & Mask::ellipse(100, 150, 18, 8), c.coral);
    d.line(smile, 1);
    d.line({{66, 122}, {70, 125}}, 1);
    d.line({{134, 122}, {130, 125}}, 1);

    d.shape(Mask::polygon({{100, 58}, {106, 64}, {100, 70}, {94, 64}}), c.jewel);
    d.fill(Mask::rect(98, 62, 99, 63), White);
}

} // namespace

IndexedPicture paintGoddess() {
    const Colours c;
    FlatDrawing d(c.sky);
    drawHaloAndLeaves(d, c);
    drawBackHairDressAndFace(d, c);
    drawFrontHair(d, c);
    drawLaughingFace(d, c);
    return d.picture();
}

} // namespace gachapoko::painter
