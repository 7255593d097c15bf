// The keys that press a focused push button, as a desktop's push buttons take them: Return and
// Enter press it as they go down; Space shows it pressed while it is held and presses it as it
// comes up. A key held down presses once, however its repeats arrive, and a hidden button is
// never pressed.
#pragma once

#include "ui/held_keys.h"

#include <QObject>
#include <QTimer>

class QKeyEvent;
class QAbstractButton;

namespace gachapoko {

class ButtonKeys : public QObject {
public:
    // Takes the key events of `button`, before the button's own handling sees them.
    explicit ButtonKeys(QAbstractButton* button);

    // A key event that reached the window elsewhere: it presses nothing, but a key held down
    // there is still held when the focus moves to the button.
    void track(const QKeyEvent* event);
    // The window lost the keyboard: every key counts as up.
    void forget();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keyDown(const QKeyEvent* event);
    void keyUp(const QKeyEvent* event);
    void spaceCameUp();
    bool canPress() const;

    QAbstractButton* m_button;
    HeldKeys m_held;
    // A release of Space may be the first half of a repeat whose press follows at once: the
    // button is pressed only once no press has followed within twice the pair's time. The pair's
    // time is between the server's stamps; this wait is on the window's clock, and the press can
    // reach the window later than it was stamped.
    QTimer m_spaceUp;
};

} // namespace gachapoko
