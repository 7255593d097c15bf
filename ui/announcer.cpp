// Notifications for a screen reader.
#include "ui/announcer.h"

#include <QAccessible>

namespace gachapoko {

Announcer::Announcer(QWidget* window)
    : QWidget(window), m_picture(new Speaker(this)), m_captions(new Speaker(this)) {
    hide();
}

void Speaker::say(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    // The screen reader reads the name when it takes the event; no name change is sent.
    m_said = text;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit spoke(text);
}

} // namespace gachapoko
