// The map: six places painted like a child's drawing in soft, half-transparent brush strokes on a
// pale yellow-green ground, no outlines, no text. Each place lies under the region the player
// clicks, as the site table gives it (SiteRow::Region); the ground between them stays bare. The
// painter checks that every region is mostly painted.
#include "assets/painter/blur.h"
#include "assets/painter/layer.h"
#include "assets/painter/pictures.h"
#include "assets/painter/random.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace gachapoko::painter {

namespace {

constexpr Colour Ground = rgb(223, 255, 191);
constexpr Colour CrownGreen = rgb(157, 255, 138);
constexpr Colour TrunkTan = rgb(222, 150, 90);
constexpr Colour RidgeLight = rgb(147, 219, 126);
constexpr Colour RidgeDark = rgb(132, 212, 113);
constexpr Colour Pond = rgb(149, 225, 188);
constexpr Colour PondRim = rgb(70, 165, 150);
constexpr Colour HouseBrown = rgb(198, 193, 151);
constexpr Colour RoofBrown = rgb(178, 162, 128);
constexpr Colour RearHouse = rgb(214, 212, 178);
constexpr Colour TowerRed = rgb(235, 155, 115);
constexpr Colour LightYellow = rgb(255, 232, 60);
constexpr Colour BuildingGrey = rgb(212, 233, 191);
constexpr Colour BuildingShade = rgb(188, 206, 176);
constexpr Colour WindowBlue = rgb(124, 137, 217);
constexpr Colour Sand = rgb(242, 215, 151);
constexpr Colour Sea = rgb(43, 152, 241);
constexpr Colour SeaStreak = rgb(120, 195, 250);

// Lays one stroke's paint down half-transparently, so crossings of strokes show darker.
void daub(Layer& canvas, Mask mask, Colour colour, double opacity) {
    blur(mask, 1.4);
    canvas.paint(mask, colour, opacity);
}

// A shape filled the way a child paints it: a wash of the colour, then streaks of brush
// strokes across it (horizontal, or vertical when `upright`) that stay inside the shape.
void paintedFill(Layer& canvas, const Path& outline, Colour colour, double opacity, Random& random,
                 bool upright = false) {
    Mask shape;
    fillPolygon(shape, outline);
    daub(canvas, shape, colour, opacity);
    double left = outline[0].x, right = left, top = outline[0].y, bottom = top;
    for (const Point p : outline) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    Mask streaks;
    const double from = upright ? left : top, to = upright ? right : bottom;
    for (double a = from + 1.5; a < to; a += 3) {
        const double start = (upright ? top : left) + random.real(-2, 4);
        const double end = (upright ? bottom : right) - random.real(-2, 4);
        const double wobble = random.real(-0.6, 0.6);
        const double strength = random.real(0.3, 1);
        if (upright) {
            stroke(streaks, {{a, start}, {a + wobble, end}}, 1.0, 1.2, strength);
        } else {
            stroke(streaks, {{start, a}, {end, a + wobble}}, 1.0, 1.2, strength);
        }
    }
    daub(canvas, streaks & shape, mix(colour, rgb(90, 90, 70), 0.18), 0.35);
}

// A bushy conifer: three zigzag tiers of crown over a short trunk, centred on x.
void paintConifer(Layer& canvas, double x, Random& random) {
    Mask trunk;
    stroke(trunk, {{x, 32}, {x, 42.5}}, 2.6);
    daub(canvas, trunk, TrunkTan, 0.9);
    struct Tier {
        double top, bottom, halfWidth;
    };
    for (const Tier tier : {Tier{9.5, 21, 7.5}, Tier{13, 28, 9.0}, Tier{17.5, 35, 9.8}}) {
        Mask crown;
        Path zigzag;
        bool left = true;
        for (double y = tier.top; y <= tier.bottom; y += 2.2) {
            const double spread =
                tier.halfWidth * (y - tier.top + 2) / (tier.bottom - tier.top + 2);
            const double jitter = random.real(-0.6, 0.6);
            zigzag.push_back({x + (left ? -spread : spread) + jitter, y});
            left = !left;
        }
        stroke(crown, zigzag, 2.2, 1.2);
        daub(canvas, crown, CrownGreen, 0.85);
    }
}

void paintForest(Layer& canvas, Random& random) {
    for (const double x : {18.5, 38.5, 58.5}) {
        paintConifer(canvas, x, random);
    }
}

// Long strokes sweeping up to the right, overlapping like ridges; their left tips reach past
// the mountain's region, which takes in only their body.
void paintMountains(Layer& canvas) {
    struct Ridge {
        Point from, bend, to;
        double radius;
        Colour colour;
    };
    for (const Ridge& r : {Ridge{{101, 41}, {150, 27}, {197, 18}, 6.0, RidgeLight},
                           Ridge{{104, 50}, {152, 38}, {197, 29}, 6.5, RidgeDark},
                           Ridge{{108, 56}, {156, 47}, {197, 40}, 6.5, RidgeLight},
                           Ridge{{122, 56.5}, {162, 54}, {197, 51}, 5.5, RidgeDark}}) {
        Mask ridge;
        const auto path = bezier(r.from, r.bend, r.bend, r.to, 24);
        std::vector<BrushPoint> brush;
        for (std::size_t i = 0; i < path.size(); ++i) {
            // Thin at the left tip, full further on.
            const double t = static_cast<double>(i) / static_cast<double>(path.size() - 1);
            brush.push_back({path[i], r.radius * std::min(1.0, 0.45 + 2 * t)});
        }
        stroke(ridge, std::span<const BrushPoint>(brush), 1.5);
        daub(canvas, ridge, r.colour, 0.75);
        // Bristle marks along the stroke, as a loaded brush leaves them.
        Mask bristles;
        for (const double offset : {-0.55, -0.1, 0.4}) {
            Path streak;
            for (std::size_t i = 1; i < brush.size(); ++i) {
                const Point a = brush[i - 1].at, b = brush[i].at;
                const double dx = b.x - a.x, dy = b.y - a.y;
                const double length = std::sqrt(dx * dx + dy * dy);
                const double reach = offset * brush[i].radius;
                streak.push_back({b.x - dy / length * reach, b.y + dx / length * reach});
            }
            stroke(bristles, Path(streak.begin() + 3, streak.end()), 0.6, 1.2);
        }
        daub(canvas, bristles, mix(r.colour, rgb(80, 170, 80), 0.5), 0.3);
    }
}

// A wide kidney-shaped pond with a darker rim on its left side.
void paintLake(Layer& canvas, Random& random) {
    Path outline;
    for (const auto& piece : {bezier({64, 70}, {72, 59}, {86, 64}, {93, 66}),
                              bezier({93, 66}, {101, 62}, {121, 61}, {120, 76}),
                              bezier({120, 76}, {120, 92}, {96, 93}, {84, 91}),
                              bezier({84, 91}, {70, 93}, {58, 84}, {64, 70})}) {
        outline.insert(outline.end(), piece.begin(), piece.end());
    }
    paintedFill(canvas, outline, Pond, 0.85, random);
    Mask rim;
    const auto left = bezier({70, 63}, {60, 68}, {58, 82}, {70, 90}, 16);
    stroke(rim, left, 2.0, 1.5);
    daub(canvas, rim, PondRim, 0.55);
}

void paintHouse(Layer& canvas, double left, double right, double roofTop, double eaves,
                double bottom, Colour wall, Colour roof, Random& random) {
    const double overhang = 2.5;
    const Path walls = {{left, eaves}, {right, eaves}, {right, bottom}, {left, bottom}};
    paintedFill(canvas, walls, wall, 0.85, random, true);
    const Path gable = {
        {left - overhang, eaves + 1}, {(left + right) / 2, roofTop}, {right + overhang, eaves + 1}};
    paintedFill(canvas, gable, roof, 0.85, random);
}

// Two small houses in front, a third paler one behind them cut by the left edge.
void paintHouses(Layer& canvas, Random& random) {
    paintHouse(canvas, -12, 24, 76, 93, 118, RearHouse, mix(RearHouse, RoofBrown, 0.4), random);
    paintHouse(canvas, 5, 30, 96, 112, 150, HouseBrown, RoofBrown, random);
    paintHouse(canvas, 36, 66, 100, 116, 151, HouseBrown, RoofBrown, random);
    Mask doors;
    fillPolygon(doors, {{13, 134}, {20, 134}, {20, 150}, {13, 150}});
    fillPolygon(doors, {{44, 136}, {51, 136}, {51, 151}, {44, 151}});
    daub(canvas, doors, RoofBrown, 0.6);
}

// A slender lattice tower with lights at its top and its middle platform, and right of it a
// many-storeyed building with three rows of three windows, cut by the right edge.
void paintTown(Layer& canvas, Random& random) {
    Mask legs;
    const auto leftLeg = bezier({125.5, 79}, {124, 104}, {120, 128}, {110, 145}, 20);
    const auto rightLeg = bezier({128.5, 79}, {131, 104}, {136, 128}, {143, 145}, 20);
    stroke(legs, leftLeg, 1.8);
    stroke(legs, rightLeg, 1.8);
    daub(canvas, legs, TowerRed, 0.95);
    // The lattice: braces crossing between the legs, and the platform.
    Mask lattice;
    const auto legX = [](const Path& leg, double y) {
        for (std::size_t i = 1; i < leg.size(); ++i) {
            if (leg[i].y >= y) {
                const double t = (y - leg[i - 1].y) / (leg[i].y - leg[i - 1].y);
                return leg[i - 1].x + (leg[i].x - leg[i - 1].x) * t;
            }
        }
        return leg.back().x;
    };
    const std::vector<double> levels = {84, 92, 100, 108, 118, 128, 138, 145};
    for (std::size_t i = 1; i < levels.size(); ++i) {
        const double a = levels[i - 1], b = levels[i];
        stroke(lattice, {{legX(leftLeg, a), a}, {legX(rightLeg, b), b}}, 0.8);
        stroke(lattice, {{legX(rightLeg, a), a}, {legX(leftLeg, b), b}}, 0.8);
    }
    stroke(lattice, {{legX(leftLeg, 112) - 3, 112}, {legX(rightLeg, 112) + 3, 112}}, 1.6);
    stroke(lattice, {{127, 74}, {127, 80}}, 1.0);
    daub(canvas, lattice, TowerRed, 0.8);
    Mask lights;
    dab(lights, {127, 78}, 2.6, 1.2);
    for (const double x : {116.0, 122.5, 129.0, 135.5}) {
        dab(lights, {x, 110.5}, 2.0, 1.2);
    }
    daub(canvas, lights, LightYellow, 0.95);

    const Path building = {{151, 84}, {200, 84}, {200, 146}, {151, 146}};
    paintedFill(canvas, building, BuildingGrey, 0.95, random, true);
    Mask shade;
    stroke(shade, {{152.5, 86}, {152.5, 144.5}}, 1.8, 1.5);
    stroke(shade, {{152, 85.5}, {199, 85.5}}, 1.8, 1.5);
    for (const double y : {98.0, 112.5, 126.5, 140.5}) {
        stroke(shade, {{155, y}, {199, y}}, 0.9, 1.5);
    }
    daub(canvas, shade, BuildingShade, 0.8);
    Mask windows;
    for (const double y : {102.0, 116.0, 130.0}) {
        for (const double x : {157.0, 171.0, 185.0}) {
            fillPolygon(windows,
                        {{x - 0.5, y - 0.5}, {x + 9, y - 0.5}, {x + 9, y + 8}, {x - 0.5, y + 8}});
        }
    }
    daub(canvas, windows, WindowBlue, 1);
}

// A sand band along the whole bottom, and under it the sea in wavy strokes with light streaks.
void paintCoast(Layer& canvas, Random& random) {
    Path shore = {{0, 200}, {0, 166}};
    for (double x = 0; x <= 200; x += 10) {
        const double wobble = random.real(-0.5, 1.0);
        shore.push_back({x, 165.5 + wobble});
    }
    shore.push_back({200, 200});
    paintedFill(canvas, shore, Sand, 0.9, random);
    Mask sea;
    Path waterline = {{0, 200}};
    for (double x = 0; x <= 200; x += 8) {
        waterline.push_back({x, 185 + (static_cast<int>(x / 8) % 2 == 0 ? -0.8 : 0.8)});
    }
    waterline.push_back({200, 200});
    fillPolygon(sea, waterline);
    daub(canvas, sea, Sea, 0.95);
    for (double y = 188; y <= 200; y += 4) {
        Mask wave;
        Path path;
        for (double x = -4; x <= 204; x += 6) {
            const bool crest = static_cast<int>(x / 6) % 2 == 0;
            const double jitter = random.real(-0.4, 0.4);
            path.push_back({x, y + (crest ? -1.2 : 1.2) + jitter});
        }
        stroke(wave, path, 1.6, 1.2);
        daub(canvas, wave, mix(Sea, rgb(20, 110, 220), 0.5), 0.35);
    }
    Mask streaks;
    for (int i = 0; i < 9; ++i) {
        const double x = random.real(4, 180);
        const double y = random.real(189, 198);
        const double length = random.real(6, 14);
        stroke(streaks, {{x, y}, {x + length, y - 0.5}}, 0.7, 1.2);
    }
    daub(canvas, streaks, SeaStreak, 0.7);
}

} // namespace

RgbPicture paintMap() {
    Layer canvas(Ground);
    Random random(MapPicture); // seeded with the picture's id
    paintForest(canvas, random);
    paintMountains(canvas);
    paintLake(canvas, random);
    paintHouses(canvas, random);
    paintTown(canvas, random);
    paintCoast(canvas, random);
    return canvas.toPicture();
}

} // namespace gachapoko::painter
