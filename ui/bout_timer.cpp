// The bout timer: a timerfd watched by the event loop on Linux, a precise QTimer elsewhere.
#include "ui/bout_timer.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>

#if defined(__linux__)
#include <sys/timerfd.h>
#include <unistd.h>
#define GACHAPOKO_TIMERFD 1
#endif

namespace gachapoko {

BoutTimer::BoutTimer(QObject* parent) : QObject(parent) {
#ifdef GACHAPOKO_TIMERFD
    m_timerFd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_timerFd >= 0) {
        m_notifier =
            new QSocketNotifier(static_cast<qintptr>(m_timerFd), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &BoutTimer::timerFdReadable);
        return;
    }
#endif
    m_portable.setTimerType(Qt::PreciseTimer);
    connect(&m_portable, &QTimer::timeout, this, &BoutTimer::timeout);
}

BoutTimer::~BoutTimer() {
#ifdef GACHAPOKO_TIMERFD
    if (m_timerFd >= 0) {
        delete m_notifier;
        close(m_timerFd);
    }
#endif
}

void BoutTimer::start(int milliseconds) {
    if (milliseconds <= 0) {
        stop();
        return;
    }
    m_interval = milliseconds;
#ifdef GACHAPOKO_TIMERFD
    if (m_timerFd >= 0) {
        const timespec period{milliseconds / 1000,
                              static_cast<long>(milliseconds % 1000) * 1000000L};
        const itimerspec setting{period, period};
        // Setting the timer anew also clears any expiry not yet read.
        timerfd_settime(m_timerFd, 0, &setting, nullptr);
        return;
    }
#endif
    m_portable.start(milliseconds);
}

void BoutTimer::stop() {
    m_interval = 0;
#ifdef GACHAPOKO_TIMERFD
    if (m_timerFd >= 0) {
        const itimerspec disarmed{};
        timerfd_settime(m_timerFd, 0, &disarmed, nullptr);
        return;
    }
#endif
    m_portable.stop();
}

int BoutTimer::remainingTime() const {
    if (m_interval <= 0) {
        return -1;
    }
#ifdef GACHAPOKO_TIMERFD
    if (m_timerFd >= 0) {
        itimerspec setting{};
        if (timerfd_gettime(m_timerFd, &setting) != 0) {
            return -1;
        }
        const long long nanoseconds =
            static_cast<long long>(setting.it_value.tv_sec) * 1000000000LL +
            setting.it_value.tv_nsec;
        return static_cast<int>((nanoseconds + 999999) / 1000000);
    }
#endif
    return m_portable.remainingTime();
}

// Expiries that piled up while the loop was busy give one tick, as a QTimer's would. A
// readiness already reported when the timer was stopped or started anew reads nothing and
// gives none.
void BoutTimer::timerFdReadable() {
#ifdef GACHAPOKO_TIMERFD
    std::uint64_t expiries = 0;
    const ssize_t got = read(m_timerFd, &expiries, sizeof expiries);
    if (got == static_cast<ssize_t>(sizeof expiries) && expiries > 0 && m_interval > 0) {
        emit timeout();
    }
#endif
}

} // namespace gachapoko
