// Prints how long the game takes for what it does most: its start, from main to the first frame
// of its window, step by step; decoding a picture when a scene changes, counting a press in the
// game logic, carrying a press from the mouse through the window's routing to the count, and how
// long a ten-second bout really lasts, plus the program's peak memory. Run it from a release
// build:
//     QT_QPA_PLATFORM=offscreen build/release/benchmarks/gachapoko_bench [--bouts N]
// N ten-second bouts are timed (5 unless given; 0 leaves them out). With --start-only it prints
// the start and ends (gachapoko_first_frame runs it so on its X server).
#include "app/game_window.h"
#include "app/startup.h"
#include "assets/picture_lookup.h"
#include "logic/game.h"
#include "ui/bout_timer.h"
#include "ui/frm_main.h"
#include "ui/picture_area.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// A View that does nothing: measures the logic alone.
class SilentView : public gachapoko::View {
public:
    void SetPicture(gachapoko::PictureId) override {}
    void SetCaption(gachapoko::CaptionLine, std::u16string_view) override {}
    void SetSiteEnabled(gachapoko::SiteIndex, bool) override {}
    void SetNextVisible(bool) override {}
    void SetTimerInterval(std::int32_t) override {}
};

void benchDecoding() {
    std::printf("Decoding a picture (every scene change decodes anew):\n");
    constexpr int Rounds = 300;
    for (std::int16_t id = 101; id <= 111; ++id) {
        const auto start = Clock::now();
        std::size_t bytes = 0;
        for (int i = 0; i < Rounds; ++i) {
            bytes += static_cast<std::size_t>(gachapoko::loadPicture(id)->sizeInBytes());
        }
        std::printf("  %d: %8.1f us per decode, %zu bytes per decoded image\n", id,
                    microsecondsSince(start) / Rounds, bytes / Rounds);
    }
}

void benchLogicPresses() {
    SilentView view;
    gachapoko::Game game(view);
    game.Form_Load();
    game.CmdNext_Click();
    game.ImgE_Click(3);
    game.CmdNext_Click();
    constexpr int Presses = 20'000'000;
    const auto start = Clock::now();
    for (int i = 0; i < Presses; ++i) {
        game.PicMain_Click();
    }
    const double us = microsecondsSince(start);
    std::printf("Game logic: %.2f ns per press (%d counted)\n", us * 1000.0 / Presses,
                game.state().Presses);
}

// Mouse events through Qt's platform input path, as the real mouse delivers them, one
// millisecond apart on the event clock.
class Mouse {
public:
    explicit Mouse(QWidget* window) : m_window(window) {}

    void send(QWidget* target, QPoint pos, Qt::MouseButton button, QEvent::Type type) {
        m_clock += 1;
        if (type == QEvent::MouseButtonPress) {
            m_held |= button;
        } else if (type == QEvent::MouseButtonRelease) {
            m_held &= ~Qt::MouseButtons(button);
        }
        QWindow* window = m_window->windowHandle();
        const QPointF local = target->mapTo(m_window, pos);
        qt_handleMouseEvent(window, local, window->mapToGlobal(local), m_held, button, type,
                            Qt::NoModifier, m_clock);
        QCoreApplication::processEvents();
    }

    void click(QWidget* target, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
        m_clock += 2000; // far from any earlier press: never the second of a pair
        send(target, pos, button, QEvent::MouseButtonPress);
        send(target, pos, button, QEvent::MouseButtonRelease);
    }

private:
    QWidget* m_window;
    Qt::MouseButtons m_held;
    int m_clock = 100000;
};

// Presses fed into the window a millisecond apart, alternating the buttons in pairs; the count
// the game ends with must equal the presses sent.
void benchWindowPresses() {
    gachapoko::FrmMain window;
    window.start();
    Mouse mouse(&window);
    const QPoint buttonMiddle(100, 6);
    mouse.click(window.cmdNext(), buttonMiddle);             // welcome -> map
    mouse.click(window.picMain(), QPoint(2 + 150, 2 + 120)); // the town's young man
    mouse.click(window.cmdNext(), buttonMiddle);             // the bout starts
    constexpr int Presses = 20'000;
    const QPoint middle(100, 100);
    const auto start = Clock::now();
    for (int i = 0; i < Presses; ++i) {
        const Qt::MouseButton button = i % 4 < 2 ? Qt::LeftButton : Qt::RightButton;
        mouse.send(window.picMain(), middle, button, QEvent::MouseButtonPress);
        mouse.send(window.picMain(), middle, button, QEvent::MouseButtonRelease);
    }
    const double us = microsecondsSince(start);
    std::printf("Window routing: %.1f us per press and release, %.0f presses per second; "
                "%d sent, %d counted\n",
                us / Presses, Presses / (us / 1e6), Presses, window.gameState().Presses);
}

const char* timerKind() {
    return gachapoko::BoutTimer().clock() == gachapoko::BoutTimer::Clock::TimerFd
               ? "the game's bout timer (timerfd)"
               : "the game's bout timer (QTimer)";
}

struct BoutTimes {
    std::vector<double> milliseconds;

    void print(const char* what) const {
        double sum = 0;
        for (double ms : milliseconds) {
            sum += ms;
        }
        const auto [shortest, longest] =
            std::minmax_element(milliseconds.begin(), milliseconds.end());
        const double mean = sum / static_cast<double>(milliseconds.size());
        double worst = 0;
        for (double ms : milliseconds) {
            worst = std::max(worst, std::abs(ms - gachapoko::BoutMilliseconds));
        }
        std::printf("  %-34s mean %9.3f ms, range %9.3f to %9.3f ms, worst %+.3f ms off\n", what,
                    mean, *shortest, *longest, worst);
    }
};

// One ten-second bout timed from the start of `timer` to its handler, on the monotonic clock.
template <typename Timer, typename Signal>
double timeOneBout(Timer& timer, Signal timeout) {
    QEventLoop loop;
    Clock::time_point started;
    double milliseconds = 0;
    QObject::connect(&timer, timeout, [&] {
        milliseconds = microsecondsSince(started) / 1000.0;
        timer.stop();
        loop.quit();
    });
    started = Clock::now();
    timer.start(gachapoko::BoutMilliseconds);
    loop.exec();
    return milliseconds;
}

// Ten-second bouts as the window times them, then two with Qt's precise QTimer alone to show
// what the bout timer saves (on Linux the event loop's poll() timeout is stretched by 0.1 %).
void benchBoutLength(int bouts) {
    std::printf("Ten-second bouts, from the timer's start to its handler:\n");
    BoutTimes game;
    for (int bout = 0; bout < bouts; ++bout) {
        gachapoko::BoutTimer timer;
        game.milliseconds.push_back(timeOneBout(timer, &gachapoko::BoutTimer::timeout));
        std::printf("  bout %d: %.3f ms\n", bout + 1, game.milliseconds.back());
    }
    game.print(timerKind());
    BoutTimes plain;
    for (int bout = 0; bout < 2; ++bout) {
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        plain.milliseconds.push_back(timeOneBout(timer, &QTimer::timeout));
    }
    plain.print("Qt's precise QTimer, 2 bouts");
}

// Ends the wait at the window's first paint.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QEventLoop& loop) : m_loop(loop) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            m_loop.quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& m_loop;
};

// The game's own start, the way main does it, until its window has painted once.
void benchStart(gachapoko::StartSteps& steps) {
    const auto window = gachapoko::openGameWindow(&steps);
    QEventLoop loop;
    FirstPaint firstPaint(loop);
    window->installEventFilter(&firstPaint);
    loop.exec();
    QCoreApplication::processEvents();
    steps.done("the first frame painted");
    std::printf("Start, from main (on the %s platform):\n",
                qPrintable(QGuiApplication::platformName()));
    auto previous = steps.begin();
    for (const gachapoko::StartSteps::Step& step : steps.steps()) {
        std::printf("  %-36s %7.2f ms, %7.2f ms from main\n", step.name.c_str(),
                    std::chrono::duration<double, std::milli>(step.end - previous).count(),
                    std::chrono::duration<double, std::milli>(step.end - steps.begin()).count());
        previous = step.end;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    gachapoko::StartSteps steps;
    const std::unique_ptr<QApplication> application =
        gachapoko::startApplication(argc, argv, &steps);
    if (!application) {
        return 1;
    }
    int bouts = 5;
    bool startOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--bouts") == 0 && i + 1 < argc) {
            bouts = std::atoi(argv[i + 1]);
        }
        startOnly = startOnly || std::strcmp(argv[i], "--start-only") == 0;
    }
    benchStart(steps);
    if (startOnly) {
        return 0;
    }
    benchDecoding();
    benchLogicPresses();
    benchWindowPresses();
    if (bouts > 0) {
        benchBoutLength(bouts);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("Peak resident memory: %ld KiB\n", usage.ru_maxrss);
    return 0;
}
