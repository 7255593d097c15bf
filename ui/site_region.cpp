// The invisible sites of the map.
#include "ui/site_region.h"

#include <QFrame>

namespace gachapoko {

SiteRegion::SiteRegion(SiteIndex index, const QRect& pictureRect, QWidget* pictureArea)
    : QWidget(pictureArea), m_index(index) {
    const auto* frame = qobject_cast<const QFrame*>(pictureArea);
    const QRect inner = frame != nullptr ? frame->contentsRect() : pictureArea->rect();
    setGeometry(pictureRect.translated(inner.topLeft()).intersected(inner));

    // Draws nothing at all: the picture shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setSiteEnabled(false);
}

void SiteRegion::setSiteEnabled(bool enabled) {
    setEnabled(enabled);
    setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
}

} // namespace gachapoko
