// What a screen reader says without a key being pressed: each new picture's name and the caption
// lines the game writes. Qt 6.4 has no announcement event, and the name changes it sends reach
// Orca in a form Orca drops, so the game shows a notification to the screen reader instead: two
// hidden objects, one for the picture and one for the captions, inside a hidden status bar, each
// made to "show" with the text to say as its name. Orca speaks a shown notification at once, in
// the order shown, and inside a status bar without the word "notification". Nothing is drawn.
#pragma once

#include <QString>
#include <QWidget>

namespace gachapoko {

// One hidden notification; its name to a screen reader is what it said last.
class Speaker : public QWidget {
    Q_OBJECT
public:
    explicit Speaker(QWidget* announcer) : QWidget(announcer) {}
    const QString& said() const { return m_said; }
    void say(const QString& text);

signals:
    // Each time it has a screen reader say something.
    void spoke(const QString& text);

private:
    QString m_said;
};

class Announcer : public QWidget {
    Q_OBJECT
public:
    // A hidden child of `window`.
    explicit Announcer(QWidget* window);

    // Each has a screen reader say a text now; an empty text says nothing. Two speakers, as a
    // screen reader takes two quick notifications from one object for one.
    Speaker* picture() const { return m_picture; }
    Speaker* captions() const { return m_captions; }

private:
    Speaker* m_picture;
    Speaker* m_captions;
};

} // namespace gachapoko
