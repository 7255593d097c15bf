// The pairing rules press by press: which press becomes a double click and which a click.
#include "ui/click_pairing.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace gachapoko::test {
namespace {

constexpr int Left = 0;
constexpr int Right = 1;
constexpr std::uint64_t Interval = 400;
constexpr int Distance = 5;

// One step: a press on the picture ('P') or on a site ('S'), or a release ('R').
struct Step {
    char kind;
    int button;
    std::uint64_t time;
    int x = 50;
    int y = 50;
};

// Runs the steps and writes what the picture area raises: 'C' a click, 'D' a double click.
std::string raisedBy(const std::vector<Step>& steps) {
    ClickPairing pairing(Interval, Distance);
    std::string raised;
    auto note = [&raised](const ClickPairing::Raised& r) {
        raised.append(static_cast<std::size_t>(r.clicks), 'C');
        if (r.doubleClick) {
            raised += 'D';
        }
    };
    for (const Step& step : steps) {
        const ClickPairing::Press press{step.button, step.x, step.y, step.time};
        switch (step.kind) {
        case 'P':
            note(pairing.pressOnPicture(press));
            break;
        case 'S':
            pairing.pressOnSite(press);
            break;
        default:
            note(pairing.release(step.button));
            break;
        }
    }
    return raised;
}

// Quick presses of one button, `gap` milliseconds apart, each released 1 ms later.
std::vector<Step> run(int button, int presses, std::uint64_t gap) {
    std::vector<Step> steps;
    for (int i = 0; i < presses; ++i) {
        const std::uint64_t t = 1000 + static_cast<std::uint64_t>(i) * gap;
        steps.push_back({'P', button, t});
        steps.push_back({'R', button, t + 1});
    }
    return steps;
}

struct Case {
    const char* name;
    std::vector<Step> steps;
    std::string expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class ClickPairingTable : public testing::TestWithParam<Case> {};

TEST_P(ClickPairingTable, RaisesOneEventPerPressInTheExpectedOrder) {
    EXPECT_EQ(raisedBy(GetParam().steps), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, ClickPairingTable,
    testing::Values(
        Case{"FourQuickLeftPressesAlternate", run(Left, 4, 50), "CDCD"},
        Case{"FourSlowLeftPressesAreClicks", run(Left, 4, 1000), "CCCC"},
        Case{"FourQuickRightPressesAlternate", run(Right, 4, 50), "CDCD"},
        Case{"PressesJustUnderTheIntervalPair", run(Left, 2, Interval - 1), "CD"},
        Case{"PressesAtTheIntervalDoNotPair", run(Left, 2, Interval), "CC"},
        Case{"PressesInTheSameMillisecondPair",
             {{'P', Left, 7}, {'R', Left, 7}, {'P', Left, 7}, {'R', Left, 7}},
             "CD"},
        Case{"LeftThenRightDoNotPair",
             {{'P', Left, 10}, {'R', Left, 11}, {'P', Right, 20}, {'R', Right, 21}},
             "CC"},
        Case{"AlternatingButtonsAreAllClicks",
             {{'P', Left, 10},
              {'R', Left, 11},
              {'P', Right, 20},
              {'R', Right, 21},
              {'P', Left, 30},
              {'R', Left, 31},
              {'P', Right, 40},
              {'R', Right, 41}},
             "CCCC"},
        Case{"SecondPressTooFarAwayIsAClick",
             {{'P', Left, 10, 50, 50}, {'R', Left, 11}, {'P', Left, 20, 56, 50}, {'R', Left, 21}},
             "CC"},
        Case{"SecondPressWithinTheDistancePairs",
             {{'P', Left, 10, 50, 50}, {'R', Left, 11}, {'P', Left, 20, 55, 45}, {'R', Left, 21}},
             "CD"},
        Case{"HeldButtonsEachClickAtTheirOwnRelease",
             {{'P', Left, 10}, {'P', Right, 12}, {'R', Right, 13}, {'R', Left, 14}},
             "CC"},
        Case{"PicturePressThenSitePressLeavesTheNextPressAClick",
             {{'P', Left, 10},
              {'R', Left, 11},
              {'S', Left, 20},
              {'R', Left, 21},
              {'P', Left, 30},
              {'R', Left, 31}},
             "CC"},
        Case{"APressWhoseReleaseWentMissingStillClicks",
             {{'P', Left, 10}, {'P', Left, 2000}, {'R', Left, 2001}},
             "CC"},
        Case{"AndStillClicksWhenTheNextPressPairsWithIt",
             {{'P', Left, 10}, {'P', Left, 50}, {'R', Left, 51}},
             "CD"},
        Case{"ATimestampGoingBackDoesNotPair",
             {{'P', Left, 1000}, {'R', Left, 1001}, {'P', Left, 10}, {'R', Left, 11}},
             "CC"},
        Case{"AReleaseWithoutAPressRaisesNothing", {{'R', Left, 10}, {'R', Right, 11}}, ""}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
} // namespace gachapoko::test
