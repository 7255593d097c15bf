// The invisible sites of the map.
#include "ui/site_region.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPainter>

namespace gachapoko {

SiteRegion::SiteRegion(SiteIndex index, const QRect& pictureRect, QWidget* pictureArea)
    : QAbstractButton(pictureArea), m_index(index) {
    const auto* frame = qobject_cast<const QFrame*>(pictureArea);
    const QRect inner = frame != nullptr ? frame->contentsRect() : pictureArea->rect();
    setGeometry(pictureRect.translated(inner.topLeft()).intersected(inner));

    // Draws nothing but the focus mark: the picture shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setSiteEnabled(false);
}

void SiteRegion::setSiteEnabled(bool enabled) {
    m_enabled = enabled;
    setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
    // Only the keyboard gives a site the focus: a click visits it at once.
    setFocusPolicy(enabled ? Qt::TabFocus : Qt::NoFocus);
}

// A dashed black and white outline just inside the site, seen on every part of the map.
void SiteRegion::paintEvent(QPaintEvent*) {
    if (!hasFocus() || !m_enabled) {
        return;
    }
    QPainter painter(this);
    const QRect outline = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(outline);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(outline);
}

// The arrow keys step through the places alone, in the order Tab takes them, round and round.
void SiteRegion::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Left && key != Qt::Key_Up && key != Qt::Key_Right && key != Qt::Key_Down) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    for (QWidget* widget = this;;) {
        widget = forward ? widget->nextInFocusChain() : widget->previousInFocusChain();
        auto* site = qobject_cast<SiteRegion*>(widget);
        if (widget == this || (site != nullptr && site->isSiteEnabled())) {
            widget->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void SiteRegion::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    update();
}

void SiteRegion::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    update();
}

} // namespace gachapoko
