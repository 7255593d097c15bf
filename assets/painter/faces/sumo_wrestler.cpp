// The sumo wrestler of the mountain: a big round calm face under magenta hair in front of broad
// rays.
#include "assets/painter/flat_drawing.h"
#include "assets/painter/pictures.h"

namespace gachapoko::painter {

namespace {

struct Colours {
    std::uint8_t skin = shared(255, 191, 127);
    std::uint8_t hair = shared(191, 63, 159);
    std::uint8_t rose = shared(191, 95, 127);
    std::uint8_t slate = shared(63, 95, 95);
};

// Broad rose rays from behind the head on slate, paler near the head and in shadow at the
// corners, far from the light behind it.
void drawRays(FlatDrawing& d, const Colours& c) {
    d.fill(Mask::rays(100, 100, 18, 0.1), c.rose);
    const Mask corners = Mask::where([](double x, double y) {
        return (x - 100) * (x - 100) + (y - 100) * (y - 100) > 125.0 * 125.0;
    });
    d.shade(corners, c.rose);
    d.shade(corners, c.slate);
    const Mask halo = Mask::ellipse(100, 100, 104, 104);
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            if (halo.has(x, y) && d.at(x, y) == c.rose) {
                d.put(x, y, shared(223, 127, 159));
            }
        }
    }
}

// Neck and shoulders down to the bottom edge, behind the face, and the ears at both sides, half
// hidden by it.
void drawNeckAndEars(FlatDrawing& d, const Colours& c) {
    const Path neck = {{38, 150},  {162, 150}, {178, 185}, {200, 192},
                       {200, 200}, {0, 200},   {0, 192},   {22, 185}};
    const Mask neckArea = Mask::polygon(neck);
    d.shape(neckArea, c.skin);
    // The chin throws a deep shadow on the neck.
    d.shade(neckArea & Mask::ellipse(100, 178, 86, 20), c.skin);
    d.line(curve({30, 198}, {60, 190}, {86, 199}), 1);
    d.line(curve({170, 198}, {140, 190}, {114, 199}), 1);

    for (const double cx : {14.0, 186.0}) {
        d.shape(Mask::ellipse(cx, 122, 14, 21), c.skin);
        const double inward = cx < 100 ? 1 : -1;
        d.shade(Mask::ellipse(cx + 2 * inward, 122, 7, 13), c.skin);
        d.line(curve({cx - 2 * inward, 108}, {cx - 9 * inward, 122}, {cx, 136}), 2);
    }
}

// The big round face, shaded along the right cheek and under the chin. Gives its area.
Mask drawFace(FlatDrawing& d, const Colours& c) {
    const Mask face = Mask::ellipse(100, 103, 84, 82);
    d.shape(face, c.skin);
    d.shade(face - Mask::ellipse(92, 98, 84, 82), c.skin);
    return face;
}

// Magenta hair: a smooth cap with pointed locks spreading to both side edges, and the topknot
// lying on top.
void drawHair(FlatDrawing& d, const Colours& c) {
    const Path hairHalf = {{100, 3},  {74, 5},  {50, 12}, {30, 24}, {0, 24},  {20, 38},
                           {0, 46},   {16, 56}, {0, 70},  {16, 76}, {0, 96},  {20, 96},
                           {24, 100}, {30, 80}, {40, 68}, {58, 58}, {80, 53}, {100, 52}};
    const Mask hairArea = Mask::polygon(symmetric(hairHalf, 100));
    d.shape(hairArea, c.hair);
    // Darker strands combed back from the hairline.
    d.shade(Mask::polygon(symmetric({{100, 40},
                                     {76, 42},
                                     {52, 48},
                                     {34, 60},
                                     {26, 74},
                                     {20, 94},
                                     {30, 80},
                                     {42, 66},
                                     {60, 57},
                                     {80, 53},
                                     {100, 52}},
                                    100)),
            c.hair);
    for (const double x : {60.0, 80.0}) {
        d.line(curve({x, 48}, {x + 6, 26}, {x + 18, 12}), 1);
        d.line(mirrored(curve({x, 48}, {x + 6, 26}, {x + 18, 12}), 100), 1);
    }
    d.line(curve({30, 54}, {40, 34}, {58, 20}), 1);
    d.line(mirrored(curve({30, 54}, {40, 34}, {58, 20}), 100), 1);
    // A shine across the crown.
    const std::uint8_t hairShine = shared(223, 127, 191);
    d.fill(Mask::polygon(
               smooth({{54, 24}, {80, 15}, {120, 15}, {146, 24}, {120, 21}, {80, 21}}, true)),
           hairShine);
    // The topknot: a fan of hair spreading on the crown, tied at its root with a white cord.
    const Mask knot = Mask::polygon(
        {{95, 24}, {82, 10}, {76, 2}, {84, -2}, {116, -2}, {124, 2}, {118, 10}, {105, 24}});
    d.shape(knot, c.hair);
    d.shade(knot & Mask::rect(100, 0, 130, 30), c.hair);
    d.line({{88, 4}, {97, 18}}, 1);
    d.line({{112, 4}, {103, 18}}, 1);
    d.shape(Mask::rect(93, 17, 107, 21), White);
    d.shade(Mask::rect(93, 20, 107, 21), White);
}

// Thick magenta eyebrows over eyes closed as thin gently curved lines, with a short crease
// above each.
void drawBrowsAndShutEyes(FlatDrawing& d, const Colours& c) {
    const Path browLeft = {{40, 82}, {52, 72}, {70, 70}, {84, 76}, {82, 84}, {66, 80}, {48, 84}};
    d.shape(Mask::polygon(smooth(browLeft, true)), c.hair);
    d.shape(Mask::polygon(smooth(mirrored(browLeft, 100), true)), c.hair);
    d.shade(Mask::rect(0, 79, 199, 90), c.hair);

    d.line(curve({46, 101}, {62, 108}, {80, 101}), 2);
    d.line(curve({120, 101}, {138, 108}, {154, 101}), 2);
    d.line(curve({52, 93}, {62, 90}, {72, 93}), 1);
    d.line(curve({128, 93}, {138, 90}, {148, 93}), 1);
}

// A large triangular nose in the middle, lit from the left, with a glint.
void drawNose(FlatDrawing& d, const Colours& c) {
    const Path nose = {{100, 92}, {118, 140}, {108, 146}, {92, 146}, {82, 140}};
    d.shape(Mask::polygon(nose), c.skin);
    d.shade(Mask::polygon({{100, 92}, {118, 140}, {108, 146}, {100, 146}, {102, 100}}), c.skin);
    d.line(curve({88, 140}, {92, 137}, {96, 141}), 2);
    d.line(curve({104, 141}, {108, 137}, {112, 140}), 2);
    d.fill(Mask::polygon({{98, 104}, {94, 124}, {96, 126}, {100, 106}}), shared(255, 223, 159));
}

// A rosy flush on the round cheeks and a calm, closed, gently smiling mouth.
void drawCheeksAndMouth(FlatDrawing& d, const Colours& c, const Mask& face) {
    const std::uint8_t blush = shared(255, 159, 127);
    for (const double cx : {52.0, 148.0}) {
        d.fill(Mask::ellipse(cx, 128, 14, 8) & face, blush);
        d.shade(Mask::ellipse(cx, 130, 14, 8) - Mask::ellipse(cx, 128, 14, 8), c.skin);
    }
    d.line(curve({34, 128}, {40, 146}, {56, 156}), 1);
    d.line(curve({166, 128}, {160, 146}, {144, 156}), 1);
    d.fill(Mask::ellipse(100, 170, 13, 2.5), darker(blush)); // the lower lip
    d.line(curve({74, 160}, {100, 172}, {126, 160}), 2);
    d.line({{72, 157}, {75, 161}}, 1);
    d.line({{128, 157}, {125, 161}}, 1);
    d.shade(Mask::ellipse(100, 178, 16, 3), c.skin);
}

} // namespace

IndexedPicture paintSumoWrestler() {
    const Colours c;
    FlatDrawing d(c.slate);
    drawRays(d, c);
    drawNeckAndEars(d, c);
    const Mask face = drawFace(d, c);
    drawHair(d, c);
    drawBrowsAndShutEyes(d, c);
    drawNose(d, c);
    drawCheeksAndMouth(d, c, face);
    return d.picture();
}

} // namespace gachapoko::painter
