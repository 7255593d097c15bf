// The final opponent, the goddess transformed into a dark airbrushed mask, and the same mask torn
// into horizontal streaks when he is beaten. Both are sprayed onto a true-colour layer and then
// reduced to a palette of their own that uses every entry.
#include "assets/painter/blur.h"
#include "assets/painter/layer.h"
#include "assets/painter/maths.h"
#include "assets/painter/pictures.h"
#include "assets/painter/quantise.h"
#include "assets/painter/random.h"

#include <algorithm>

namespace gachapoko::painter {

namespace {

constexpr Rgb FrameDark = {102, 102, 102};
constexpr Rgb FrameLight = {141, 141, 141};

// The black of the field and the frame's two greys keep their own exact palette entries; of the
// rest, 80 entries go to the coloured eyes and grin and the others to the greys of the mask.
const PaletteBudget Budget = {.exact = {{0, 0, 0}, FrameDark, FrameLight}, .colourEntries = 80};

// Sprays `colour` over `area` with its edges blurred by a Gaussian of `softness` pixels;
// `strength` is how much of the colour covers the middle (0 to 1).
void spray(Layer& canvas, Mask area, Colour colour, double softness, double strength) {
    blur(area, softness);
    canvas.paint(area, colour, strength);
}

// Speckles the painted (not black) pixels by up to `amount` levels, as a real airbrush does.
void grain(Layer& canvas, Random& random, double amount) {
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            const double jitter = random.real(-amount, amount);
            const Colour p = canvas.at(x, y);
            if (p.r + p.g + p.b > 12) {
                canvas.set(x, y,
                           {std::clamp(p.r + jitter, 0.0, 255.0),
                            std::clamp(p.g + jitter, 0.0, 255.0),
                            std::clamp(p.b + jitter, 0.0, 255.0)});
            }
        }
    }
}

// The rough, wavy frame: how deep it reaches in from each edge at position t along that edge.
double frameDepth(double t, int edge, double base) {
    return base + 3.0 * sine(t * 0.07 + edge * 1.7) + 2.0 * sine(t * 0.19 + edge * 0.6) +
           0.9 * sine(t * 0.61 + edge * 2.9);
}

Layer sprayFinalOpponent() {
    Layer a;
    Random random(FinalOpponentPicture); // seeded with the picture's id

    // Faint hollows of the mask in the black, so the face has some shape.
    spray(
        a,
        Mask::polygon(smooth(
            {{30, 60}, {100, 30}, {176, 40}, {184, 120}, {120, 178}, {40, 186}, {16, 130}}, true)),
        {24, 24, 26}, 9.0, 1.0);
    spray(a, Mask::ellipse(40, 140, 22, 16), {8, 8, 8}, 6.0, 0.8);

    // Blurred grey brows arching over the eyes; the left one sits lower, like its eye.
    spray(a, Mask::line(smooth({{6, 84}, {20, 72}, {40, 70}, {58, 80}}, false), 6), {150, 150, 150},
          2.6, 0.95);
    spray(a, Mask::line(smooth({{122, 56}, {140, 40}, {164, 36}, {186, 44}}, false), 6),
          {150, 150, 150}, 2.6, 0.95);
    // The hooked nose: a long grey ridge bending back to the left at its tip.
    spray(a, Mask::line(smooth({{96, 62}, {104, 90}, {108, 116}, {100, 130}, {86, 128}}, false), 5),
          {128, 128, 130}, 2.8, 0.9);
    spray(a, Mask::line(smooth({{100, 70}, {110, 98}, {114, 116}}, false), 2), {190, 190, 190}, 1.6,
          0.6);

    // The wide red crescent grin rising from the lower left to the right.
    const Path lower = curve({45, 177}, {112, 192}, {156, 134});
    const Path upper = curve({156, 134}, {96, 168}, {45, 177});
    Path crescent = lower;
    crescent.insert(crescent.end(), upper.begin(), upper.end());
    const Mask grin = Mask::polygon(crescent);
    spray(a, grin, {150, 10, 12}, 2.2, 1.0);
    const Path coreLower = curve({56, 178}, {112, 186}, {150, 142});
    const Path coreUpper = curve({150, 142}, {100, 172}, {56, 178});
    Path core = coreLower;
    core.insert(core.end(), coreUpper.begin(), coreUpper.end());
    spray(a, Mask::polygon(core), {235, 40, 30}, 2.4, 0.9);
    // A grey stroke at each end of the grin.
    spray(a, Mask::line({{36, 168}, {44, 178}, {42, 190}}, 4), {140, 140, 140}, 1.8, 0.9);
    spray(a, Mask::line({{150, 128}, {160, 132}, {170, 126}}, 4), {140, 140, 140}, 1.8, 0.9);

    // Two small glowing yellow eyes, the left one lower.
    for (const Point eye : {Point{22, 97}, Point{157, 60}}) {
        spray(a, Mask::ellipse(eye.x, eye.y, 7, 5), {230, 190, 20}, 4.0, 0.85);
        spray(a, Mask::ellipse(eye.x, eye.y, 3.5, 2.5), {255, 255, 170}, 1.2, 1.0);
    }

    // A little grain, as from a real airbrush.
    grain(a, random, 3.0);

    // The rough, wavy frame of two solid greys along all four edges.
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            const double deepest =
                std::max({frameDepth(y, 0, 8) - x, frameDepth(y, 1, 7) - (199 - x),
                          frameDepth(x, 2, 7) - y, frameDepth(x, 3, 8) - (199 - y)});
            if (deepest > 4.5) {
                a.set(x, y, colourOf(FrameLight));
            } else if (deepest > 0) {
                a.set(x, y, colourOf(FrameDark));
            }
        }
    }
    return a;
}

// Each band of rows is dragged to the right by its own amount, some hardly at all; the streak
// left behind repeats the band's first pixels.
std::vector<int> tearAmounts() {
    Random random(FinalOpponentBeatenPicture); // seeded with the picture's id
    std::vector<int> amounts;
    while (static_cast<int>(amounts.size()) < PictureSize) {
        const int height = random.integer(3, 14);
        const double roll = random.unit();
        const int amount = roll < 0.3 ? random.integer(0, 1) : random.integer(4, 20);
        for (int i = 0; i < height && static_cast<int>(amounts.size()) < PictureSize; ++i) {
            amounts.push_back(amount);
        }
    }
    return amounts;
}

} // namespace

IndexedPicture paintFinalOpponent() {
    return quantise(sprayFinalOpponent().toPicture(), Budget);
}

IndexedPicture paintFinalOpponentBeaten() {
    const IndexedPicture whole = paintFinalOpponent();
    const std::vector<int> amounts = tearAmounts();
    Layer torn;
    for (int y = 0; y < PictureSize; ++y) {
        const int shift = amounts[static_cast<std::size_t>(y)];
        for (int x = 0; x < PictureSize; ++x) {
            const Rgb source = whole.palette[whole.at(std::max(0, x - shift), y)];
            Colour c = colourOf(source);
            // Moving bands also smear: each pixel keeps a trace of the ones it passed over.
            if (shift > 1) {
                for (int k = 1; k <= 3; ++k) {
                    const Rgb behind = whole.palette[whole.at(std::max(0, x - shift - k), y)];
                    c.r += 0.12 * (behind.r - c.r);
                    c.g += 0.12 * (behind.g - c.g);
                    c.b += 0.12 * (behind.b - c.b);
                }
            }
            torn.set(x, y, c);
        }
    }
    return quantise(torn.toPicture(), Budget);
}

} // namespace gachapoko::painter
