// The flat-colour faces of the residents: their named colours where the pictures put them, and
// the two brothers' one face.
#include "assets/picture_lookup.h"
#include "logic/types.h"
#include "tests/support/pictures.h"

#include <gtest/gtest.h>
#include <tuple>

namespace gachapoko::test {
namespace {

// Each picture's main colours, exactly, as large areas where its subject has them: the picture,
// what the colour shows, the colour, the area and the least share of its pixels the colour holds.
const std::tuple<PictureId, const char*, Colour, Rect, double> MainColours[] = {
    {SumoWrestlerPicture, "sumo skin over the face", {255, 191, 127}, {50, 110, 150, 160}, 0.5},
    {SumoWrestlerPicture, "sumo hair across the top", {191, 63, 159}, {20, 20, 180, 45}, 0.5},
    {SumoWrestlerPicture, "sumo hair locks at the left edge", {191, 63, 159}, {0, 30, 15, 90}, 0.2},
    {SumoWrestlerPicture, "rose rays", {191, 95, 127}, {}, 0.02},
    {SumoWrestlerPicture, "slate green rays", {63, 95, 95}, {}, 0.02},
    {DwarfPicture, "dwarf cap over the top third", {95, 63, 127}, {30, 0, 170, 60}, 0.4},
    {DwarfPicture, "dwarf skin", {255, 223, 159}, {60, 115, 140, 160}, 0.5},
    {DwarfPicture, "bright green ground", {127, 255, 95}, {}, 0.05},
    {DwarfPicture, "darker green leaves", {95, 223, 95}, {}, 0.01},
    {YoungManPicture, "young man's hair across the top", {191, 95, 95}, {30, 0, 170, 40}, 0.5},
    {YoungManPicture, "young man's skin", {255, 191, 127}, {50, 60, 150, 120}, 0.3},
    {YoungManPicture, "red-orange mouth", {255, 95, 63}, {48, 120, 153, 180}, 0.1},
    {YoungManPicture, "pale grey-green teeth", {191, 223, 191}, {48, 120, 153, 180}, 0.1},
    {YoungManPicture, "pink tongue", {255, 159, 159}, {48, 120, 153, 180}, 0.04},
    {YoungManPicture, "yellow on the left", {255, 255, 63}, {0, 0, 15, 199}, 0.4},
    {YoungManPicture, "green at the lower right", {127, 255, 63}, {175, 150, 199, 199}, 0.4},
    {EldestSonPicture, "eldest son's bowl-cut hair", {95, 63, 63}, {80, 10, 180, 60}, 0.5},
    {EldestSonPicture, "eldest son's peach skin", {255, 191, 159}, {100, 120, 170, 150}, 0.5},
    {EldestSonPicture, "dark green speed lines", {63, 95, 63}, {}, 0.02},
    {EldestSonPicture, "black at the upper left", {0, 0, 0}, {0, 0, 50, 50}, 0.4},
    {GoddessPicture, "goddess's golden hair", {255, 223, 63}, {}, 0.25},
    {GoddessPicture, "goddess's pale yellow skin", {255, 223, 127}, {60, 80, 140, 120}, 0.3},
    {GoddessPicture, "sky blue top left corner", {166, 202, 240}, {0, 0, 12, 12}, 0.9},
    {GoddessPicture, "sky blue top right corner", {166, 202, 240}, {187, 0, 199, 12}, 0.9},
};

TEST(Faces, MainColoursCoverTheirAreas) {
    for (const auto& [id, what, colour, area, least] : MainColours) {
        EXPECT_GE(share(loadPicture(id).value(), area, near(colour, 0)), least)
            << id << " " << what;
    }
}

// The second son is his elder brother's drawing with only the lower face changed: laughing, with
// teeth, tongue and a tear under each eye.
TEST(Brothers, SecondSonIsTheEldestLaughingWithTeethTongueAndTears) {
    const QImage eldest = loadPicture(EldestSonPicture).value();
    const QImage second = loadPicture(SecondSonPicture).value();
    const Rect laugh = {70, 103, 173, 187};
    int outside = 0, within = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (eldest.pixel(x, y) != second.pixel(x, y)) {
                ++(laugh.contains(x, y) ? within : outside);
            }
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(within, 1000); // a whole open mouth and two tears, not a stray pixel
    const Rect mouth = {90, 140, 165, 187};
    EXPECT_GT(share(second, mouth, near({255, 255, 255}, 0)), 0.05) << "teeth";
    EXPECT_GT(share(second, mouth, near({223, 63, 63}, 0)), 0.03) << "tongue";
    EXPECT_GT(share(second, mouth, near({95, 63, 63}, 0)), 0.05) << "dark mouth";
    EXPECT_EQ(share(eldest, mouth, near({255, 255, 255}, 0)), 0.0);
    // A light-blue drop under each eye; none on the elder brother.
    const auto tear = near({166, 202, 240}, 0);
    EXPECT_GT(share(second, {80, 105, 120, 135}, tear), 0.03) << "left tear";
    EXPECT_GT(share(second, {125, 105, 173, 135}, tear), 0.03) << "right tear";
    EXPECT_EQ(share(eldest, laugh, tear), 0.0);
}

} // namespace
} // namespace gachapoko::test
