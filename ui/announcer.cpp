// Notifications for a screen reader.
#include "ui/announcer.h"

#include <QAccessible>

namespace gachapoko {

Announcer::Announcer(QWidget* window) : QWidget(window) {
    for (Speaker*& speaker : m_speakers) {
        speaker = new Speaker(this);
    }
    hide();
}

void Announcer::say(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    Speaker* speaker = m_speakers[m_next];
    m_next = (m_next + 1) % m_speakers.size();
    // The screen reader reads the name when it takes the event; no name change is sent.
    speaker->m_said = text;
    QAccessibleEvent shown(speaker, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit spoke(text);
}

} // namespace gachapoko
