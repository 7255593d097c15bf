// Feeds mouse events into a window through Qt's platform input path, with timestamps the test
// chooses, so routing and double-click pairing are exercised exactly as with a real mouse.
#pragma once

#include <QPoint>
#include <QWidget>
#include <cstdint>

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

} // namespace gachapoko::test
