// The map: each place lies under the site region the player clicks, the parts said to lie
// outside do, no place reaches into another's region, and the ground between stays bare.
#include "assets/picture_lookup.h"
#include "logic/site_table.h"
#include "tests/support/pictures.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace gachapoko::test {
namespace {

constexpr Colour Ground{223, 255, 191};

// The site region of the site table, as the window lays it out: cut to the picture.
Rect region(std::size_t site) {
    const MapRect& r = SiteTable[site].Region;
    return {r.x, r.y, std::min(r.right(), 199), std::min(r.bottom(), 199)};
}

// The main colours of each place; a pixel within the tolerance clearly shows that place.
struct Place {
    const char* name;
    std::vector<Colour> colours;
    double least; // the smallest share of its region each main colour must hold
};
const std::array<Place, SiteCount> Places = {{
    {"forest", {{157, 255, 138}}, 0.3},
    {"mountain", {{132, 212, 113}, {147, 219, 126}}, 0.3},
    {"lake", {{149, 225, 188}}, 0.5},
    {"town", {{235, 155, 115}, {124, 137, 217}}, 0.01}, // a slender tower, small windows
    {"houses", {{198, 193, 151}}, 0.3},
    {"coast", {{242, 215, 151}, {43, 152, 241}}, 0.2},
}};

bool shows(const Place& place, Colour c, int tolerance) {
    return std::any_of(place.colours.begin(), place.colours.end(),
                       [&](Colour main) { return distance(c, main) <= tolerance; });
}

class Map : public ::testing::Test {
protected:
    QImage m_map = loadPicture(MapPicture).value();
};

// Each site's region shows its place's main colours, and no other place's colours reach into it
// (colours that are clearly the other place's and not this one's).
TEST_F(Map, EachRegionShowsItsPlaceAndNoOther) {
    for (std::size_t site = 0; site < SiteCount; ++site) {
        const Place& place = Places[site];
        for (const Colour main : place.colours) {
            EXPECT_GE(share(m_map, region(site), near(main, 24)), place.least)
                << place.name << " " << main.r << "," << main.g << "," << main.b;
        }
        for (const Place& other : Places) {
            EXPECT_LE(share(m_map, region(site),
                            [&](Colour c) { return shows(other, c, 10) && !shows(place, c, 30); }),
                      0.002)
                << other.name << " in " << place.name;
        }
    }
}

// The town's windows all lie inside its region, three rows of three.
TEST_F(Map, AllNineWindowsLieInsideTheTownRegion) {
    const auto window = near({124, 137, 217}, 24);
    const int inside = count(m_map, region(3), window);
    EXPECT_GE(inside, 9 * 40);
    EXPECT_EQ(count(m_map, {}, window), inside);
    // Three rows and three columns of windows: scan the middle of each.
    for (const int y : {105, 119, 133}) {
        int runs = 0;
        for (int x = 150; x < 200; ++x) {
            runs += window(colourAt(m_map, x, y)) && !window(colourAt(m_map, x - 1, y)) ? 1 : 0;
        }
        EXPECT_EQ(runs, 3) << "row at y " << y;
    }
}

TEST_F(Map, PartsOfPlacesOutsideTheirRegionsAreThere) {
    // What each part is, where it lies and its main colour.
    const std::tuple<const char*, Rect, Colour> parts[] = {
        {"mountain ridges' left tips", {99, 30, 109, 60}, {140, 215, 120}},
        {"top of the building", {154, 86, 199, 98}, {212, 233, 191}},
        {"top of the tower", {120, 76, 134, 98}, {235, 155, 115}},
        {"left leg of the tower", {108, 115, 123, 146}, {235, 155, 115}},
        {"right end of the right-hand house", {58, 118, 69, 150}, {198, 193, 151}},
        {"sea past the coast region", {196, 188, 199, 199}, {43, 152, 241}},
    };
    for (const auto& [what, area, colour] : parts) {
        EXPECT_GT(share(m_map, area, near(colour, 24)), 0.05) << what;
    }
}

TEST_F(Map, GroundBetweenThePlacesIsBare) {
    const Rect gaps[] = {
        {74, 0, 94, 54},     // between the forest and the mountains
        {0, 50, 55, 68},     // under the forest
        {136, 66, 199, 78},  // between the mountains and the town
        {72, 100, 104, 160}, // between the houses and the tower
        {0, 154, 199, 162},  // above the sand
        {0, 0, 199, 4},      // along the top edge
    };
    for (const Rect& gap : gaps) {
        EXPECT_EQ(share(m_map, gap, near(Ground, 2)), 1.0) << gap.left << "," << gap.top;
    }
}

} // namespace
} // namespace gachapoko::test
