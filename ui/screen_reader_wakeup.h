// A screen reader turned on while the game runs finds the game. Qt 6.4 reads the desktop's
// accessibility state only once, when the accessibility bus's launcher (org.a11y.Bus) appears on
// the session bus, so a game started with accessibility off would never be found by a screen
// reader started later; this fills that gap without starting or joining anything before a
// screen reader asks for it.
#pragma once

#include <QObject>
#include <QVariantMap>

namespace gachapoko {

class ScreenReaderWakeup : public QObject {
    Q_OBJECT
public:
    // With Qt started: where no launcher runs yet, lets Qt's bridge join as soon as one appears
    // (only a screen reader or another accessible program starts one); where one runs with
    // accessibility off, watches for it being turned on. Does nothing without a session bus or
    // off a Linux desktop.
    explicit ScreenReaderWakeup(QObject* parent);

private slots:
    void statusChanged(const QString& interface, const QVariantMap& changed);
};

} // namespace gachapoko
