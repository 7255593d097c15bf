// The bout timer, on each clock it can use: a tick that was due when the timer was stopped or
// started anew must never reach the game (a verdict in the next scene), ticks that piled up
// while the loop was busy come as one, and it keeps firing at its interval until stopped, as the
// game's timer must. The precise QTimer that other systems use is tried here too.
#include "ui/bout_timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace gachapoko::test {
namespace {

// Lets `milliseconds` pass without running the event loop, as a busy handler would.
void busyFor(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

class BoutTimerOn : public testing::TestWithParam<BoutTimer::Clock> {
protected:
    BoutTimerOn() {
        QObject::connect(&timer, &BoutTimer::timeout, [this] { ++ticks; });
    }
    void SetUp() override { ASSERT_EQ(timer.clock(), GetParam()); }

    BoutTimer timer{nullptr, GetParam()};
    int ticks = 0;
};

TEST_P(BoutTimerOn, ADueTickIsDroppedWhenStoppedBeforeTheLoopSawIt) {
    timer.start(5);
    busyFor(40);
    timer.stop();
    QTest::qWait(50);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(timer.isActive());
}

TEST_P(BoutTimerOn, StartingAnewDropsTheDueTickAndCountsFromTheCall) {
    timer.start(5);
    busyFor(40);
    timer.start(10000);
    QTest::qWait(50);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(timer.interval(), 10000);
}

TEST_P(BoutTimerOn, TicksThatPiledUpWhileBusyComeAsOne) {
    timer.start(5);
    busyFor(60);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

TEST_P(BoutTimerOn, KeepsFiringAtItsIntervalUntilStopped) {
    QElapsedTimer clock;
    clock.start();
    timer.start(40);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));
    EXPECT_GE(clock.elapsed(), 3 * 40);
    timer.stop();
    const int stoppedAt = ticks;
    QTest::qWait(100);
    EXPECT_EQ(ticks, stoppedAt);
}

TEST_P(BoutTimerOn, ZeroOrLessStops) {
    timer.start(1000);
    ASSERT_TRUE(timer.isActive());
    timer.start(0);
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(timer.interval(), 0);
}

std::vector<BoutTimer::Clock> everyClock() {
    if (platform::HasTimerFd) {
        return {BoutTimer::Clock::TimerFd, BoutTimer::Clock::PreciseQTimer};
    }
    return {BoutTimer::Clock::PreciseQTimer};
}

INSTANTIATE_TEST_SUITE_P(EveryClock, BoutTimerOn, testing::ValuesIn(everyClock()),
                         [](const testing::TestParamInfo<BoutTimer::Clock>& info) {
                             return info.param == BoutTimer::Clock::TimerFd ? "TimerFd"
                                                                            : "PreciseQTimer";
                         });

} // namespace
} // namespace gachapoko::test
