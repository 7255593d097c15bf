// Mouse events through the same platform path as the real mouse, at chosen times, and the way
// into the game by them.
#include "tests/ui/game_window.h"

#include "ui/game_text.h"
#include "ui/picture_area.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace gachapoko::test {

void MouseInjector::send(QWidget* target, QPoint pos, Qt::MouseButton button, int type,
                         int afterMs) {
    m_clock += static_cast<std::uint64_t>(afterMs);
    QWindow* window = m_window->windowHandle();
    const QPointF local = target->mapTo(m_window, pos);
    const QPointF global = window->mapToGlobal(local);
    qt_handleMouseEvent(window, local, global, m_held, button, static_cast<QEvent::Type>(type),
                        Qt::NoModifier, static_cast<int>(m_clock));
    QCoreApplication::processEvents();
}

void MouseInjector::press(QWidget* target, QPoint pos, Qt::MouseButton button, int afterMs) {
    m_held |= button;
    send(target, pos, button, QEvent::MouseButtonPress, afterMs);
}

void MouseInjector::release(QWidget* target, QPoint pos, Qt::MouseButton button, int afterMs) {
    m_held &= ~Qt::MouseButtons(button);
    send(target, pos, button, QEvent::MouseButtonRelease, afterMs);
}

void MouseInjector::click(QWidget* target, QPoint pos, Qt::MouseButton button, int afterMs) {
    press(target, pos, button, afterMs);
    release(target, pos, button, 1);
}

void MouseInjector::move(QWidget* target, QPoint pos, int afterMs) {
    send(target, pos, Qt::NoButton, QEvent::MouseMove, afterMs);
}

void GameWindow::SetUp() {
    m_frm.start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_frm));
}

void GameWindow::clickPicture(QPoint at) {
    m_mouse.click(m_frm.picMain(), at, Qt::LeftButton, MouseInjector::Slow);
}

void GameWindow::goToMap() {
    m_mouse.click(m_frm.cmdNext(), {100, 6}, Qt::LeftButton, MouseInjector::Slow);
    ASSERT_EQ(m_frm.lblMs(1)->text(), toQString(MapInstruction));
}

void GameWindow::startTownBout() {
    ASSERT_NO_FATAL_FAILURE(goToMap());
    clickPicture(InTown);
    m_mouse.click(m_frm.cmdNext(), {100, 6}, Qt::LeftButton, MouseInjector::Slow);
    ASSERT_TRUE(m_frm.gameState().Counting);
    ASSERT_TRUE(m_frm.timer().isActive());
}

} // namespace gachapoko::test
