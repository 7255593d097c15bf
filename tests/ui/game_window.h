// The window as the tests drive it: mouse events fed through Qt's platform input path, with
// timestamps the test chooses, so routing and double-click pairing are exercised exactly as with
// a real mouse; and a fixture with the window started, active, and a way into the game.
#pragma once

#include "ui/frm_main.h"

#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <gtest/gtest.h>

namespace gachapoko::test {

class MouseInjector {
public:
    explicit MouseInjector(QWidget* window) : m_window(window) {}

    // Each call first lets `afterMs` milliseconds pass on the injected clock.
    void press(QWidget* target, QPoint pos, Qt::MouseButton button, int afterMs = 1);
    void release(QWidget* target, QPoint pos, Qt::MouseButton button, int afterMs = 1);
    void click(QWidget* target, QPoint pos, Qt::MouseButton button = Qt::LeftButton,
               int afterMs = 1);
    void move(QWidget* target, QPoint pos, int afterMs = 1);

    // Far enough apart in time that no two presses pair up.
    static constexpr int Slow = 2000;

private:
    void send(QWidget* target, QPoint pos, Qt::MouseButton button, int type, int afterMs);

    QWidget* m_window;
    Qt::MouseButtons m_held;
    std::uint64_t m_clock = 100000;
};

// Points in PicMain coordinates: inside a site, and on the bare map clear of every site.
inline const QPoint InForest{30, 20};
inline const QPoint InTown{160, 120};
inline const QPoint InCoast{100, 190};
inline const QPoint BareMap{100, 150};

// The window started on its welcome screen, with the keyboard.
class GameWindow : public testing::Test {
protected:
    void SetUp() override;

    // A slow left click on the picture area at `at`.
    void clickPicture(QPoint at);
    // From the welcome screen to the map, where the sites are enabled.
    void goToMap();
    // From the map into the town's bout, where every site is disabled and presses count.
    void startTownBout();

    FrmMain m_frm;
    MouseInjector m_mouse{&m_frm};
};

} // namespace gachapoko::test
