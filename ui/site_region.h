// One of the six invisible sites over the places of the map: a rectangle inside the picture area
// that shows nothing, takes the mouse while enabled and lets it through while disabled. While
// enabled it is also a button for the keyboard: it takes the focus with Tab, shows a focus mark
// while it has it, and Space or Return visits it as a click does.
#pragma once

#include "logic/types.h"

#include <QAbstractButton>

namespace gachapoko {

class SiteRegion : public QAbstractButton {
    Q_OBJECT
public:
    // `pictureRect` is in picture pixels; the region is placed inside the picture area's border
    // and cut at its inner edge.
    SiteRegion(SiteIndex index, const QRect& pictureRect, QWidget* pictureArea);

    SiteIndex index() const { return m_index; }

    // A disabled site is transparent to the mouse (the picture area under it gets the events)
    // and out of the keyboard's reach. A site disabled while it has the focus keeps it, unseen,
    // until the window moves it: the game disables all six on every visit, even a refused one.
    void setSiteEnabled(bool enabled);
    bool isSiteEnabled() const { return m_enabled; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    SiteIndex m_index;
    bool m_enabled = false;
};

} // namespace gachapoko
