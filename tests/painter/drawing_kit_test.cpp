// The painter's drawing kit: hard-edged shapes with one-pixel black outlines, shades that are
// really darker, soft brushes and the blur, the quantiser's palette that uses every entry, and
// the painter's own sine, cosine, arc tangent and exponential.
#include "assets/painter/blur.h"
#include "assets/painter/flat_drawing.h"
#include "assets/painter/maths.h"
#include "assets/painter/quantise.h"
#include "assets/painter/random.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace gachapoko::test {
namespace {

using namespace gachapoko::painter;

int luma(Rgb c) {
    return 299 * c.r + 587 * c.g + 114 * c.b;
}
// The channels' differences summed.
int apart(Rgb a, Rgb b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// The number of pixels the mask covers at all, and its cover summed over them.
int covered(const Mask& mask) {
    int pixels = 0;
    for (int i = 0; i < PictureSize * PictureSize; ++i) {
        pixels += mask.has(i % PictureSize, i / PictureSize) ? 1 : 0;
    }
    return pixels;
}
double total(const Mask& mask) {
    double sum = 0;
    for (int i = 0; i < PictureSize * PictureSize; ++i) {
        sum += mask.at(i % PictureSize, i / PictureSize);
    }
    return sum;
}

TEST(DrawingKit, ShadeOfEveryGridColourIsDarkerAndNeverTheOutline) {
    const Palette& palette = sharedPalette();
    for (int i = 10; i <= 245; ++i) {
        const std::uint8_t shade = darker(static_cast<std::uint8_t>(i));
        EXPECT_NE(shade, Black) << i;
        EXPECT_LT(luma(palette[shade]), luma(palette[static_cast<std::size_t>(i)])) << i;
    }
}

// A shape's one-pixel black outline runs inside its edge, but not along the picture's edge: a
// shape cut by it stays open there.
TEST(DrawingKit, ShapeHasAOnePixelBlackOutlineInsideItsEdge) {
    const std::uint8_t ground = shared(127, 255, 95), fill = shared(255, 191, 127);
    FlatDrawing d(ground);
    d.shape(Mask::rect(10, 20, 29, 39), fill);
    d.shape(Mask::rect(0, 0, 5, 9), fill); // in the top left corner
    for (int y = 0; y <= 45; ++y) {
        for (int x = 0; x <= 35; ++x) {
            const bool in = x >= 10 && x <= 29 && y >= 20 && y <= 39;
            const bool corner = x <= 5 && y <= 9;
            const bool edge = (in && (x == 10 || x == 29 || y == 20 || y == 39)) ||
                              (corner && (x == 5 || y == 9));
            EXPECT_EQ(d.at(x, y), !in && !corner ? ground : edge ? Black : fill) << x << "," << y;
        }
    }
}

TEST(DrawingKit, PolygonCoversWholePixelsOnly) {
    const Mask square = Mask::polygon({{10, 10}, {20, 10}, {20, 20}, {10, 20}});
    EXPECT_EQ(covered(square), 100);
    EXPECT_EQ(square.at(10, 10), 1.0);
    EXPECT_EQ(square.at(20, 20), 0.0);
}

TEST(DrawingKit, ThinLineIsAConnectedSinglePixelLine) {
    const Mask line = Mask::line({{10.5, 10.5}, {40.5, 20.5}}, 1);
    EXPECT_EQ(covered(line), 31); // one pixel per column along the longer axis
    for (int x = 10; x <= 40; ++x) {
        EXPECT_EQ(covered(line & Mask::rect(x, 0, x, PictureSize - 1)), 1) << x;
    }
}

TEST(DrawingKit, HardShapesCombineAsUnionIntersectionAndDifference) {
    const Mask a = Mask::rect(0, 0, 9, 9), b = Mask::rect(5, 0, 14, 9);
    EXPECT_EQ(covered(a | b), 150);
    EXPECT_EQ(covered(a & b), 50);
    EXPECT_EQ(covered(a - b), 50);
    EXPECT_FALSE((a - b).has(5, 5));
}

TEST(DrawingKit, RaysAlternateAroundTheirCentre) {
    // Four sectors from the right-hand axis: the first and third are in, as seen from (100, 100).
    const Mask rays = Mask::rays(100, 100, 4, 0);
    EXPECT_TRUE(rays.has(150, 120)); // below right: the first quarter (y grows downwards)
    EXPECT_FALSE(rays.has(50, 120)); // below left: the second
    EXPECT_TRUE(rays.has(50, 80));   // above left: the third
    EXPECT_FALSE(rays.has(150, 80)); // above right: the fourth
    EXPECT_EQ(covered(rays), 20000); // half the picture
}

TEST(DrawingKit, SharedRejectsColoursOutsideThePalette) {
    EXPECT_EQ(shared(0, 0, 0), Black);
    EXPECT_EQ(shared(95, 63, 63), 10);
    EXPECT_THROW(shared(63, 63, 63), std::invalid_argument);
    EXPECT_THROW(shared(255, 223, 191), std::invalid_argument);
}

TEST(SoftBrush, StrokeIsFullInItsMiddleAndFadesAcrossItsEdge) {
    Mask mask;
    stroke(mask, {{20, 100.5}, {180, 100.5}}, 4, 2);
    EXPECT_EQ(mask.at(100, 100), 1.0);
    EXPECT_GT(mask.at(100, 104), 0.0); // the soft rim, four pixels out
    EXPECT_LT(mask.at(100, 104), 1.0);
    EXPECT_EQ(mask.at(100, 108), 0.0);
}

TEST(SoftBrush, BlurKeepsThePaintAndSpreadsIt) {
    Mask mask;
    dab(mask, {100, 100}, 6, 1);
    const double before = total(mask);
    blur(mask, 3);
    EXPECT_NEAR(total(mask), before, before * 1e-9);
    EXPECT_LT(mask.at(99, 99), 1.0);
    EXPECT_GT(mask.at(99, 112), 0.0);                      // beyond the dab's own rim
    EXPECT_NEAR(mask.at(90, 99), mask.at(109, 99), 1e-12); // the same either side
}

TEST(Quantise, UsesEveryEntryAndPutsGreysFirstDarkToLight) {
    RgbPicture picture;
    // 40,000 pixels: a grey ramp and a band of distinct greens.
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            const auto v = static_cast<std::uint8_t>((x + y * 7) % 256);
            picture.at(x, y) = y < 150 ? Rgb{v, v, v} : Rgb{static_cast<std::uint8_t>(x / 2), v, 0};
        }
    }
    const IndexedPicture indexed = quantise(picture, {.exact = {}, .colourEntries = 40});
    EXPECT_EQ(usedEntries(indexed.indices), 256);
    for (std::size_t i = 1; i < 216; ++i) {
        ASSERT_LE(luma(indexed.palette[i - 1]), luma(indexed.palette[i])) << i;
    }
    // Each pixel lands on an entry close to its own colour.
    for (std::size_t p = 0; p < picture.pixels.size(); p += 37) {
        EXPECT_LE(apart(picture.pixels[p], indexed.palette[indexed.indices[p]]), 48) << p;
    }
}

TEST(Quantise, KeepsExactColoursInTheirOwnEntriesFirst) {
    RgbPicture picture;
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            picture.at(x, y) = {static_cast<std::uint8_t>(x * 255 / 199),
                                static_cast<std::uint8_t>(y * 255 / 199), 40};
        }
    }
    picture.at(5, 5) = {102, 102, 102};
    // 1,2,3 is not in the picture and gets no entry.
    const IndexedPicture indexed =
        quantise(picture, {.exact = {{102, 102, 102}, {1, 2, 3}}, .colourEntries = 200});
    EXPECT_EQ(usedEntries(indexed.indices), 256);
    EXPECT_EQ(indexed.at(5, 5), 0);
    EXPECT_EQ(indexed.palette[0], (Rgb{102, 102, 102}));
    EXPECT_NE(indexed.palette[1], (Rgb{1, 2, 3}));
    EXPECT_EQ(std::count(indexed.indices.begin(), indexed.indices.end(), 0), 1)
        << "no other pixel falls into the exact colour's entry";
}

TEST(Quantise, APictureOfFewColoursKeepsThemExactly) {
    RgbPicture picture;
    picture.at(10, 10) = {200, 30, 30};
    picture.at(20, 10) = {90, 90, 90};
    const IndexedPicture indexed = quantise(picture, {.exact = {}, .colourEntries = 64});
    EXPECT_EQ(usedEntries(indexed.indices), 3);
    EXPECT_EQ(indexed.palette[indexed.at(10, 10)], (Rgb{200, 30, 30}));
    EXPECT_EQ(indexed.palette[indexed.at(20, 10)], (Rgb{90, 90, 90}));
    EXPECT_EQ(indexed.palette[indexed.at(0, 0)], (Rgb{0, 0, 0}));
}

TEST(Random, SameSeedSameNumbersAndEveryIntegerInRange) {
    Random a(7), b(7);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i) {
        const int n = a.integer(3, 9);
        ASSERT_EQ(n, b.integer(3, 9));
        seen.insert(n);
        const double u = a.unit();
        ASSERT_EQ(u, b.unit());
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
    }
    EXPECT_EQ(seen, (std::set<int>{3, 4, 5, 6, 7, 8, 9}));
}

// The painter's own routines stay within a few units in the last place of the C library's over
// the ranges the pictures use; what they must never do is differ between machines, which the
// checksums of the stored pictures hold.
TEST(PainterMaths, AgreesWithTheCLibraryToTheLastFewBits) {
    for (int i = -4000; i <= 4000; ++i) {
        const double x = i * 0.005;
        ASSERT_NEAR(sine(x), std::sin(x), 4e-15) << x;
        ASSERT_NEAR(cosine(x), std::cos(x), 4e-15) << x;
        ASSERT_NEAR(exponential(-std::fabs(x)), std::exp(-std::fabs(x)), 4e-16) << x;
        for (const double y : {-3.0, -0.4, 0.0, 0.7, 2.5}) {
            ASSERT_NEAR(arcTangent2(y, x), std::atan2(y, x), 4e-15) << y << "," << x;
        }
    }
    EXPECT_EQ(arcTangent2(0, 0), 0.0);
    EXPECT_DOUBLE_EQ(arcTangent2(0, -1), Pi);
    EXPECT_DOUBLE_EQ(arcTangent2(-1, 0), -Pi / 2);
    EXPECT_DOUBLE_EQ(exponential(1), std::exp(1.0));
}

} // namespace
} // namespace gachapoko::test
