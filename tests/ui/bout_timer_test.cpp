// The bout timer: a tick that was due when the timer was stopped or started anew must never
// reach the game (a verdict in the next scene), ticks that piled up while the loop was busy come
// as one, and it keeps firing at its interval until stopped, as the game's timer must.
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

struct TickCounter {
    explicit TickCounter(BoutTimer& timer) {
        QObject::connect(&timer, &BoutTimer::timeout, [this] { ++ticks; });
    }
    int ticks = 0;
};

TEST(BoutTimer, OnLinuxWaitsOnTheKernelsTimerNotOnThePollTimeout) {
    BoutTimer timer;
#ifdef __linux__
    EXPECT_TRUE(timer.usesTimerFd());
#else
    EXPECT_FALSE(timer.usesTimerFd());
#endif
}

TEST(BoutTimer, ADueTickIsDroppedWhenStoppedBeforeTheLoopSawIt) {
    BoutTimer timer;
    TickCounter counter(timer);
    timer.start(5);
    busyFor(40);
    timer.stop();
    QTest::qWait(50);
    EXPECT_EQ(counter.ticks, 0);
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(timer.remainingTime(), -1);
}

TEST(BoutTimer, StartingAnewDropsTheDueTickAndCountsFromTheCall) {
    BoutTimer timer;
    TickCounter counter(timer);
    timer.start(5);
    busyFor(40);
    timer.start(10000);
    QTest::qWait(50);
    EXPECT_EQ(counter.ticks, 0);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 10000);
    EXPECT_GT(timer.remainingTime(), 10000 - 100);
    EXPECT_LE(timer.remainingTime(), 10000);
}

TEST(BoutTimer, TicksThatPiledUpWhileBusyComeAsOne) {
    BoutTimer timer;
    TickCounter counter(timer);
    timer.start(5);
    busyFor(60);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.ticks, 1);
    timer.stop();
}

TEST(BoutTimer, KeepsFiringAtItsIntervalUntilStopped) {
    BoutTimer timer;
    TickCounter counter(timer);
    QElapsedTimer clock;
    clock.start();
    timer.start(40);
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.ticks >= 3; }, 5000));
    EXPECT_GE(clock.elapsed(), 3 * 40);
    timer.stop();
    const int ticks = counter.ticks;
    QTest::qWait(100);
    EXPECT_EQ(counter.ticks, ticks);
}

TEST(BoutTimer, ZeroOrLessStops) {
    BoutTimer timer;
    timer.start(1000);
    ASSERT_TRUE(timer.isActive());
    timer.start(0);
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(timer.interval(), 0);
}

} // namespace
} // namespace gachapoko::test
