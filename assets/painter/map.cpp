// Picture 102, the map: six places painted like a child's drawing in soft, half-transparent
// brush strokes on a pale yellow-green ground, no outlines, no text. Each place lies under the
// site region the player clicks: forest 8..68 x 8..43, mountain 110..198 x 16..56, lake
// 63..120 x 64..93, town 124..199 x 99..148, houses 0..57 x 88..151, coast 0..195 x 168..199;
// the ground between them stays bare.
#include "assets/painter/pictures.h"
#include "assets/painter/raster.h"

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
void daub(Layer& canvas, Mask mask, Colour colour, float opacity) {
    blur(mask, 1);
    canvas.paint(mask, colour, opacity);
}

// A shape filled the way a child paints it: a wash of the colour, then streaks of brush
// strokes across it (horizontal, or vertical when `upright`) that stay inside the shape.
void paintedFill(Layer& canvas, std::span<const Point> outline, Colour colour, float opacity,
                 Random& random, bool upright = false) {
    Mask shape;
    fillPolygon(shape, outline);
    daub(canvas, shape, colour, opacity);
    float left = outline[0].x, right = left, top = outline[0].y, bottom = top;
    for (const Point p : outline) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    Mask streaks;
    const float from = upright ? left : top, to = upright ? right : bottom;
    for (float a = from + 1.5f; a < to; a += 3) {
        const float start = (upright ? top : left) + random.range(-2, 4);
        const float end = (upright ? bottom : right) - random.range(-2, 4);
        const float wobble = random.range(-0.6f, 0.6f);
        if (upright) {
            stroke(streaks, {{a, start}, {a + wobble, end}}, 1.0f, 1.2f, random.range(0.3f, 1));
        } else {
            stroke(streaks, {{start, a}, {end, a + wobble}}, 1.0f, 1.2f, random.range(0.3f, 1));
        }
    }
    streaks.clipTo(shape);
    daub(canvas, streaks, mix(colour, rgb(90, 90, 70), 0.18f), 0.35f);
}

// A bushy conifer: three zigzag tiers of crown over a short trunk, centred on x.
void paintConifer(Layer& canvas, float x, Random& random) {
    Mask trunk;
    stroke(trunk, {{x, 32}, {x, 42.5f}}, 2.6f);
    daub(canvas, trunk, TrunkTan, 0.9f);
    struct Tier {
        float top, bottom, halfWidth;
    };
    for (const Tier tier : {Tier{9.5f, 21, 7.5f}, Tier{13, 28, 9.0f}, Tier{17.5f, 35, 9.8f}}) {
        Mask crown;
        std::vector<Point> zigzag;
        bool left = true;
        for (float y = tier.top; y <= tier.bottom; y += 2.2f) {
            const float spread = tier.halfWidth * (y - tier.top + 2) / (tier.bottom - tier.top + 2);
            zigzag.push_back({x + (left ? -spread : spread) + random.range(-0.6f, 0.6f), y});
            left = !left;
        }
        stroke(crown, std::span<const Point>(zigzag), 2.2f, 1.2f);
        daub(canvas, crown, CrownGreen, 0.85f);
    }
}

void paintForest(Layer& canvas, Random& random) {
    for (const float x : {18.5f, 38.5f, 58.5f}) {
        paintConifer(canvas, x, random);
    }
}

// Long strokes sweeping up to the right, overlapping like ridges; their left tips reach past
// the mountain's region, which takes in only their body.
void paintMountains(Layer& canvas) {
    struct Ridge {
        Point from, bend, to;
        float radius;
        Colour colour;
    };
    for (const Ridge& r : {Ridge{{101, 41}, {150, 27}, {197, 18}, 6.0f, RidgeLight},
                           Ridge{{104, 50}, {152, 38}, {197, 29}, 6.5f, RidgeDark},
                           Ridge{{108, 56}, {156, 47}, {197, 40}, 6.5f, RidgeLight},
                           Ridge{{122, 56.5f}, {162, 54}, {197, 51}, 5.5f, RidgeDark}}) {
        Mask ridge;
        const auto path = bezier(r.from, r.bend, r.bend, r.to, 24);
        std::vector<BrushPoint> brush;
        for (std::size_t i = 0; i < path.size(); ++i) {
            // Thin at the left tip, full further on.
            const float t = static_cast<float>(i) / static_cast<float>(path.size() - 1);
            brush.push_back({path[i], r.radius * std::min(1.0f, 0.45f + 2 * t)});
        }
        stroke(ridge, std::span<const BrushPoint>(brush), 1.5f);
        daub(canvas, ridge, r.colour, 0.75f);
        // Bristle marks along the stroke, as a loaded brush leaves them.
        Mask bristles;
        for (const float offset : {-0.55f, -0.1f, 0.4f}) {
            std::vector<Point> streak;
            for (std::size_t i = 1; i < brush.size(); ++i) {
                const Point a = brush[i - 1].at, b = brush[i].at;
                const float dx = b.x - a.x, dy = b.y - a.y;
                const float length = std::sqrt(dx * dx + dy * dy);
                const float reach = offset * brush[i].radius;
                streak.push_back({b.x - dy / length * reach, b.y + dx / length * reach});
            }
            stroke(bristles, std::span<const Point>(streak).subspan(3), 0.6f, 1.2f);
        }
        daub(canvas, bristles, mix(r.colour, rgb(80, 170, 80), 0.5f), 0.3f);
    }
}

// A wide kidney-shaped pond with a darker rim on its left side.
void paintLake(Layer& canvas, Random& random) {
    std::vector<Point> outline;
    for (const auto& piece : {bezier({64, 70}, {72, 59}, {86, 64}, {93, 66}),
                              bezier({93, 66}, {101, 62}, {121, 61}, {120, 76}),
                              bezier({120, 76}, {120, 92}, {96, 93}, {84, 91}),
                              bezier({84, 91}, {70, 93}, {58, 84}, {64, 70})}) {
        outline.insert(outline.end(), piece.begin(), piece.end());
    }
    paintedFill(canvas, outline, Pond, 0.85f, random);
    Mask rim;
    const auto left = bezier({70, 63}, {60, 68}, {58, 82}, {70, 90}, 16);
    stroke(rim, std::span<const Point>(left), 2.0f, 1.5f);
    daub(canvas, rim, PondRim, 0.55f);
}

void paintHouse(Layer& canvas, float left, float right, float roofTop, float eaves, float bottom,
                Colour wall, Colour roof, Random& random) {
    const float overhang = 2.5f;
    const std::vector<Point> walls = {
        {left, eaves}, {right, eaves}, {right, bottom}, {left, bottom}};
    paintedFill(canvas, walls, wall, 0.85f, random, true);
    const std::vector<Point> gable = {
        {left - overhang, eaves + 1}, {(left + right) / 2, roofTop}, {right + overhang, eaves + 1}};
    paintedFill(canvas, gable, roof, 0.85f, random);
}

// Two small houses in front, a third paler one behind them cut by the left edge.
void paintHouses(Layer& canvas, Random& random) {
    paintHouse(canvas, -12, 24, 76, 93, 118, RearHouse, mix(RearHouse, RoofBrown, 0.4f), random);
    paintHouse(canvas, 5, 30, 96, 112, 150, HouseBrown, RoofBrown, random);
    paintHouse(canvas, 36, 66, 100, 116, 151, HouseBrown, RoofBrown, random);
    Mask doors;
    fillPolygon(doors, {{13, 134}, {20, 134}, {20, 150}, {13, 150}});
    fillPolygon(doors, {{44, 136}, {51, 136}, {51, 151}, {44, 151}});
    daub(canvas, doors, RoofBrown, 0.6f);
}

// A slender lattice tower with lights at its top and its middle platform, and right of it a
// many-storeyed building with three rows of three windows, cut by the right edge.
void paintTown(Layer& canvas, Random& random) {
    Mask legs;
    const auto leftLeg = bezier({125.5f, 79}, {124, 104}, {120, 128}, {110, 145}, 20);
    const auto rightLeg = bezier({128.5f, 79}, {131, 104}, {136, 128}, {143, 145}, 20);
    stroke(legs, std::span<const Point>(leftLeg), 1.8f);
    stroke(legs, std::span<const Point>(rightLeg), 1.8f);
    daub(canvas, legs, TowerRed, 0.95f);
    // The lattice: braces crossing between the legs, and the platform.
    Mask lattice;
    const auto legX = [](const std::vector<Point>& leg, float y) {
        for (std::size_t i = 1; i < leg.size(); ++i) {
            if (leg[i].y >= y) {
                const float t = (y - leg[i - 1].y) / (leg[i].y - leg[i - 1].y);
                return leg[i - 1].x + (leg[i].x - leg[i - 1].x) * t;
            }
        }
        return leg.back().x;
    };
    const std::vector<float> levels = {84, 92, 100, 108, 118, 128, 138, 145};
    for (std::size_t i = 1; i < levels.size(); ++i) {
        const float a = levels[i - 1], b = levels[i];
        stroke(lattice, {{legX(leftLeg, a), a}, {legX(rightLeg, b), b}}, 0.8f);
        stroke(lattice, {{legX(rightLeg, a), a}, {legX(leftLeg, b), b}}, 0.8f);
    }
    stroke(lattice, {{legX(leftLeg, 112) - 3, 112}, {legX(rightLeg, 112) + 3, 112}}, 1.6f);
    stroke(lattice, {{127, 74}, {127, 80}}, 1.0f);
    daub(canvas, lattice, TowerRed, 0.8f);
    Mask lights;
    dab(lights, {127, 78}, 2.6f, 1.2f);
    for (const float x : {116.0f, 122.5f, 129.0f, 135.5f}) {
        dab(lights, {x, 110.5f}, 2.0f, 1.2f);
    }
    daub(canvas, lights, LightYellow, 0.95f);

    const std::vector<Point> building = {{151, 84}, {200, 84}, {200, 146}, {151, 146}};
    paintedFill(canvas, building, BuildingGrey, 0.95f, random, true);
    Mask shade;
    stroke(shade, {{152.5f, 86}, {152.5f, 144.5f}}, 1.8f, 1.5f);
    stroke(shade, {{152, 85.5f}, {199, 85.5f}}, 1.8f, 1.5f);
    for (const float y : {98.0f, 112.5f, 126.5f, 140.5f}) {
        stroke(shade, {{155, y}, {199, y}}, 0.9f, 1.5f);
    }
    daub(canvas, shade, BuildingShade, 0.8f);
    Mask windows;
    for (const float y : {102.0f, 116.0f, 130.0f}) {
        for (const float x : {157.0f, 171.0f, 185.0f}) {
            fillPolygon(
                windows,
                {{x - 0.5f, y - 0.5f}, {x + 9, y - 0.5f}, {x + 9, y + 8}, {x - 0.5f, y + 8}});
        }
    }
    daub(canvas, windows, WindowBlue, 1);
}

// A sand band along the whole bottom, and under it the sea in wavy strokes with light streaks.
void paintCoast(Layer& canvas, Random& random) {
    std::vector<Point> shore = {{0, 200}, {0, 166}};
    for (float x = 0; x <= 200; x += 10) {
        shore.push_back({x, 165.5f + random.range(-0.5f, 1.0f)});
    }
    shore.push_back({200, 200});
    paintedFill(canvas, shore, Sand, 0.9f, random);
    Mask sea;
    std::vector<Point> waterline = {{0, 200}};
    for (float x = 0; x <= 200; x += 8) {
        waterline.push_back({x, 185 + (static_cast<int>(x / 8) % 2 == 0 ? -0.8f : 0.8f)});
    }
    waterline.push_back({200, 200});
    fillPolygon(sea, std::span<const Point>(waterline));
    daub(canvas, sea, Sea, 0.95f);
    for (float y = 188; y <= 200; y += 4) {
        Mask wave;
        std::vector<Point> path;
        for (float x = -4; x <= 204; x += 6) {
            const bool crest = static_cast<int>(x / 6) % 2 == 0;
            path.push_back({x, y + (crest ? -1.2f : 1.2f) + random.range(-0.4f, 0.4f)});
        }
        stroke(wave, std::span<const Point>(path), 1.6f, 1.2f);
        daub(canvas, wave, mix(Sea, rgb(20, 110, 220), 0.5f), 0.35f);
    }
    Mask streaks;
    for (int i = 0; i < 9; ++i) {
        const float x = random.range(4, 180), y = random.range(189, 198);
        stroke(streaks, {{x, y}, {x + random.range(6, 14), y - 0.5f}}, 0.7f, 1.2f);
    }
    daub(canvas, streaks, SeaStreak, 0.7f);
}

} // namespace

RgbPicture paintMap() {
    Layer canvas(Ground);
    Random random(102);
    paintForest(canvas, random);
    paintMountains(canvas);
    paintLake(canvas, random);
    paintHouses(canvas, random);
    paintTown(canvas, random);
    paintCoast(canvas, random);
    return canvas.toPicture();
}

} // namespace gachapoko::painter
