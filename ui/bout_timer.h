// The window's one timer, which ends every ten-second bout. Qt's own timers wait in the event
// loop's poll(), whose timeout Linux stretches by 0.1 % for a normal process: a bout would last
// 10.01 s. On Linux this timer is a timerfd instead, which the kernel wakes within its timer
// slack (50 us); the event loop watches it like any other input, so the tick still comes through
// the one event queue, after the presses that arrived before it. Elsewhere, or where the timerfd
// cannot be made or set, it is a precise QTimer.
#pragma once

#include "platform/platform.h"

#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace gachapoko {

class BoutTimer : public QObject {
    Q_OBJECT
public:
    enum class Clock { TimerFd, PreciseQTimer };
    // The best the system offers; the tests try the other one too.
    static constexpr Clock PlatformClock =
        platform::HasTimerFd ? Clock::TimerFd : Clock::PreciseQTimer;

    explicit BoutTimer(QObject* parent = nullptr, Clock clock = PlatformClock);
    ~BoutTimer() override;

    // Fires `milliseconds` after the call and then at that interval until stopped; a call while
    // running starts it anew. 0 or less stops it. A tick that was due but not yet handled when
    // the timer is stopped or started anew never comes.
    void start(int milliseconds);
    void stop();

    bool isActive() const { return m_interval > 0; }
    // The interval last started, 0 while stopped.
    int interval() const { return m_interval; }
    // The clock in use: a timerfd that could not be made or set gives way to the QTimer.
    Clock clock() const { return m_notifier != nullptr ? Clock::TimerFd : Clock::PreciseQTimer; }

signals:
    void timeout();

private:
    void timerFdReadable();
    // Sets the timerfd to fire after `milliseconds` and then at that interval (0: disarmed);
    // where the kernel refuses, the timerfd is given up for the QTimer.
    bool setTimerFd(int milliseconds);
    void giveUpTimerFd();

    int m_interval = 0;
    int m_timerFd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_portable;
};

} // namespace gachapoko
