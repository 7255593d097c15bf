// What a screen reader says without a key being pressed: each new picture's name and the caption
// lines the game writes. Qt 6.4 has no announcement event, and the name changes it sends reach
// Orca in a form Orca drops, so the game shows a notification to the screen reader instead: a
// few hidden objects inside a hidden status bar, taking turns, each made to "show" with the text
// to say as its name. Orca speaks a shown notification in the order shown, and inside a status
// bar without the word "notification". Nothing is drawn.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>

namespace gachapoko {

// One hidden notification; its name to a screen reader is what it was last given to say.
class Speaker : public QWidget {
    Q_OBJECT
public:
    explicit Speaker(QWidget* announcer) : QWidget(announcer) {}
    const QString& said() const { return m_said; }

private:
    friend class Announcer;
    QString m_said;
};

class Announcer : public QWidget {
    Q_OBJECT
public:
    // A hidden child of `window`.
    explicit Announcer(QWidget* window);

    // Has a screen reader say `text` now; an empty text says nothing.
    void say(const QString& text);

signals:
    // Each time it has a screen reader say something.
    void spoke(const QString& text);

private:
    // A screen reader reads a notification's name only when it comes to its event, maybe after
    // the game has moved on, and takes two quick notifications from one object for one. So each
    // text goes to the next speaker in turn, and one said a moment ago still holds its own text
    // when the screen reader gets to it: six are three scenes' worth.
    std::array<Speaker*, 6> m_speakers{};
    std::size_t m_next = 0;
};

} // namespace gachapoko
