// The closing picture: on black, the group's name Q.R.Z.T. in green perspective lettering growing
// to the right, The End in blurred grey under its first letters, and two dark grey slanted panels
// with the credit names in red. Airbrushed, then reduced to a palette of its own, mostly greys,
// every entry used.
#include "assets/painter/blur.h"
#include "assets/painter/layer.h"
#include "assets/painter/lettering.h"
#include "assets/painter/pictures.h"
#include "assets/painter/quantise.h"
#include "assets/painter/random.h"

#include <algorithm>
#include <array>

namespace gachapoko::painter {

namespace {

constexpr Colour GroupGreen = rgb(50, 146, 26);
constexpr Colour GreenEdge = rgb(170, 222, 70);
constexpr Colour EndGrey = rgb(150, 150, 150);
constexpr Colour PanelGrey = rgb(62, 62, 62);
constexpr Colour CreditRed = rgb(205, 28, 28);
constexpr Colour CreditOutline = rgb(235, 225, 225);

// Palette entries kept for the coloured lettering; the rest go to the greys.
constexpr int ColourEntries = 64;

// A faint airbrushed haze over the black, darkest at the corners.
void paintHaze(Layer& canvas, Random& random) {
    Mask haze;
    for (int i = 0; i < 14; ++i) {
        const double x = random.real(20, 180);
        const double y = random.real(20, 180);
        const double radius = random.real(20, 45);
        const double strength = random.real(0.3, 0.7);
        dab(haze, {x, y}, radius, 30, strength);
    }
    blur(haze, 8.5);
    canvas.paint(haze, rgb(20, 20, 23), 1);
}

// The group's name seen from its right end: small at the top left, each letter taller and
// wider than the one before, the baseline sinking so that the last full stop sits low at the
// right edge while the first letters leave room for The End beneath them.
Placement growingToTheRight(double width) {
    const auto growth = [](double u) { return u * u * u; };
    const auto top = [growth](double u) { return 16 - 11 * growth(u); };
    const auto baseline = [growth](double u) { return 36 + 68 * growth(u); };
    // Letters widen with their height (22 + 79 u^3): x runs along its integral.
    const auto along = [](double u) { return 22 * u + 19.75 * u * u * u * u; };
    const double stretch = 186 / along(1);
    return [=](Point p) {
        const double u = std::max(0.0, p.x / width);
        return Point{5 + stretch * along(u), top(u) + p.y * (baseline(u) - top(u))};
    };
}

void paintGroupName(Layer& canvas) {
    const std::u32string_view name = U"Q.R.Z.T.";
    constexpr double Spacing = 0.1;
    const Placement place = growingToTheRight(textWidth(name, Spacing));
    const auto strokes = layOut(name, Spacing);
    Mask edge;
    drawStrokes(edge, strokes, place, 0.24, 1.5);
    Mask body;
    drawStrokes(body, strokes, place, 0.15, 1.2);
    Mask glow = edge;
    blur(glow, 3.5);
    canvas.paint(glow, GroupGreen, 0.35);
    canvas.paint(edge, GreenEdge);
    canvas.paint(body, GroupGreen);
}

void paintTheEnd(Layer& canvas) {
    const std::u32string_view words = U"The End";
    constexpr double Spacing = 0.08;
    const double sx = 86 / textWidth(words, Spacing);
    Mask letters;
    drawStrokes(letters, layOut(words, Spacing), flat({7, 59}, sx, 24), 0.22, 1.5);
    blur(letters, 2.4);
    canvas.paint(letters, EndGrey);
}

// A slanted panel, airbrushed lighter along its upper part.
void paintPanel(Layer& canvas, Point topLeft, Point topRight, Point bottomRight, Point bottomLeft,
                Random& random) {
    Mask panel;
    fillPolygon(panel, {topLeft, topRight, bottomRight, bottomLeft});
    blur(panel, 1.4);
    canvas.paint(panel, PanelGrey);
    Mask sheen;
    const Point mid{(topLeft.x + topRight.x) / 2, (topLeft.y + topRight.y) / 2 + 6};
    dab(sheen, mid, 50, 45, 0.5);
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            const double grain = random.real(0.9, 1.0);
            panel.set(x, y, panel.at(x, y) * (sheen.at(x, y) * grain));
        }
    }
    canvas.paint(panel, rgb(96, 96, 96), 0.6);
}

// One credit line written along its panel in perspective: red with a light outline.
void paintCredit(Layer& canvas, std::u32string_view name, Point topLeft, Point topRight,
                 Point bottomRight, Point bottomLeft) {
    constexpr double Spacing = 0.1;
    const double margin = 0.25;
    const double width = textWidth(name, Spacing) + 2 * margin;
    const Placement toPanel = perspective(width, 1.5, topLeft, topRight, bottomRight, bottomLeft);
    const Placement place = [toPanel, margin](Point p) {
        return toPanel({p.x + margin, p.y + 0.25});
    };
    const auto strokes = layOut(name, Spacing);
    Mask outline;
    drawStrokes(outline, strokes, place, 0.32, 1.2);
    Mask letters;
    drawStrokes(letters, strokes, place, 0.17, 1.0);
    canvas.paint(outline, CreditOutline);
    canvas.paint(letters, CreditRed);
}

struct Panel {
    std::u32string_view name;
    Point topLeft, topRight, bottomRight, bottomLeft;
};

// The first line large; the second starts large at the lower left and shrinks toward the
// upper right.
constexpr std::array<Panel, 2> Credits = {{
    {U"K. Tanaka", {22, 113}, {193, 106}, {190, 138}, {25, 147}},
    {U"M. Endo", {26, 157}, {192, 146}, {192, 164}, {28, 192}},
}};

} // namespace

IndexedPicture paintClosing() {
    Layer canvas(rgb(0, 0, 0));
    Random random(ClosingPicture); // seeded with the picture's id
    paintHaze(canvas, random);
    paintGroupName(canvas);
    paintTheEnd(canvas);
    for (const Panel& p : Credits) {
        paintPanel(canvas, p.topLeft, p.topRight, p.bottomRight, p.bottomLeft, random);
    }
    blur(canvas, 1.4);
    for (const Panel& p : Credits) {
        paintCredit(canvas, p.name, p.topLeft, p.topRight, p.bottomRight, p.bottomLeft);
    }
    return quantise(canvas.toPicture(), {.exact = {}, .colourEntries = ColourEntries});
}

} // namespace gachapoko::painter
