// Return, Enter and Space on a focused push button.
#include "ui/button_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace gachapoko {

namespace {

bool pressesAButton(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ButtonKeys::ButtonKeys(QAbstractButton* button) : QObject(button), m_button(button) {
    m_spaceUp.setSingleShot(true);
    m_spaceUp.setInterval(static_cast<int>(2 * HeldKeys::RepeatPairMilliseconds));
    connect(&m_spaceUp, &QTimer::timeout, this, &ButtonKeys::spaceCameUp);
    // The button's own handling would click at every release, and a held key whose repeats
    // arrive as release and press pairs would click it again and again.
    button->installEventFilter(this);
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_button ||
        (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (!pressesAButton(key->key())) {
        return false;
    }
    key->accept();
    if (key->type() == QEvent::KeyPress) {
        keyDown(key);
    } else {
        keyUp(key);
    }
    return true;
}

void ButtonKeys::keyDown(const QKeyEvent* event) {
    const bool real = m_held.press(event->key(), event->timestamp(), event->isAutoRepeat());
    if (event->key() != Qt::Key_Space) {
        if (real && canPress()) {
            m_button->click();
        }
        return;
    }
    if (m_spaceUp.isActive()) {
        m_spaceUp.stop();
        if (!real) {
            return; // a repeat: Space is still held
        }
        spaceCameUp(); // it came up, and this is a new press
    }
    // A repeat that arrives after its release was taken for the key coming up finds the button
    // already pressed for this hold, and is not down: it presses nothing more.
    if (real && canPress()) {
        m_button->setDown(true);
    }
}

void ButtonKeys::keyUp(const QKeyEvent* event) {
    m_held.release(event->key(), event->timestamp(), event->isAutoRepeat());
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_button->isDown()) {
        m_spaceUp.start();
    }
}

void ButtonKeys::spaceCameUp() {
    if (!m_button->isDown()) {
        return; // the focus went elsewhere meanwhile, which lets the button up unpressed
    }
    m_button->setDown(false);
    if (canPress()) {
        m_button->click();
    }
}

bool ButtonKeys::canPress() const {
    return !m_button->isHidden() && m_button->isEnabled();
}

void ButtonKeys::track(const QKeyEvent* event) {
    if (!pressesAButton(event->key())) {
        return;
    }
    if (event->type() == QEvent::KeyPress) {
        m_held.press(event->key(), event->timestamp(), event->isAutoRepeat());
    } else {
        m_held.release(event->key(), event->timestamp(), event->isAutoRepeat());
    }
}

void ButtonKeys::forget() {
    m_held.forget();
}

} // namespace gachapoko
