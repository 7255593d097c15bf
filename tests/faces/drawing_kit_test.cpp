// The faces' drawing kit: hard-edged shapes with one-pixel black outlines, shades that are
// really darker, and the airbrush's palette that uses every entry.
#include "assets/painter/faces/airbrush.h"
#include "assets/painter/faces/flat_drawing.h"

#include <gtest/gtest.h>
#include <set>

namespace gachapoko::painter::faces {
namespace {

int luma(Rgb c) {
    return 299 * c.r + 587 * c.g + 114 * c.b;
}

TEST(DrawingKit, ShadeOfEveryGridColourIsDarkerAndNeverTheOutline) {
    const Palette& palette = sharedPalette();
    for (int i = 10; i <= 245; ++i) {
        const std::uint8_t shade = darker(static_cast<std::uint8_t>(i));
        EXPECT_NE(shade, Black) << i;
        EXPECT_LT(luma(palette[shade]), luma(palette[static_cast<std::size_t>(i)])) << i;
    }
}

TEST(DrawingKit, ShapeHasAOnePixelBlackOutlineInsideItsEdge) {
    const std::uint8_t ground = shared(127, 255, 95), fill = shared(255, 191, 127);
    FlatDrawing d(ground);
    d.shape(Mask::rect(10, 20, 29, 39), fill);
    for (int y = 15; y <= 45; ++y) {
        for (int x = 5; x <= 35; ++x) {
            const bool in = x >= 10 && x <= 29 && y >= 20 && y <= 39;
            const bool edge = in && (x == 10 || x == 29 || y == 20 || y == 39);
            EXPECT_EQ(d.at(x, y), !in ? ground : edge ? Black : fill) << x << "," << y;
        }
    }
}

TEST(DrawingKit, ShapeCutByThePictureEdgeStaysOpenThere) {
    const std::uint8_t fill = shared(255, 191, 127);
    FlatDrawing d(White);
    d.shape(Mask::rect(0, 0, 9, 9), fill);
    EXPECT_EQ(d.at(0, 0), fill);
    EXPECT_EQ(d.at(9, 5), Black);
    EXPECT_EQ(d.at(5, 9), Black);
}

TEST(DrawingKit, PolygonCoversWholePixelsOnly) {
    const Mask square = Mask::polygon({{10, 10}, {20, 10}, {20, 20}, {10, 20}});
    EXPECT_EQ(square.count(), 100);
    EXPECT_TRUE(square.has(10, 10));
    EXPECT_FALSE(square.has(20, 20));
}

TEST(DrawingKit, ThinStrokeIsAConnectedSinglePixelLine) {
    const Mask line = Mask::stroke({{10.5, 10.5}, {40.5, 20.5}}, 1);
    EXPECT_EQ(line.count(), 31); // one pixel per column along the longer axis
    for (int x = 10; x <= 40; ++x) {
        int inColumn = 0;
        for (int y = 0; y < PictureSize; ++y) {
            inColumn += line.has(x, y) ? 1 : 0;
        }
        EXPECT_EQ(inColumn, 1) << x;
    }
}

TEST(DrawingKit, SharedRejectsColoursOutsideThePalette) {
    EXPECT_EQ(shared(0, 0, 0), Black);
    EXPECT_EQ(shared(95, 63, 63), 10);
    EXPECT_THROW(shared(63, 63, 63), std::invalid_argument);
    EXPECT_THROW(shared(255, 223, 191), std::invalid_argument);
}

TEST(Airbrush, PaletteUsesEveryEntryAndKeepsExactColours) {
    Airbrush a;
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            a.set(x, y, {x * 255.0 / 199, y * 255.0 / 199, 40});
        }
    }
    a.set(5, 5, {102, 102, 102});
    const IndexedPicture picture = a.toIndexed({{102, 102, 102}, {1, 2, 3}});
    std::set<int> used(picture.indices.begin(), picture.indices.end());
    EXPECT_EQ(used.size(), 256u);
    EXPECT_EQ(picture.palette[picture.at(5, 5)], (Rgb{102, 102, 102}));
    // Each pixel stays close to its colour: the palette is a fine partition of the picture.
    const Rgb corner = picture.palette[picture.at(199, 199)];
    EXPECT_NEAR(corner.r, 255, 24);
    EXPECT_NEAR(corner.g, 255, 24);
}

TEST(Airbrush, RefusesAPictureWithTooFewColoursForEveryEntry) {
    Airbrush a;
    a.spray(Mask::rect(50, 50, 60, 60), {200, 200, 200}, 0.5, 1.0);
    EXPECT_THROW((void)a.toIndexed({}), std::logic_error);
}

} // namespace
} // namespace gachapoko::painter::faces
