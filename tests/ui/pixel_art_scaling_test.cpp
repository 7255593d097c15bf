// The pixel art at the density of HiDPI screens, on its own (the window at each factor is tested
// by the scaling suite).
#include "ui/pixel_art_scaling.h"

#include <QColor>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

QImage checkerboard() {
    QImage picture(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            picture.setPixel(x, y, (x + y) % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return picture;
}

TEST(PixelArtScaling, AtOneThePictureIsUntouched) {
    const QImage picture = checkerboard();
    EXPECT_EQ(scalePixelArt(picture, 1.0), picture);
    EXPECT_TRUE(scalePixelArt(QImage(), 2.0).isNull());
}

TEST(PixelArtScaling, AtAWholeFactorEveryPixelIsAnEqualSquare) {
    const QImage picture = checkerboard();
    const QImage scaled = scalePixelArt(picture, 3.0);
    ASSERT_EQ(scaled.size(), QSize(12, 9));
    EXPECT_EQ(scaled.devicePixelRatio(), 3.0);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(scaled.pixel(x, y), picture.pixel(x / 3, y / 3)) << x << "," << y;
        }
    }
}

TEST(PixelArtScaling, AtAFractionalFactorEveryPixelKeepsItsWeight) {
    // A row of alternating black and white pixels: at 1.5 each black one must darken 1.5
    // device pixels' worth, not one or two by turns.
    QImage row(8, 1, QImage::Format_RGB32);
    for (int x = 0; x < 8; ++x) {
        row.setPixel(x, 0, x % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    const QImage scaled = scalePixelArt(row, 1.5);
    ASSERT_EQ(scaled.size(), QSize(12, 2));
    EXPECT_EQ(scaled.devicePixelRatio(), 1.5);
    // Each pair of picture pixels covers three device pixels: full black, half, full white.
    for (int pair = 0; pair < 4; ++pair) {
        double darkness = 0;
        for (int d = 0; d < 3; ++d) {
            darkness += (255.0 - qGray(scaled.pixel(pair * 3 + d, 0))) / 255.0;
        }
        EXPECT_NEAR(darkness, 1.5, 0.05) << "pair " << pair;
        EXPECT_EQ(qGray(scaled.pixel(pair * 3, 0)), 0) << "pair " << pair;
        EXPECT_EQ(qGray(scaled.pixel(pair * 3 + 2, 0)), 255) << "pair " << pair;
    }
}

} // namespace
} // namespace gachapoko::test
