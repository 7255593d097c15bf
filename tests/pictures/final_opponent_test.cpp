// The final opponent, an airbrushed mask, and his defeat, the same mask torn sideways into
// streaks.
#include "assets/picture_lookup.h"
#include "logic/types.h"
#include "tests/support/pictures.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace gachapoko::test {
namespace {

constexpr Colour FrameLight{141, 141, 141}, FrameDark{102, 102, 102};

// Whether some pixel within `radius` of (x, y) passes `test`.
template <typename Test>
bool within(const QImage& face, int x, int y, int radius, Test test) {
    return count(face, {x - radius, y - radius, x + radius, y + radius}, test) > 0;
}

const auto glowingYellow = [](Colour c) { return c.r > 200 && c.g > 170 && c.b < 150; };
const auto grinRed = [](Colour c) { return c.r > 140 && c.g < 70 && c.b < 70; };

class FinalOpponent : public ::testing::Test {
protected:
    QImage m_face = loadPicture(FinalOpponentPicture).value();
};

TEST_F(FinalOpponent, HasABlackFieldInsideAFrameOfTwoGreys) {
    const auto dark = [](Colour c) { return std::max({c.r, c.g, c.b}) < 48; };
    EXPECT_GT(count(m_face, {30, 30, 169, 169}, dark), 140 * 140 * 7 / 10);
    // The outermost two pixels all round are frame, of the two greys only, both well used.
    const Rect inside{2, 2, 197, 197};
    const auto inRing = [&](Colour want) {
        return count(m_face, {}, near(want, 0)) - count(m_face, inside, near(want, 0));
    };
    const int ring = Rect{}.area() - inside.area();
    EXPECT_EQ(inRing(FrameLight) + inRing(FrameDark), ring);
    EXPECT_GT(inRing(FrameLight), ring / 2);
    // The dark grey lines the frame's inside; somewhere along each edge it shows.
    for (const Rect edge : {Rect{0, 100, 19, 100}, Rect{180, 100, 199, 100}, Rect{100, 0, 100, 19},
                            Rect{100, 180, 100, 199}}) {
        EXPECT_GT(count(m_face, edge, near(FrameDark, 0)), 0) << edge.left << "," << edge.top;
    }
}

TEST_F(FinalOpponent, HasTwoGlowingEyesTheLeftOneLower) {
    EXPECT_TRUE(within(m_face, 22, 97, 3, glowingYellow)) << "left eye";
    EXPECT_TRUE(within(m_face, 157, 60, 3, glowingYellow)) << "right eye";
    EXPECT_LT(count(m_face, {}, glowingYellow), 400) << "the eyes are small";
}

TEST_F(FinalOpponent, GrinsInRedRisingFromLowerLeftToRight) {
    EXPECT_TRUE(within(m_face, 58, 177, 4, grinRed)) << "left end";
    EXPECT_TRUE(within(m_face, 102, 168, 3, grinRed)) << "middle";
    EXPECT_TRUE(within(m_face, 148, 144, 4, grinRed)) << "right end";
    EXPECT_FALSE(within(m_face, 148, 176, 6, grinRed)) << "the right end rises";
    const auto grey = [](Colour c) { return c.r > 100 && isGrey(c, 11); };
    EXPECT_TRUE(within(m_face, 40, 178, 6, grey)) << "stroke at the left end";
    EXPECT_TRUE(within(m_face, 160, 131, 6, grey)) << "stroke at the right end";
}

int channelDistance(Colour a, Colour b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// How far each row of the torn picture has moved right against the whole one: the shift with
// the least mean colour difference, and that difference.
struct RowMatch {
    int shift = 0;
    double difference = 0;
};

std::vector<RowMatch> matchRows() {
    const QImage whole = loadPicture(FinalOpponentPicture).value();
    const QImage torn = loadPicture(FinalOpponentBeatenPicture).value();
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

TEST(FinalOpponentBeaten, EachRowIsTheWholeRowMovedRight) {
    const std::vector<RowMatch> rows = matchRows();
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
    // No feature stays whole: at least one row through the grin and one through the eyes moved.
    const auto moved = [&](int from, int to) {
        return std::any_of(rows.begin() + from, rows.begin() + to + 1,
                           [](const RowMatch& row) { return row.shift > 3; });
    };
    EXPECT_TRUE(moved(134, 185)) << "grin";
    EXPECT_TRUE(moved(50, 105)) << "eyes";
}

} // namespace
} // namespace gachapoko::test
