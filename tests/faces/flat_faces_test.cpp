// The flat-colour faces 103 to 108: drawn on the shared palette with a modest number of
// colours, their named colours where the pictures put them, and the two brothers' one face.
#include "assets/painter/canvas.h"
#include "tests/faces/face_pictures.h"

#include <cctype>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace gachapoko::test {
namespace {

class FlatFace : public ::testing::TestWithParam<std::int16_t> {};

TEST_P(FlatFace, CarriesTheSharedPalette) {
    const QImage face = loadFace(GetParam());
    const painter::Palette& shared = painter::sharedPalette();
    const QList<QRgb> table = face.colorTable();
    ASSERT_EQ(table.size(), 256);
    for (int i = 0; i < 256; ++i) {
        const painter::Rgb expected = shared[static_cast<std::size_t>(i)];
        EXPECT_EQ(table[i], qRgb(expected.r, expected.g, expected.b)) << "entry " << i;
    }
}

TEST_P(FlatFace, UsesBetween15And42Colours) {
    const int colours = distinctIndices(loadFace(GetParam()));
    EXPECT_GE(colours, 15);
    EXPECT_LE(colours, 42);
}

INSTANTIATE_TEST_SUITE_P(Faces103To108, FlatFace,
                         ::testing::Values<std::int16_t>(103, 104, 105, 106, 107, 108));

struct NamedColour {
    std::int16_t id;
    const char* what;
    Rgb colour;
    Area area;
    double leastShare; // of the area's pixels
};

// Each picture's main colours, exactly, as large areas where its subject has them.
const NamedColour NamedColours[] = {
    {103, "sumo skin over the middle of the face", {255, 191, 127}, {50, 110, 150, 160}, 0.5},
    {103, "sumo hair across the top", {191, 63, 159}, {20, 20, 180, 45}, 0.5},
    {103, "sumo hair locks at the left edge", {191, 63, 159}, {0, 30, 15, 90}, 0.2},
    {103, "rose rays", {191, 95, 127}, {0, 0, 199, 199}, 0.02},
    {103, "slate green rays", {63, 95, 95}, {0, 0, 199, 199}, 0.02},
    {104, "dwarf cap over the top third", {95, 63, 127}, {30, 0, 170, 60}, 0.4},
    {104, "dwarf skin", {255, 223, 159}, {60, 115, 140, 160}, 0.5},
    {104, "bright green ground", {127, 255, 95}, {0, 0, 199, 199}, 0.05},
    {104, "darker green leaves", {95, 223, 95}, {0, 0, 199, 199}, 0.01},
    {105, "young man's hair across the top", {191, 95, 95}, {30, 0, 170, 40}, 0.5},
    {105, "young man's skin", {255, 191, 127}, {50, 60, 150, 120}, 0.3},
    {105, "red-orange mouth", {255, 95, 63}, {48, 120, 153, 180}, 0.1},
    {105, "pale grey-green teeth", {191, 223, 191}, {48, 120, 153, 180}, 0.1},
    {105, "pink tongue", {255, 159, 159}, {48, 120, 153, 180}, 0.04},
    {105, "yellow on the left", {255, 255, 63}, {0, 0, 15, 199}, 0.4},
    {105, "green at the lower right", {127, 255, 63}, {175, 150, 199, 199}, 0.4},
    {106, "eldest son's bowl-cut hair", {95, 63, 63}, {80, 10, 180, 60}, 0.5},
    {106, "eldest son's peach skin", {255, 191, 159}, {100, 120, 170, 150}, 0.5},
    {106, "dark green speed lines", {63, 95, 63}, {0, 0, 199, 199}, 0.02},
    {106, "black at the upper left", {0, 0, 0}, {0, 0, 50, 50}, 0.4},
    {108, "goddess's golden hair", {255, 223, 63}, {0, 0, 199, 199}, 0.25},
    {108, "goddess's pale yellow skin", {255, 223, 127}, {60, 80, 140, 120}, 0.3},
    {108, "sky blue top left corner", {166, 202, 240}, {0, 0, 12, 12}, 0.9},
    {108, "sky blue top right corner", {166, 202, 240}, {187, 0, 199, 12}, 0.9},
};

void PrintTo(const NamedColour& c, std::ostream* os) {
    *os << c.id << " " << c.what;
}

class NamedColourTest : public ::testing::TestWithParam<NamedColour> {};

TEST_P(NamedColourTest, CoversItsArea) {
    const NamedColour& c = GetParam();
    const double share = shareOf(loadFace(c.id), c.colour, c.area);
    EXPECT_GE(share, c.leastShare) << c.id << ": " << c.what;
}

std::string nameOf(const ::testing::TestParamInfo<NamedColour>& info) {
    std::string name = std::to_string(info.param.id) + "_";
    for (const char* c = info.param.what; *c != '\0'; ++c) {
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(MainColours, NamedColourTest, ::testing::ValuesIn(NamedColours), nameOf);

// The second son is his elder brother's drawing with only the lower face changed.
constexpr Area Laugh = {70, 103, 173, 187};

bool inside(Area a, int x, int y) {
    return x >= a.left && x <= a.right && y >= a.top && y <= a.bottom;
}

TEST(Brothers, DifferOnlyInTheLowerFace) {
    const QImage eldest = loadFace(106), second = loadFace(107);
    int outside = 0, within = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (eldest.pixelIndex(x, y) != second.pixelIndex(x, y)) {
                ++(inside(Laugh, x, y) ? within : outside);
            }
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(within, 1000); // a whole open mouth and two tears, not a stray pixel
}

TEST(Brothers, SecondSonLaughsWithTeethTongueAndTears) {
    const QImage eldest = loadFace(106), second = loadFace(107);
    const Area mouth = {90, 140, 165, 187};
    EXPECT_GT(shareOf(second, {255, 255, 255}, mouth), 0.05) << "teeth";
    EXPECT_GT(shareOf(second, {223, 63, 63}, mouth), 0.03) << "tongue";
    EXPECT_GT(shareOf(second, {95, 63, 63}, mouth), 0.05) << "dark mouth";
    EXPECT_EQ(shareOf(eldest, {255, 255, 255}, mouth), 0.0);
    // A light-blue drop under each eye; none on the elder brother.
    const Rgb tear = {166, 202, 240};
    EXPECT_GT(shareOf(second, tear, {80, 105, 120, 135}), 0.03) << "left tear";
    EXPECT_GT(shareOf(second, tear, {125, 105, 173, 135}), 0.03) << "right tear";
    EXPECT_EQ(shareOf(eldest, tear, Laugh), 0.0);
}

} // namespace
} // namespace gachapoko::test
