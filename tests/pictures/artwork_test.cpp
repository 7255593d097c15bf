// The title, the closing picture and the icon: their main colours lie where the pictures put
// them, and the icon is see-through outside its letters.
#include "assets/bitmap_decoder.h"
#include "assets/picture_lookup.h"
#include "tests/pictures/stored_data.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

struct Rect {
    int left, top, right, bottom; // inclusive
};

template <typename Test>
int count(const QImage& image, Rect r, Test test) {
    int hits = 0;
    for (int y = r.top; y <= r.bottom; ++y) {
        for (int x = r.left; x <= r.right; ++x) {
            hits += test(colourAt(image, x, y)) ? 1 : 0;
        }
    }
    return hits;
}

int area(Rect r) {
    return (r.right - r.left + 1) * (r.bottom - r.top + 1);
}

constexpr Rect Whole{0, 0, 199, 199};

auto near(Colour want, int tolerance) {
    return [want, tolerance](Colour c) { return distance(c, want) <= tolerance; };
}

bool isGrey(Colour c) {
    return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) <= 12;
}

// The rows or columns over which the pixels passing the test spread.
struct Extent {
    int low = 1000, high = -1;
};
template <typename Test>
Extent rowsOf(const QImage& image, Rect r, Test test) {
    Extent e;
    for (int y = r.top; y <= r.bottom; ++y) {
        for (int x = r.left; x <= r.right; ++x) {
            if (test(colourAt(image, x, y))) {
                e.low = std::min(e.low, y);
                e.high = std::max(e.high, y);
            }
        }
    }
    return e;
}
template <typename Test>
Extent columnsOf(const QImage& image, Rect r, Test test) {
    Extent e;
    for (int y = r.top; y <= r.bottom; ++y) {
        for (int x = r.left; x <= r.right; ++x) {
            if (test(colourAt(image, x, y))) {
                e.low = std::min(e.low, x);
                e.high = std::max(e.high, x);
            }
        }
    }
    return e;
}

class Title : public ::testing::Test {
protected:
    QImage m_title = *loadPicture(101);
};

TEST_F(Title, GroundIsBlackAroundTheLettering) {
    for (const Rect r :
         {Rect{0, 0, 8, 8}, Rect{96, 0, 110, 8}, Rect{0, 176, 30, 199}, Rect{170, 176, 199, 199}}) {
        EXPECT_EQ(count(m_title, r, near({0, 0, 0}, 6)), area(r)) << r.left << "," << r.top;
    }
}

TEST_F(Title, ThreeColourBlocksLieAtTheirPlaces) {
    const Rect blueBlock{16, 14, 88, 93}, yellowBlock{119, 0, 199, 109}, redBlock{5, 102, 191, 171};
    const auto blue = near({15, 15, 175}, 30);
    const auto mustard = near({155, 155, 55}, 30);
    const auto red = near({155, 15, 15}, 30);
    const int blueInside = count(m_title, blueBlock, blue);
    const int yellowInside = count(m_title, yellowBlock, mustard);
    const int redInside = count(m_title, redBlock, red);
    EXPECT_GE(blueInside, area(blueBlock) / 10);
    EXPECT_GE(yellowInside, area(yellowBlock) / 12);
    EXPECT_GE(redInside, area(redBlock) / 12);
    // Each colour stays in its block but for a few pixels of soft edge, and the red block is
    // the largest.
    const auto widened = [](Rect r) {
        return Rect{r.left - 4, std::max(0, r.top - 4), std::min(199, r.right + 4),
                    std::min(199, r.bottom + 4)};
    };
    EXPECT_EQ(count(m_title, Whole, blue), count(m_title, widened(blueBlock), blue));
    EXPECT_EQ(count(m_title, Whole, mustard), count(m_title, widened(yellowBlock), mustard));
    EXPECT_EQ(count(m_title, Whole, red), count(m_title, widened(redBlock), red));
    EXPECT_GT(redInside, blueInside);
    EXPECT_GT(redInside, yellowInside);
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
    const Extent rows = rowsOf(m_title, band, light);
    const Extent columns = columnsOf(m_title, band, light);
    EXPECT_GE(rows.low, 184);
    EXPECT_LE(rows.high, 199);
    EXPECT_LE(rows.high - rows.low, 14); // small letters
    EXPECT_NEAR(columns.low, 37, 5);
    EXPECT_NEAR(columns.high, 163, 5);
}

class Closing : public ::testing::Test {
protected:
    QImage m_closing = *loadPicture(111);
};

TEST_F(Closing, GroupNameIsGreenInTheUpperHalfAndGrowsToTheRight) {
    const auto green = near({50, 146, 26}, 30);
    EXPECT_EQ(count(m_closing, {0, 106, 199, 199}, green), 0);
    const Extent left = rowsOf(m_closing, {0, 0, 60, 105}, green);
    const Extent right = rowsOf(m_closing, {130, 0, 199, 105}, green);
    ASSERT_GE(left.high, 0);
    ASSERT_GE(right.high, 0);
    EXPECT_LE(left.low, 25); // starting at the top left
    EXPECT_GT(right.high - right.low, 2 * (left.high - left.low));
    // The last full stop near the right edge, low down.
    EXPECT_GT(count(m_closing, {165, 88, 199, 106}, green), 30);
}

TEST_F(Closing, GroupNameHasYellowGreenEdges) {
    const auto edge = [](Colour c) { return c.g > 170 && c.r > 110 && c.b < 130; };
    EXPECT_GT(count(m_closing, {0, 0, 199, 105}, edge), 150);
}

TEST_F(Closing, TheEndIsBlurredGreyUnderTheFirstLetters) {
    const Rect words{5, 56, 98, 85};
    const auto grey = [](Colour c) { return isGrey(c) && c.r >= 90 && c.r <= 175; };
    EXPECT_GT(count(m_closing, words, grey), area(words) / 8);
    // Blurred: many in-between greys, not two flat tones.
    const auto soft = [](Colour c) { return isGrey(c) && c.r >= 30 && c.r < 90; };
    EXPECT_GT(count(m_closing, words, soft), area(words) / 20);
}

TEST_F(Closing, CreditsAreRedOnDarkGreyPanelsInTheLowerHalf) {
    const Rect credits{22, 106, 193, 192};
    const auto red = [](Colour c) { return c.r > 150 && c.g < 90 && c.b < 90; };
    const auto panel = [](Colour c) { return isGrey(c) && c.r >= 45 && c.r <= 110; };
    const auto outline = [](Colour c) { return c.r > 180 && c.g > 140 && c.b > 140; };
    EXPECT_GT(count(m_closing, credits, red), area(credits) / 30);
    EXPECT_GT(count(m_closing, credits, panel), area(credits) / 4);
    EXPECT_GT(count(m_closing, credits, outline), area(credits) / 40);
    EXPECT_EQ(count(m_closing, {0, 0, 199, 100}, red), 0);
}

TEST_F(Closing, GroundIsBlackAndThePaletteMostlyGreys) {
    for (const Rect r : {Rect{0, 195, 10, 199}, Rect{195, 190, 199, 199}, Rect{60, 0, 80, 3}}) {
        EXPECT_EQ(count(m_closing, r,
                        [](Colour c) {
                            return std::max({c.r, c.g, c.b}) <= 30;
                        }),
                  area(r));
    }
    int greys = 0;
    for (const QRgb entry : m_closing.colorTable()) {
        greys += isGrey({qRed(entry), qGreen(entry), qBlue(entry)}) ? 1 : 0;
    }
    EXPECT_GE(greys, 160);
}

class Icon : public ::testing::Test {
protected:
    QImage m_icon = *decodeIconBitmap(storedIcon()).image;
    bool see(int x, int y) const { return qAlpha(m_icon.pixel(x, y)) == 0; }
    bool bright(int x, int y) const { return m_icon.pixel(x, y) == qRgb(0, 255, 0); }
    bool dark(int x, int y) const { return m_icon.pixel(x, y) == qRgb(0, 128, 0); }
};

TEST_F(Icon, OpaquePixelsAreOnlyTheTwoGreens) {
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            EXPECT_TRUE(see(x, y) || bright(x, y) || dark(x, y)) << x << "," << y;
        }
    }
}

TEST_F(Icon, SeeThroughOutsideTheLettersAndTheBar) {
    for (int i = 0; i < 32; ++i) {
        for (const int row : {0, 13, 14}) {
            EXPECT_TRUE(see(i, row)) << i << "," << row;
        }
        for (const int column : {0, 30, 31}) {
            EXPECT_TRUE(see(column, i)) << column << "," << i;
        }
    }
    // Between a letter and its full stop, above the stop.
    EXPECT_TRUE(see(12, 4));
    EXPECT_TRUE(see(27, 18));
}

TEST_F(Icon, EveryBrightPixelIsOutlinedInDarkGreen) {
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (!bright(x, y)) {
                continue;
            }
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    EXPECT_FALSE(see(x + dx, y + dy)) << x << "," << y;
                }
            }
        }
    }
}

TEST_F(Icon, TwoLinesOfTwoLettersWithSquareStopsOverABar) {
    const auto brightIn = [this](Rect r) {
        int n = 0;
        for (int y = r.top; y <= r.bottom; ++y) {
            for (int x = r.left; x <= r.right; ++x) {
                n += bright(x, y) ? 1 : 0;
            }
        }
        return n;
    };
    for (const int top : {1, 15}) {
        for (const int left : {1, 16}) {
            EXPECT_GE(brightIn({left + 1, top + 1, left + 8, top + 10}), 30) << left << "," << top;
            // The square full stop at the letter's foot.
            EXPECT_EQ(brightIn({left + 11, top + 9, left + 12, top + 10}), 4) << left << "," << top;
        }
    }
    EXPECT_EQ(brightIn({3, 28, 28, 30}), 26 * 3);
    for (int x = 2; x <= 29; ++x) {
        EXPECT_TRUE(dark(x, 31)) << x;
    }
}

} // namespace
} // namespace gachapoko::test
