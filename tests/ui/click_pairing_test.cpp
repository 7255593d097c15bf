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
using Steps = std::vector<Step>;

// Runs the steps and writes what the picture area raises: 'C' a click, 'D' a double click.
std::string raisedBy(const Steps& steps) {
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
        if (step.kind == 'S') {
            pairing.pressOnSite(press);
        } else {
            note(step.kind == 'P' ? pairing.pressOnPicture(press) : pairing.release(step.button));
        }
    }
    return raised;
}

Steps operator+(Steps steps, const Steps& more) {
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
}

// A press on the picture at `time`, released 1 ms later.
Steps tap(int button, std::uint64_t time, int x = 50, int y = 50) {
    return {{'P', button, time, x, y}, {'R', button, time + 1}};
}

// Quick presses of one button, `gap` milliseconds apart.
Steps run(int button, int presses, std::uint64_t gap) {
    Steps steps;
    for (int i = 0; i < presses; ++i) {
        steps = steps + tap(button, 1000 + static_cast<std::uint64_t>(i) * gap);
    }
    return steps;
}

struct Case {
    const char* name;
    Steps steps;
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
             Steps{{'P', Left, 7}, {'R', Left, 7}, {'P', Left, 7}, {'R', Left, 7}}, "CD"},
        Case{"LeftThenRightDoNotPair", tap(Left, 10) + tap(Right, 20), "CC"},
        Case{"AlternatingButtonsAreAllClicks",
             tap(Left, 10) + tap(Right, 20) + tap(Left, 30) + tap(Right, 40), "CCCC"},
        Case{"SecondPressTooFarAwayIsAClick", tap(Left, 10) + tap(Left, 20, 56, 50), "CC"},
        Case{"SecondPressWithinTheDistancePairs", tap(Left, 10) + tap(Left, 20, 55, 45), "CD"},
        Case{"HeldButtonsEachClickAtTheirOwnRelease",
             Steps{{'P', Left, 10}, {'P', Right, 12}, {'R', Right, 13}, {'R', Left, 14}}, "CC"},
        Case{"PicturePressThenSitePressLeavesTheNextPressAClick",
             tap(Left, 10) + Steps{{'S', Left, 20}, {'R', Left, 21}} + tap(Left, 30), "CC"},
        Case{"APressWhoseReleaseWentMissingStillClicks", Steps{{'P', Left, 10}} + tap(Left, 2000),
             "CC"},
        Case{"AndStillClicksWhenTheNextPressPairsWithIt", Steps{{'P', Left, 10}} + tap(Left, 50),
             "CD"},
        Case{"ATimestampGoingBackDoesNotPair", tap(Left, 1000) + tap(Left, 10), "CC"},
        Case{"AReleaseWithoutAPressRaisesNothing", Steps{{'R', Left, 10}, {'R', Right, 11}}, ""}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
} // namespace gachapoko::test
