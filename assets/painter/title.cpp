// The title: the game's name ガチャポコ in soft, glowing hand-painted lettering on black (ガ in
// deep blue, チャ in mustard yellow on a dark grey halo, ポコ in dark red), and the group's credit
// line along the bottom.
#include "assets/painter/blur.h"
#include "assets/painter/layer.h"
#include "assets/painter/lettering.h"
#include "assets/painter/maths.h"
#include "assets/painter/pictures.h"
#include "assets/painter/random.h"

namespace gachapoko::painter {

namespace {

constexpr Colour DeepBlue = rgb(15, 15, 175);
constexpr Colour Mustard = rgb(155, 155, 55);
constexpr Colour HaloGrey = rgb(55, 55, 55);
constexpr Colour DarkRed = rgb(155, 15, 15);

// One block of lettering: a wide soft glow of its colour, the paint itself with blurred edges,
// and a faint light along the middle of the strokes.
void paintGlowingLetters(Layer& canvas, const Mask& letters, Colour colour) {
    Mask glow = letters;
    blur(glow, 6.5);
    canvas.paint(glow, colour, 0.55);
    Mask paint = letters;
    blur(paint, 1.4);
    canvas.paint(paint, colour);
    Mask core = letters;
    core.scale(0.5);
    blur(core, 2.4);
    canvas.glow(core, mix(colour, rgb(255, 255, 255), 0.15), 0.35);
}

// An irregular, soft-edged cloud around the letters, for the halo behind the yellow block:
// the letters' paint spread wide, roughened by dabs.
Mask halo(const Mask& letters, Random& random) {
    Mask cloud = letters;
    blur(cloud, 7.5);
    cloud.scale(5);
    for (int i = 0; i < 18; ++i) {
        const double x = random.real(132, 188);
        const double y = random.real(12, 94);
        const double radius = random.real(8, 16);
        const double strength = random.real(0.6, 1.0);
        dab(cloud, {x, y}, radius, 6, strength);
    }
    blur(cloud, 3.5);
    return cloud;
}

} // namespace

RgbPicture paintTitle() {
    Layer canvas(rgb(0, 0, 0));
    Random random(TitlePicture); // seeded with the picture's id

    Mask ga;
    drawStrokes(ga, layOut(U"ガ"), flat({18, 16}, 66, 74), 0.15, 2, &random);
    paintGlowingLetters(canvas, ga, DeepBlue);

    Mask cha;
    drawStrokes(cha, layOut(U"チ"), flat({121, 10}, 50, 84), 0.15, 2, &random);
    drawStrokes(cha, layOut(U"ャ"), flat({169, 40}, 30, 60), 0.2, 2, &random);
    canvas.paint(halo(cha, random), HaloGrey);
    paintGlowingLetters(canvas, cha, Mustard);

    Mask poko;
    drawStrokes(poko, layOut(U"ポ"), flat({8, 104}, 88, 64), 0.15, 2, &random);
    drawStrokes(poko, layOut(U"コ"), flat({104, 106}, 84, 62), 0.15, 2, &random);
    paintGlowingLetters(canvas, poko, DarkRed);

    // The credit: small, widely spaced, white fading to light grey downwards.
    const std::u32string_view credit = U"Q.R.Z.T. 1999";
    constexpr double Spacing = 0.5;
    const double em = 10;
    const double left = 100 - textWidth(credit, Spacing) * em / 2;
    Mask letters;
    drawStrokes(letters, layOut(credit, Spacing), flat({left, 187}, em, em), 0.13, 1);
    canvas.paint(letters, rgb(255, 255, 255));
    Mask lower = letters;
    for (int y = 0; y < PictureSize; ++y) {
        const double fade = clamp01((y - 187) / 10.0);
        for (int x = 0; x < PictureSize; ++x) {
            lower.set(x, y, lower.at(x, y) * fade);
        }
    }
    canvas.paint(lower, rgb(200, 200, 200));
    return canvas.toPicture();
}

} // namespace gachapoko::painter
