// The title, the closing picture and the icon: their letters and colours lie where the pictures
// put them, and the icon is see-through outside its letters.
#include "assets/bitmap_decoder.h"
#include "assets/picture_lookup.h"
#include "logic/types.h"
#include "tests/support/pictures.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace gachapoko::test {
namespace {

// The rows and the columns over which the pixels passing the test spread.
struct Extent {
    int top = 1000, bottom = -1, left = 1000, right = -1;
};
template <typename Test>
Extent extentOf(const QImage& image, Rect r, Test test) {
    Extent e;
    for (int y = r.top; y <= r.bottom; ++y) {
        for (int x = r.left; x <= r.right; ++x) {
            if (test(colourAt(image, x, y))) {
                e = {std::min(e.top, y), std::max(e.bottom, y), std::min(e.left, x),
                     std::max(e.right, x)};
            }
        }
    }
    return e;
}

class Title : public ::testing::Test {
protected:
    QImage m_title = loadPicture(TitlePicture).value();
};

// Each colour fills a good part of its block and stays in it but for a few pixels of soft edge;
// the red block is the largest.
TEST_F(Title, ThreeColourBlocksLieAtTheirPlaces) {
    // Each block's area, colour, and the part of its area the colour fills at least.
    const std::tuple<Rect, Colour, int> blocks[3] = {{{16, 14, 88, 93}, {15, 15, 175}, 10},
                                                     {{119, 0, 199, 109}, {155, 155, 55}, 12},
                                                     {{5, 102, 191, 171}, {155, 15, 15}, 12}};
    int inside[3] = {};
    for (int i = 0; i < 3; ++i) {
        const auto& [r, main, part] = blocks[i];
        const auto colour = near(main, 30);
        inside[i] = count(m_title, r, colour);
        EXPECT_GE(inside[i], r.area() / part) << i;
        const Rect widened{r.left - 4, std::max(0, r.top - 4), std::min(199, r.right + 4),
                           std::min(199, r.bottom + 4)};
        EXPECT_EQ(count(m_title, {}, colour), count(m_title, widened, colour)) << i;
    }
    EXPECT_GT(inside[2], inside[0]);
    EXPECT_GT(inside[2], inside[1]);
}

TEST_F(Title, YellowLettersStandOnADarkGreyHalo) {
    const auto halo = near({55, 55, 55}, 14);
    EXPECT_GE(count(m_title, {119, 0, 199, 109}, halo), 400);
    EXPECT_EQ(count(m_title, {0, 0, 110, 175}, halo), 0);
}

TEST_F(Title, CreditLineRunsSmallAndWideAlongTheBottom) {
    const auto light = [](Colour c) { return isGrey(c) && c.r >= 170; };
    const Rect band{0, 176, 199, 199};
    EXPECT_GE(count(m_title, band, light), 80);
    const Extent e = extentOf(m_title, band, light);
    EXPECT_GE(e.top, 184);
    EXPECT_LE(e.bottom - e.top, 14); // small letters
    EXPECT_NEAR(e.left, 37, 5);
    EXPECT_NEAR(e.right, 163, 5);
}

class Closing : public ::testing::Test {
protected:
    QImage m_closing = loadPicture(ClosingPicture).value();
};

TEST_F(Closing, GroupNameIsGreenInTheUpperHalfAndGrowsToTheRight) {
    const auto green = near({50, 146, 26}, 30);
    EXPECT_EQ(count(m_closing, {0, 106, 199, 199}, green), 0);
    const Extent left = extentOf(m_closing, {0, 0, 60, 105}, green);
    const Extent right = extentOf(m_closing, {130, 0, 199, 105}, green);
    ASSERT_GE(left.bottom, 0);
    ASSERT_GE(right.bottom, 0);
    EXPECT_LE(left.top, 25); // starting at the top left
    EXPECT_GT(right.bottom - right.top, 2 * (left.bottom - left.top));
    // The last full stop near the right edge, low down.
    EXPECT_GT(count(m_closing, {165, 88, 199, 106}, green), 30);
    // Its letters have yellow-green edges.
    const auto edge = [](Colour c) { return c.g > 170 && c.r > 110 && c.b < 130; };
    EXPECT_GT(count(m_closing, {0, 0, 199, 105}, edge), 150);
}

TEST_F(Closing, TheEndIsBlurredGreyUnderTheFirstLetters) {
    const Rect words{5, 56, 98, 85};
    const auto grey = [](Colour c) { return isGrey(c) && c.r >= 90 && c.r <= 175; };
    EXPECT_GT(count(m_closing, words, grey), words.area() / 8);
    // Blurred: many in-between greys, not two flat tones.
    const auto soft = [](Colour c) { return isGrey(c) && c.r >= 30 && c.r < 90; };
    EXPECT_GT(count(m_closing, words, soft), words.area() / 20);
}

TEST_F(Closing, CreditsAreRedOnDarkGreyPanelsInTheLowerHalf) {
    const Rect credits{22, 106, 193, 192};
    const auto red = [](Colour c) { return c.r > 150 && c.g < 90 && c.b < 90; };
    const auto panel = [](Colour c) { return isGrey(c) && c.r >= 45 && c.r <= 110; };
    const auto outline = [](Colour c) { return c.r > 180 && c.g > 140 && c.b > 140; };
    EXPECT_GT(count(m_closing, credits, red), credits.area() / 30);
    EXPECT_GT(count(m_closing, credits, panel), credits.area() / 4);
    EXPECT_GT(count(m_closing, credits, outline), credits.area() / 40);
    EXPECT_EQ(count(m_closing, {0, 0, 199, 100}, red), 0);
}

// The icon as the desktop shows it: green letters on nothing, so that it sits on any panel.
class Icon : public ::testing::Test {
protected:
    QImage m_icon = decodeIconBitmap(storedIcon()).image.value();
    static bool see(QRgb p) { return qAlpha(p) == 0; }
    static bool bright(QRgb p) { return p == qRgb(0, 255, 0); }
    static bool dark(QRgb p) { return p == qRgb(0, 128, 0); }
};

// The outer rows and columns, the rows between the two lines, and between two letters and their
// full stops, above the stop.
TEST_F(Icon, SeeThroughOutsideTheLettersAndTheBar) {
    for (const Rect r : {Rect{0, 0, 31, 0}, Rect{0, 13, 31, 14}, Rect{0, 0, 0, 31},
                         Rect{30, 0, 31, 31}, Rect{12, 4, 12, 4}, Rect{27, 18, 27, 18}}) {
        EXPECT_EQ(count(m_icon, r, see), r.area()) << r.left << "," << r.top;
    }
}

TEST_F(Icon, TwoLinesOfTwoBrightLettersOutlinedInDarkGreenOverABar) {
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = m_icon.pixel(x, y);
            EXPECT_TRUE(see(p) || bright(p) || dark(p)) << x << "," << y;
            if (bright(p)) {
                EXPECT_EQ(count(m_icon, {x - 1, y - 1, x + 1, y + 1}, see), 0) << x << "," << y;
            }
        }
    }
    for (const int top : {1, 15}) {
        for (const int left : {1, 16}) {
            EXPECT_GE(count(m_icon, {left + 1, top + 1, left + 8, top + 10}, bright), 30)
                << left << "," << top;
            // The square full stop at the letter's foot.
            EXPECT_EQ(count(m_icon, {left + 11, top + 9, left + 12, top + 10}, bright), 4)
                << left << "," << top;
        }
    }
    EXPECT_EQ(count(m_icon, {3, 28, 28, 30}, bright), 26 * 3);
}

} // namespace
} // namespace gachapoko::test
