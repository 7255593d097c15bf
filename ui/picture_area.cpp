// The picture area and the routing of mouse input over it to the game's handlers.
#include "ui/picture_area.h"

#include "assets/stored_form.h"
#include "logic/site_table.h"
#include "ui/button_keys.h"
#include "ui/pixel_art_scaling.h"
#include "ui/site_region.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <algorithm>
#include <numeric>
#include <utility>

namespace gachapoko {

namespace {

constexpr float TwipsPerPixel = 15.0F;

// Only the left and the right button press the game's buttons; each has its own slot.
int buttonSlot(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 0;
    case Qt::RightButton:
        return 1;
    default:
        return -1;
    }
}

std::int16_t buttonMask(Qt::MouseButtons buttons) {
    std::int16_t mask = 0;
    if (buttons.testFlag(Qt::LeftButton)) {
        mask |= 1;
    }
    if (buttons.testFlag(Qt::RightButton)) {
        mask |= 2;
    }
    if (buttons.testFlag(Qt::MiddleButton)) {
        mask |= 4;
    }
    return mask;
}

std::int16_t shiftMask(Qt::KeyboardModifiers modifiers) {
    std::int16_t mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        mask |= 1;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        mask |= 2;
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        mask |= 4;
    }
    return mask;
}

bool isPress(const QEvent* event) {
    return event->type() == QEvent::MouseButtonPress ||
           event->type() == QEvent::MouseButtonDblClick;
}

} // namespace

PictureArea::PictureArea(QWidget* parent)
    : QFrame(parent), m_pairing(static_cast<std::uint64_t>(
                                    QGuiApplication::styleHints()->mouseDoubleClickInterval()),
                                QGuiApplication::styleHints()->mouseDoubleClickDistance()) {
    // The Windows-style sunken panel is exactly two pixels wide on every side.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFixedSize(PictureSize + 2 * BorderWidth, PictureSize + 2 * BorderWidth);
    setAutoFillBackground(true);
    setMouseTracking(true);
    // The keys have nothing to do on the picture: only the places on it take the focus.
    setFocusPolicy(Qt::NoFocus);

    // Created in the order a reader's eye takes over the map, row by row, which is the order Tab
    // takes them in. (They never overlap, so the order of creation shows nowhere else.)
    std::array<SiteIndex, SiteCount> order{};
    std::iota(order.begin(), order.end(), SiteIndex{0});
    std::stable_sort(order.begin(), order.end(), [](SiteIndex a, SiteIndex b) {
        const MapRect& ra = SiteTable[static_cast<std::size_t>(a)].Region;
        const MapRect& rb = SiteTable[static_cast<std::size_t>(b)].Region;
        return std::pair(ra.y, ra.x) < std::pair(rb.y, rb.x);
    });
    for (const SiteIndex index : order) {
        const MapRect& r = SiteTable[static_cast<std::size_t>(index)].Region;
        auto* site = new SiteRegion(index, QRect(r.x, r.y, r.width, r.height), this);
        site->installEventFilter(this);
        new ButtonKeys(site);
        // The keyboard's and a screen reader's clicks; the mouse's come through the filter.
        connect(site, &QAbstractButton::clicked, this, [this, site] {
            if (site->isSiteEnabled()) {
                emit siteClicked(site->index());
            }
        });
        m_sites[static_cast<std::size_t>(index)] = site;
    }
}

void PictureArea::setPicture(const QImage& picture) {
    m_picture = picture;
    m_scaled = QImage();
    update();
}

const QImage& PictureArea::pictureForScreen(qreal devicePixelRatio) {
    if (devicePixelRatio <= 1.0) {
        return m_picture;
    }
    if (m_scaled.isNull() || m_scaled.devicePixelRatio() != devicePixelRatio) {
        m_scaled = scalePixelArt(m_picture, devicePixelRatio);
    }
    return m_scaled;
}

SiteRegion* PictureArea::site(SiteIndex index) const {
    return isValidSite(index) ? m_sites[static_cast<std::size_t>(index)] : nullptr;
}

void PictureArea::setSiteEnabled(SiteIndex index, bool enabled) {
    if (SiteRegion* region = site(index)) {
        region->setSiteEnabled(enabled);
    }
}

void PictureArea::forgetPairing() {
    m_pairing.forget();
}

void PictureArea::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!m_picture.isNull()) {
        QPainter painter(this);
        painter.setClipRect(contentsRect());
        painter.drawImage(contentsRect().topLeft(),
                          pictureForScreen(painter.device()->devicePixelRatioF()));
    }
}

// The keyboard's focus on a site stands for the pointer over it: it names the place as a hover
// does. The window coming back to the front is no move.
bool PictureArea::isKeyboardFocusIn(const QEvent* event) {
    if (event->type() != QEvent::FocusIn) {
        return false;
    }
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool PictureArea::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pictureAreaPress(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        pictureAreaRelease(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        pictureAreaMove(static_cast<QMouseEvent*>(event));
        return true;
    default:
        return QFrame::event(event);
    }
}

bool PictureArea::eventFilter(QObject* watched, QEvent* event) {
    auto* site = qobject_cast<SiteRegion*>(watched);
    if (site == nullptr || site->parent() != this) {
        return QFrame::eventFilter(watched, event);
    }
    if (isKeyboardFocusIn(event) && site->isSiteEnabled()) {
        const QPointF centre = QRectF(site->rect()).center();
        emit siteMouseMoved(site->index(), 0, 0, static_cast<float>(centre.x()) * TwipsPerPixel,
                            static_cast<float>(centre.y()) * TwipsPerPixel);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        sitePress(site, static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        siteRelease(site, static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        siteMove(site, static_cast<QMouseEvent*>(event));
        return true;
    default:
        return false;
    }
}

bool PictureArea::isExtraDoubleClickEvent(const QMouseEvent* event) const {
    return event->type() == QEvent::MouseButtonDblClick && m_down.testFlag(event->button());
}

void PictureArea::refreshPairingRules() {
    const QStyleHints* hints = QGuiApplication::styleHints();
    m_pairing.setRules(static_cast<std::uint64_t>(hints->mouseDoubleClickInterval()),
                       hints->mouseDoubleClickDistance());
}

ClickPairing::Press PictureArea::pressOf(const QMouseEvent* event) const {
    const QPoint global = event->globalPosition().toPoint();
    return {buttonSlot(event->button()), global.x(), global.y(), event->timestamp()};
}

void PictureArea::raise(const ClickPairing::Raised& raised) {
    for (int click = 0; click < raised.clicks; ++click) {
        emit clicked();
    }
    if (raised.doubleClick) {
        emit doubleClicked();
    }
}

void PictureArea::pictureAreaPress(QMouseEvent* event) {
    event->accept();
    if (buttonSlot(event->button()) < 0 || isExtraDoubleClickEvent(event)) {
        return;
    }
    m_down |= event->button();
    // The border is not part of the picture: a press on it raises nothing.
    if (!contentsRect().contains(event->position().toPoint())) {
        return;
    }
    refreshPairingRules();
    raise(m_pairing.pressOnPicture(pressOf(event)));
}

void PictureArea::pictureAreaRelease(QMouseEvent* event) {
    event->accept();
    const int slot = buttonSlot(event->button());
    if (slot < 0) {
        return;
    }
    m_down &= ~Qt::MouseButtons(event->button());
    raise(m_pairing.release(slot));
}

void PictureArea::pictureAreaMove(QMouseEvent* event) {
    event->accept();
    const QPoint inner = event->position().toPoint() - contentsRect().topLeft();
    if (!contentsRect().contains(event->position().toPoint())) {
        return;
    }
    emit mouseMoved(buttonMask(event->buttons()), shiftMask(event->modifiers()),
                    static_cast<float>(inner.x()) * TwipsPerPixel,
                    static_cast<float>(inner.y()) * TwipsPerPixel);
}

void PictureArea::sitePress(SiteRegion* site, QMouseEvent* event) {
    event->accept();
    const int slot = buttonSlot(event->button());
    if (slot < 0 || isExtraDoubleClickEvent(event) || !isPress(event)) {
        return;
    }
    m_down |= event->button();
    refreshPairingRules();
    m_pairing.pressOnSite(pressOf(event));
    m_sitePressedBy[static_cast<std::size_t>(slot)] = site->index();
}

void PictureArea::siteRelease(SiteRegion* site, QMouseEvent* event) {
    event->accept();
    const int slot = buttonSlot(event->button());
    if (slot < 0) {
        return;
    }
    m_down &= ~Qt::MouseButtons(event->button());
    const SiteIndex pressedOn = m_sitePressedBy[static_cast<std::size_t>(slot)];
    m_sitePressedBy[static_cast<std::size_t>(slot)] = -1;
    // A click is a press and a release over the same enabled site.
    if (pressedOn == site->index() && site->isSiteEnabled() &&
        site->rect().contains(event->position().toPoint())) {
        emit siteClicked(site->index());
    }
}

void PictureArea::siteMove(SiteRegion* site, QMouseEvent* event) {
    event->accept();
    if (!site->isSiteEnabled() || !site->rect().contains(event->position().toPoint())) {
        return;
    }
    emit siteMouseMoved(site->index(), buttonMask(event->buttons()), shiftMask(event->modifiers()),
                        static_cast<float>(event->position().x()) * TwipsPerPixel,
                        static_cast<float>(event->position().y()) * TwipsPerPixel);
}

} // namespace gachapoko
