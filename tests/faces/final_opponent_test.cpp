// The final opponent (109), an airbrushed mask on its own palette, and his defeat (110), the
// same mask torn sideways into streaks.
#include "tests/faces/face_pictures.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace gachapoko::test {
namespace {

bool isGrey(Rgb c, int level) {
    return c.r == level && c.g == level && c.b == level;
}

int brightness(Rgb c) {
    return std::max({c.r, c.g, c.b});
}

// Whether some pixel within `radius` of (x, y) passes `test`.
template <typename F>
bool near(const QImage& face, int x, int y, int radius, F test) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (test(colourAt(face, x + dx, y + dy))) {
                return true;
            }
        }
    }
    return false;
}

bool glowingYellow(Rgb c) {
    return c.r > 200 && c.g > 170 && c.b < 150;
}
bool grinRed(Rgb c) {
    return c.r > 140 && c.g < 70 && c.b < 70;
}

TEST(FinalOpponent, UsesEveryEntryOfItsOwnPalette) {
    const QImage face = loadFace(109);
    EXPECT_EQ(face.colorTable().size(), 256);
    EXPECT_EQ(distinctIndices(face), 256);
    EXPECT_NE(face.colorTable(), loadFace(103).colorTable());
}

// Most of the final opponent's palette is greys, for the black and grey mask.
int greyEntries(const QImage& face) {
    int greys = 0;
    for (const QRgb c : face.colorTable()) {
        greys +=
            std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)}) < 16
                ? 1
                : 0;
    }
    return greys;
}

TEST(FinalOpponent, PaletteIsMostlyGreys) {
    EXPECT_GT(greyEntries(loadFace(109)), 128);
    EXPECT_GT(greyEntries(loadFace(110)), 128);
}

TEST(FinalOpponent, HasABlackFieldInsideAFrameOfTwoGreys) {
    const QImage face = loadFace(109);
    int dark = 0;
    for (int y = 30; y < 170; ++y) {
        for (int x = 30; x < 170; ++x) {
            dark += brightness(colourAt(face, x, y)) < 48 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 140 * 140 * 7 / 10);
    // The outermost two pixels all round are frame, of the two greys only, both well used.
    int light = 0, darkGrey = 0, ring = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (std::min({x, y, 199 - x, 199 - y}) > 1) {
                continue;
            }
            ++ring;
            const Rgb c = colourAt(face, x, y);
            light += isGrey(c, 141) ? 1 : 0;
            darkGrey += isGrey(c, 102) ? 1 : 0;
        }
    }
    EXPECT_EQ(light + darkGrey, ring);
    EXPECT_GT(light, ring / 2);
    // The dark grey lines the frame's inside; somewhere along each edge it shows.
    for (const auto& [x, y, dx, dy] : {std::array{0, 100, 1, 0}, std::array{199, 100, -1, 0},
                                       std::array{100, 0, 0, 1}, std::array{100, 199, 0, -1}}) {
        bool seen = false;
        for (int step = 0; step < 20 && !seen; ++step) {
            seen = isGrey(colourAt(face, x + dx * step, y + dy * step), 102);
        }
        EXPECT_TRUE(seen) << "edge at " << x << "," << y;
    }
}

TEST(FinalOpponent, HasTwoGlowingEyesTheLeftOneLower) {
    const QImage face = loadFace(109);
    EXPECT_TRUE(near(face, 22, 97, 3, glowingYellow)) << "left eye";
    EXPECT_TRUE(near(face, 157, 60, 3, glowingYellow)) << "right eye";
    int yellow = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            yellow += glowingYellow(colourAt(face, x, y)) ? 1 : 0;
        }
    }
    EXPECT_LT(yellow, 400) << "the eyes are small";
}

TEST(FinalOpponent, GrinsInRedRisingFromLowerLeftToRight) {
    const QImage face = loadFace(109);
    EXPECT_TRUE(near(face, 58, 177, 4, grinRed)) << "left end";
    EXPECT_TRUE(near(face, 102, 168, 3, grinRed)) << "middle";
    EXPECT_TRUE(near(face, 148, 144, 4, grinRed)) << "right end";
    EXPECT_FALSE(near(face, 148, 176, 6, grinRed)) << "the right end rises";
    auto grey = [](Rgb c) {
        return c.r > 100 && std::abs(c.r - c.g) < 12 && std::abs(c.g - c.b) < 12;
    };
    EXPECT_TRUE(near(face, 40, 178, 6, grey)) << "stroke at the left end";
    EXPECT_TRUE(near(face, 160, 131, 6, grey)) << "stroke at the right end";
}

int channelDistance(Rgb a, Rgb b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// How far each row of the torn picture has moved right against the whole one: the shift with
// the least mean colour difference, and that difference.
struct RowMatch {
    int shift = 0;
    double difference = 0;
};

std::vector<RowMatch> matchRows(const QImage& whole, const QImage& torn) {
    std::vector<RowMatch> rows;
    for (int y = 0; y < 200; ++y) {
        RowMatch best{-1, 1e9};
        for (int shift = 0; shift <= 24; ++shift) {
            double sum = 0;
            for (int x = 24; x < 200; ++x) {
                sum += channelDistance(colourAt(torn, x, y), colourAt(whole, x - shift, y));
            }
            const double mean = sum / (200 - 24);
            if (mean < best.difference) {
                best = {shift, mean};
            }
        }
        rows.push_back(best);
    }
    return rows;
}

TEST(FinalOpponentBeaten, UsesEveryEntryOfAPaletteOfItsOwn) {
    const QImage torn = loadFace(110);
    EXPECT_EQ(distinctIndices(torn), 256);
    EXPECT_NE(torn.colorTable(), loadFace(109).colorTable());
}

TEST(FinalOpponentBeaten, EachRowIsTheWholeRowMovedRight) {
    const std::vector<RowMatch> rows = matchRows(loadFace(109), loadFace(110));
    std::set<int> amounts;
    int untouched = 0, far = 0;
    for (int y = 0; y < 200; ++y) {
        const RowMatch& row = rows[static_cast<std::size_t>(y)];
        // Summed over three channels: the palette mapping, and the smear at sharp edges.
        EXPECT_LT(row.difference, 20.0) << "row " << y << " shift " << row.shift;
        EXPECT_LE(row.shift, 22) << "row " << y;
        amounts.insert(row.shift);
        untouched += row.shift <= 1 ? 1 : 0;
        far += row.shift >= 10 ? 1 : 0;
    }
    EXPECT_GE(amounts.size(), 6u) << "streaks of differing lengths";
    EXPECT_GE(untouched, 20) << "some bands almost untouched";
    EXPECT_GE(far, 40) << "many rows torn well to the right";
}

TEST(FinalOpponentBeaten, LeavesNoFeatureWhole) {
    // The grin and the eyes are torn: at least one row through each is moved.
    const std::vector<RowMatch> rows = matchRows(loadFace(109), loadFace(110));
    auto moved = [&](int from, int to) {
        for (int y = from; y <= to; ++y) {
            if (rows[static_cast<std::size_t>(y)].shift > 3) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(moved(134, 185)) << "grin";
    EXPECT_TRUE(moved(50, 105)) << "eyes";
}

} // namespace
} // namespace gachapoko::test
