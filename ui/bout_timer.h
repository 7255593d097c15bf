// The window's one timer, which ends every ten-second bout. Qt's own timers wait in the event
// loop's poll(), whose timeout Linux stretches by 0.1 % for a normal process: a bout would last
// 10.01 s. On Linux this timer is a timerfd instead, which the kernel wakes within its timer
// slack (50 us); the event loop watches it like any other input, so the tick still comes through
// the one event queue, after the presses that arrived before it. Elsewhere, or where no timerfd
// can be made, it is a precise QTimer.
#pragma once

#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace gachapoko {

class BoutTimer : public QObject {
    Q_OBJECT
public:
    explicit BoutTimer(QObject* parent = nullptr);
    ~BoutTimer() override;

    // Fires `milliseconds` after the call and then at that interval until stopped; a call while
    // running starts it anew. 0 or less stops it.
    void start(int milliseconds);
    void stop();

    bool isActive() const { return m_interval > 0; }
    // The interval last started, 0 while stopped.
    int interval() const { return m_interval; }
    // Milliseconds until the next tick, rounded up; -1 while stopped.
    int remainingTime() const;
    // Whether the kernel's timerfd is in use rather than the portable QTimer.
    bool usesTimerFd() const { return m_notifier != nullptr; }

signals:
    void timeout();

private:
    void timerFdReadable();

    int m_interval = 0;
    int m_timerFd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_portable;
};

} // namespace gachapoko
