// The bout timer: a timerfd watched by the event loop on Linux, a precise QTimer elsewhere.
#include "ui/bout_timer.h"

#include <QSocketNotifier>
#include <cstdint>

#if GACHAPOKO_HAS_TIMERFD
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace gachapoko {

BoutTimer::BoutTimer(QObject* parent, Clock clock) : QObject(parent) {
    m_portable.setTimerType(Qt::PreciseTimer);
    connect(&m_portable, &QTimer::timeout, this, &BoutTimer::timeout);
#if GACHAPOKO_HAS_TIMERFD
    if (clock == Clock::TimerFd) {
        m_timerFd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (m_timerFd >= 0) {
            m_notifier =
                new QSocketNotifier(static_cast<qintptr>(m_timerFd), QSocketNotifier::Read, this);
            connect(m_notifier, &QSocketNotifier::activated, this, &BoutTimer::timerFdReadable);
        }
    }
#else
    static_cast<void>(clock);
#endif
}

BoutTimer::~BoutTimer() {
    giveUpTimerFd();
}

void BoutTimer::start(int milliseconds) {
    if (milliseconds <= 0) {
        stop();
        return;
    }
    m_interval = milliseconds;
    // Setting the timerfd anew also clears any expiry not yet read.
    if (!setTimerFd(milliseconds)) {
        m_portable.start(milliseconds);
    }
}

void BoutTimer::stop() {
    m_interval = 0;
    if (!setTimerFd(0)) {
        m_portable.stop();
    }
}

bool BoutTimer::setTimerFd([[maybe_unused]] int milliseconds) {
#if GACHAPOKO_HAS_TIMERFD
    if (m_notifier == nullptr) {
        return false;
    }
    const timespec period{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L};
    const itimerspec setting{period, period};
    if (timerfd_settime(m_timerFd, 0, &setting, nullptr) == 0) {
        return true;
    }
    giveUpTimerFd();
#endif
    return false;
}

void BoutTimer::giveUpTimerFd() {
#if GACHAPOKO_HAS_TIMERFD
    if (m_notifier != nullptr) {
        delete m_notifier;
        m_notifier = nullptr;
        close(m_timerFd);
        m_timerFd = -1;
    }
#endif
}

// Expiries that piled up while the loop was busy give one tick, as a QTimer's would. A
// readiness already reported when the timer was stopped or started anew reads nothing and
// gives none.
void BoutTimer::timerFdReadable() {
#if GACHAPOKO_HAS_TIMERFD
    std::uint64_t expiries = 0;
    const ssize_t got = read(m_timerFd, &expiries, sizeof expiries);
    if (got == static_cast<ssize_t>(sizeof expiries) && expiries > 0 && m_interval > 0) {
        emit timeout();
    }
#endif
}

} // namespace gachapoko
