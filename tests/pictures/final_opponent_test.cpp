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

// Each row of the torn picture is the whole one's row moved right: at the shift with the least
// mean colour difference, little difference is left.
TEST(FinalOpponentBeaten, EachRowIsTheWholeRowMovedRight) {
    const QImage whole = loadPicture(FinalOpponentPicture).value();
    const QImage torn = loadPicture(FinalOpponentBeatenPicture).value();
    std::vector<int> shifts; // how far each row has moved
    for (int y = 0; y < 200; ++y) {
        int best = -1;
        double least = 1e9;
        for (int shift = 0; shift <= 24; ++shift) {
            double sum = 0;
            for (int x = 24; x < 200; ++x) {
                sum += channelDistance(colourAt(torn, x, y), colourAt(whole, x - shift, y));
            }
            if (const double mean = sum / (200 - 24); mean < least) {
                best = shift;
                least = mean;
            }
        }
        // Summed over three channels: the palette mapping, and the smear at sharp edges.
        EXPECT_LT(least, 20.0) << "row " << y << " shift " << best;
        EXPECT_LE(best, 22) << "row " << y;
        shifts.push_back(best);
    }
    const auto rows = [&](auto test) { return std::count_if(shifts.begin(), shifts.end(), test); };
    EXPECT_GE(std::set<int>(shifts.begin(), shifts.end()).size(), 6u)
        << "streaks of differing lengths";
    EXPECT_GE(rows([](int shift) { return shift <= 1; }), 20) << "some bands almost untouched";
    EXPECT_GE(rows([](int shift) { return shift >= 10; }), 40)
        << "many rows torn well to the right";
    // No feature stays whole: at least one row through the grin and one through the eyes moved.
    const auto moved = [&](int from, int to) {
        return std::any_of(shifts.begin() + from, shifts.begin() + to + 1,
                           [](int shift) { return shift > 3; });
    };
    EXPECT_TRUE(moved(134, 185)) << "grin";
    EXPECT_TRUE(moved(50, 105)) << "eyes";
}

} // namespace
} // namespace gachapoko::test
