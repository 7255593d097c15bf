// One of the six invisible sites over the places of the map: a rectangle inside the picture area
// that shows nothing, takes the mouse while enabled and lets it through while disabled.
#pragma once

#include "logic/types.h"

#include <QWidget>

namespace gachapoko {

class SiteRegion : public QWidget {
    Q_OBJECT
public:
    // `pictureRect` is in picture pixels; the region is placed inside the picture area's border
    // and cut at its inner edge.
    SiteRegion(SiteIndex index, const QRect& pictureRect, QWidget* pictureArea);

    SiteIndex index() const { return m_index; }

    // A disabled site is transparent to the mouse: the picture area under it gets the events.
    void setSiteEnabled(bool enabled);

private:
    SiteIndex m_index;
};

} // namespace gachapoko
